#pragma once

#include "listscreens/BasicFilterSelector.h"

#include <QStandardItemModel>

// The walk-test choices: which kind of device a walk test covers, and how
// multi-sensor devices are tested. Both are single-choice lists read back
// by the walk-test screens when they send their command.

// The kind of device: its class and type bit go to the filter model.
class TypeSelector final : public BasicFilterSelector
{
    Q_OBJECT

public:
    static constexpr int DeviceClassRole = 66;
    static constexpr int TypeBitRole = 67;
    static constexpr int NoDirection = 17;
    static constexpr int NoTypeBit = -1;

    TypeSelector(FilterModel *model, QButtonGroup *group, QObject *parent);

    QWidget *filterEditor() override;
    void setShowSounders(bool show);
    int selectedDirection() const;
    int selectedTypeBit() const;

signals:
    void itemSelected(int index);

public slots:
    void itemClicked(const QModelIndex &index) override;

private:
    void fillRows();

    QStandardItemModel m_items;
    bool m_showSounders = true;
};

// How multi-sensor devices are tested: part, full or automatic.
class MultiSensorSelector final : public BasicFilterSelector
{
    Q_OBJECT

public:
    static constexpr int ModeRole = 68;
    static constexpr int NoMode = 3;

    MultiSensorSelector(QButtonGroup *group, QObject *parent);

    QWidget *filterEditor() override;
    // The editor must exist: the screens build it before.
    void selectFirstItem();
    int selectedMode() const;

public slots:
    void reset(bool disableFilterButton) override;
    void itemClicked(const QModelIndex &index) override;

private:
    QStandardItemModel m_items;
};
