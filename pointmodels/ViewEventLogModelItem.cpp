#include "pointmodels/ViewEventLogModelItem.h"

#include "core/TeskGlobalConfig.h"
#include "paneldata/PointIndividualAddress.h"
#include "paneldata/PrintableAddress.h"
#include "pointmodels/EventLogQueryModel.h"
#include "pointmodels/model.h"

namespace {

constexpr quint8 NoDevice = 128;
constexpr quint8 NoLogicalPoint = 251;

} // namespace

ViewEventLogModelItem::ViewEventLogModelItem(const Fields &fields)
    : m_fields(fields)
{
}

QVariant ViewEventLogModelItem::data(int role) const
{
    using R = EventLogQueryModel;
    const Fields &f = m_fields;
    const int language = TeskGlobalConfig::instance()->getCurrentLang();
    switch (role) {
    case R::PanelNumberRole:
        return int(f.node);
    case R::ChannelAddrRole:
        return int(f.channelAddr);
    case R::ChannelRole:
        return int(f.channel);
    case R::SeqNoRole:
        return int(f.seqNo);
    case R::EventCodeRole:
        return int(f.eventCode);
    case R::ClientIdRole:
        return int(f.clientID);
    case R::DateTimeRole:
        return R::dateTimeText(f.timeAndDate);
    case R::ZoneTextRole:
        return R::zoneText(f.node, f.zone);
    case R::LocationRole:
        return model::instance()->pointName(f.node, f.channel, f.pointCat, f.channelAddr, f.pointNum, language);
    case R::DeviceRole:
        return f.deviceType == NoDevice ? QStringLiteral("-")
                                        : model::instance()->deviceDescription(f.deviceType, language);
    case R::AddressRole: {
        quint8 node = f.node;
        quint8 channel = f.channel;
        quint8 pointCat = f.pointCat;
        quint8 channelAddr = f.channelAddr;
        quint8 pointNum = f.pointNum;
        return PrintableAddress::instance()->addressText(
            node, channel, pointCat, channelAddr, pointNum, f.zone, false, PrintableAddress::FollowSetting,
            PrintableAddress::FollowSetting, false, NoLogicalPoint, false, false, -1, false);
    }
    case R::EventTextRole:
        return model::instance()->eventName(f.eventCode, language);
    case R::InformationRole:
        return R::informationText(f.informationProvided, f.node, f.infoTextID);
    case R::IndividualAddressRole:
        return QVariant::fromValue(PointIndividualAddress(f.channel, f.channelAddr, f.pointCat, f.pointNum));
    case R::AcceptStatusRole:
        return R::acceptStatusText(f.acceptStatus);
    case R::PanelTextRole:
        return PrintableAddress::instance()->panelNumberAndName(f.node);
    default:
        return QStandardItem::data(role);
    }
}
