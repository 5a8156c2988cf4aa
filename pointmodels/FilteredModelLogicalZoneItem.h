#pragma once

#include <QStandardItem>

// A zone of a panel with its logical zone number, to choose by logical
// zone: the zone's name in the current language.
class FilteredModelLogicalZoneItem final : public QStandardItem
{
public:
    FilteredModelLogicalZoneItem(quint8 panel, quint8 zone, quint16 logicalZone)
        : m_panel(panel)
        , m_zone(zone)
        , m_logicalZone(logicalZone)
    {
    }

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    quint8 m_panel;
    quint8 m_zone;
    quint16 m_logicalZone;
};
