#pragma once

#include "listscreens/FilterSelector.h"

#include <QModelIndexList>
#include <QPointer>

class FilterModel;

// The choice of several device types among those of the points in the
// chosen zones, written to the filter model as a set of type numbers.
class DevicesSelector final : public FilterSelector
{
    Q_OBJECT

public:
    static constexpr int DeviceTypeCount = 256;

    DevicesSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ~DevicesSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void editorSelectionChanged(const QModelIndexList &newSelection);

private slots:
    void updateModel();

private:
    FilterModel *m_model;
    QPointer<AUK_90008> m_filterButton;
};
