#pragma once

#include "listscreens/FilterSelector.h"

#include <QPointer>

class FilterModel;

// The single-choice base of the point-settings selectors: a filter button
// and the screen's filter model; the subclass builds the list and reads the
// choice in itemClicked().
class BasicFilterSelector : public FilterSelector
{
    Q_OBJECT

public:
    BasicFilterSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ~BasicFilterSelector() override;

    QWidget *button() override;
    // A list of exactly one row is chosen for the user; the subclass reads
    // the choice from the selection (the index handed over is invalid).
    void autoSelectSingleItem();

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    virtual void itemClicked(const QModelIndex &index) = 0;

protected:
    QPointer<AUK_90008> m_button;
    FilterModel *m_filterModel;
};
