#pragma once

#include "listscreens/FilterSelector.h"

#include <QList>
#include <QModelIndexList>
#include <QPointer>

class FilterModel;

// The choice of one or several zones of the chosen panel, written to the
// filter model as its zone and zone list. A keypad brings a typed zone
// into view.
class ZoneSelector final : public FilterSelector
{
    Q_OBJECT

public:
    static constexpr quint8 AllZones = 255;

    ZoneSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ZoneSelector(FilterModel *model, QButtonGroup *group, bool multiSelection, bool showAllZonesItem, QObject *parent);
    ~ZoneSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    QList<quint8> selectedZones() const;
    void selectZone(quint8 zone);

    // Shared with the logical-zone selector: the zones of the rows, each
    // once, in the rows' order; the button text for several zones.
    static QList<quint8> zonesOf(const QModelIndexList &indexes);
    static QString severalZonesText(int count);

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void showMoveToCardPopup();
    void updateModel();
    void editorSelectionChanged(const QModelIndexList &selected);
    void moveToZone(quint32 zone);

private:
    void fillZoneList();
    void restoreChoice();

    bool m_showAllZones;
    QPointer<FilterModel> m_model;
    QPointer<AUK_90008> m_button;
};
