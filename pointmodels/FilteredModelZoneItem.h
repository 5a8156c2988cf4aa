#pragma once

#include <QStandardItem>

// A zone of a panel to choose: its name in the current language.
class FilteredModelZoneItem final : public QStandardItem
{
public:
    FilteredModelZoneItem(quint8 panel, quint8 zone)
        : m_panel(panel)
        , m_zone(zone)
    {
    }

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    quint8 m_panel;
    quint8 m_zone;
};
