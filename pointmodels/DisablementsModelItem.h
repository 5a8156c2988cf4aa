#pragma once

#include "pointmodels/ExtPointInfoModelItem.h"

// A row of the disablement lists: a disabled zone, or a disabled point with
// its live input and output state when the list has a fetcher.
class DisablementsModelItem final : public ExtPointInfoModelItem
{
public:
    enum Roles {
        PanelRole = 33,
        ZoneRole = 34,
        PointRole = 35,
        ChannelAddressRole = 38,
        ChannelNumberRole = 43,
        ChannelKindRole = 70,
        ZoneTextRole = 58,
        NameRole = 59,
        DeviceRole = 60,
        AddressRole = 62,
        IndividualAddressRole = 65,
        OutputStateRole = 77,
        OutputForcedRole = 78,
        OutputDisabledRole = 79,
        InputStateRole = 81,
        InputForcedRole = 82,
        InputDisabledRole = 83,
        // Asking for it waits up to a second for the point's values.
        WaitForValuesRole = 136,
    };
    static constexpr int ValueWaitMs = 1000;
    // Told apart from other rows without a cast through the class tree.
    static constexpr int Type = QStandardItem::UserType + 1;

    // A zone row.
    DisablementsModelItem(quint8 panel, quint8 zone);
    // A point row; the fetcher may be null.
    DisablementsModelItem(PointValueFetcher *fetcher, const SimplePointInfo &point, quint8 zone);

    bool isPoint() const { return m_isPoint; }
    quint8 zone() const { return m_zone; }
    bool matchesPoint(const SimplePointInfo &point) const { return this->point() == point; }

    QVariant data(int role) const override;
    int type() const override { return Type; }

private:
    QVariant valueText(int role) const;

    bool m_isPoint;
    quint8 m_zone;
};
