#pragma once

#include "listscreens/EventsSummaryViewer.h"
#include "widgets/AUK_90003.h"
#include "widgets/DisablementsListDelegate.h"

// The disablements list, filtered to disabled points or disabled zones.
class DisablementsViewer final : public EventsSummaryViewer
{
    Q_OBJECT

public:
    enum Filter { Points = 1, Zones = 2 };

    DisablementsViewer(const QString &buttonText, QButtonGroup *group, QObject *parent);

    // 0 offers both filters, 1 only zones, 2 only points.
    void setFilterMode(int mode);
    QAbstractItemDelegate *pointsDelegate();
    // Neither is checked on the bus repeaters, which show no radios.
    bool pointsSelected() const { return m_pointsRadio.isChecked(); }
    bool zonesSelected() const { return m_zonesRadio.isChecked(); }

signals:
    void filterChanged();

public slots:
    void setPointsSelected(bool selected);
    void setZonesSelected(bool selected);

private:
    DisablementsListDelegate m_pointsDelegate;
    AUK_90003 m_pointsRadio;
    AUK_90003 m_zonesRadio;
};
