#pragma once

#include "listscreens/FilterSelector.h"

#include <QList>
#include <QMap>
#include <QModelIndexList>
#include <QPointer>

class FilterModel;
class SC_Timer;

// The choice of logical zones across the panels. In multiple choice the
// first chosen logical zone narrows the list to its panel (headed by an all
// row when asked for) and releasing the last widens it again; the list then
// scrolls back to the row clicked. A keypad brings a typed logical zone
// into view.
class LogicalZoneSelector final : public FilterSelector
{
    Q_OBJECT

public:
    LogicalZoneSelector(FilterModel *model, QButtonGroup *group, QObject *parent, bool multiSelection,
                        bool showAllItem);
    ~LogicalZoneSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    // The zones of the chosen logical zones, in logical-zone order.
    QList<quint8> selectedZones() const { return m_chosen.values(); }
    // Zone 255: the panel's first row.
    void selectLogicalZone(quint8 panel, quint8 zone);

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void showMoveToCardPopup();
    void updateModel();
    void itemClicked(const QModelIndex &index);
    void editorSelectionChanged(const QModelIndexList &selected);
    void moveToZone(quint32 logicalZone);
    void timer_timeout();

private:
    void showList();
    void sortList();
    void takeChosenFromSelection();

    QPointer<FilterModel> m_model;
    QPointer<AUK_90008> m_button;
    QMap<quint16, quint8> m_chosen;
    bool m_showAll;
    quint16 m_lastClicked = 0;
    SC_Timer *m_scrollBackTimer;
};
