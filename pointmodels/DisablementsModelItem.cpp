#include "pointmodels/DisablementsModelItem.h"

#include "paneldata/PointIndividualAddress.h"
#include "pointmodels/PointRowTexts.h"
#include "pointmodels/PointValueFetcher.h"
#include "pointmodels/PointValueTexts.h"

namespace {

const QVariant Unknown = QStringLiteral("-");

using ValueText = QString (*)(const PointValueDetails &);

struct ValueColumn
{
    int role;
    ValueText text;
};

const ValueColumn ValueColumns[] = {
    {DisablementsModelItem::OutputStateRole, outputStateText},
    {DisablementsModelItem::OutputForcedRole, forcedOutputStateText},
    {DisablementsModelItem::OutputDisabledRole, outputDisabledText},
    {DisablementsModelItem::InputStateRole, inputStateText},
    {DisablementsModelItem::InputForcedRole, inputForcedText},
    {DisablementsModelItem::InputDisabledRole, inputDisabledText},
};

} // namespace

DisablementsModelItem::DisablementsModelItem(quint8 panel, quint8 zone)
    : ExtPointInfoModelItem(nullptr, panel, 0, 0, 0, 0)
    , m_isPoint(false)
    , m_zone(zone)
{
}

DisablementsModelItem::DisablementsModelItem(PointValueFetcher *fetcher, const SimplePointInfo &point, quint8 zone)
    : ExtPointInfoModelItem(fetcher, point.panel, point.channelAddress, point.point, point.channelNumber,
                            point.channelKind)
    , m_isPoint(true)
    , m_zone(zone)
{
}

QVariant DisablementsModelItem::valueText(int role) const
{
    PointValueDetails values;
    if (!fetcher() || !fetcher()->getPointValues(point(), values))
        return Unknown;
    for (const ValueColumn &column : ValueColumns) {
        if (column.role == role)
            return column.text(values);
    }
    return QVariant();
}

QVariant DisablementsModelItem::data(int role) const
{
    const SimplePointInfo &p = point();
    switch (role) {
    case PanelRole:
        return p.panel;
    case ZoneRole:
        return m_zone;
    case PointRole:
        return p.point;
    case ChannelAddressRole:
        return p.channelAddress;
    case ChannelNumberRole:
        return p.channelNumber;
    case ChannelKindRole:
        return p.channelKind;
    case ZoneTextRole:
        return PointRowTexts::zoneLabel(p.panel, m_zone);
    case NameRole:
        return m_isPoint ? PointRowTexts::pointName(p) : Unknown;
    case DeviceRole:
        return m_isPoint ? PointRowTexts::deviceText(p) : Unknown;
    case AddressRole:
        return m_isPoint ? PointRowTexts::addressText(p, m_zone) : Unknown;
    case IndividualAddressRole:
        return m_isPoint ? QVariant::fromValue(
                   PointIndividualAddress(p.channelKind, p.channelAddress, p.channelNumber, p.point))
                         : Unknown;
    case OutputStateRole:
    case OutputForcedRole:
    case OutputDisabledRole:
    case InputStateRole:
    case InputForcedRole:
    case InputDisabledRole:
        return valueText(role);
    case WaitForValuesRole:
        // The item may be gone once the wait ends.
        if (fetcher())
            waitForValues(ValueWaitMs);
        return QVariant();
    default:
        return QVariant();
    }
}
