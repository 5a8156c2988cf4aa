#include "ServicePages.h"

#include "PageWriter.h"
#include "SyncPage.h"

#include <QBitArray>

namespace {

using PageWriter::bitField;
using PageWriter::SystemPanel;
using PageWriter::write;

enum Page {
    LogicalZones = 9,
    Network = 17,
    Commissioning = 27,
    LoopCounters = 29,
    IRMode = 30,
    CommsNodes = 31,
    DeviceTypeAttributes = 36,
    ServiceTool = 37,
    DeviceUses = 38,
    NetworkNodes = 39,
    PanelValues = 147,
    LoopStatus = 148
};

constexpr quint8 ConfiguredPanel = 1;
constexpr quint8 IRNotAvailable = 2;
constexpr quint8 CountersFollow = 3;
constexpr quint8 PortKind = 2;

const PacketKind Byte{"byte", 0, 0, {{"value", FieldType::U8}}};
const PacketKind Word{"word", 0, 0, {{"value", FieldType::U16}}};
const PacketKind Run{"run", 0, 0, {{"first", FieldType::U8}, {"count", FieldType::U8}}};
const PacketKind NetworkNodesHead{
    "network nodes", 0, 0, {{"unused", FieldType::U16}, {"first", FieldType::U8}, {"count", FieldType::U8}}};
const PacketKind CommissioningBody{
    "commissioning",
    0,
    0,
    {{"loops", FieldType::U16}, {"flags", FieldType::U16}, {"reEnableTime", FieldType::U16}, {"polls", FieldType::U8}}};
const PacketKind IRModeBody{
    "IR mode", 0, 0, {{"mode", FieldType::U8}, {"loops", FieldType::U16}, {"value", FieldType::U16}}};
const PacketKind CommsNodeEntry{
    "comms node entry", 0, 0, {{"kind", FieldType::U8}, {"first", FieldType::U8}, {"count", FieldType::U8}}};
const PacketKind AttributesHead{"device type attributes", 0, 0, {{"count", FieldType::U16}, {"first", FieldType::U8}}};
const PacketKind AttributesEntry{
    "device type", 0, 0, {{"first", FieldType::U8}, {"second", FieldType::U8}, {"values", FieldType::U8}}};
const PacketKind UsesHead{"device uses", 0, 0, {{"count", FieldType::U16}, {"first", FieldType::U16}}};
const PacketKind UseEntry{"device use", 0, 0, {{"kind", FieldType::U8}, {"deviceType", FieldType::U8}}};
const PacketKind ServiceToolBody{"service tool", 0, 0, {{"link", FieldType::U8}, {"tool", FieldType::U8}}};
const PacketKind LoopStatusHead{"loop status", 0, 0, {{"recordSize", FieldType::U8}, {"records", FieldType::U8}}};
const PacketKind LoopStatusRecord{
    "loop status record",
    0,
    0,
    {{"value1", FieldType::U8}, {"value2", FieldType::U8}, {"value3", FieldType::U8}, {"value4", FieldType::U32}}};
const PacketKind LoopCountersRecord{
    "loop counters",
    0,
    0,
    {{"loop", FieldType::U8}, {"state", FieldType::U8}, {"counter", FieldType::U32}, {"second", FieldType::U8}}};
const PacketKind PointSetHead{
    "point set", 0, 0, {{"present", FieldType::U8}, {"first", FieldType::U8}, {"count", FieldType::U8}}};

// Every panel's node is present.
QByteArray networkNodes(const SiteConfiguration &site)
{
    QBitArray present(site.panels.size());
    quint8 first = 255;
    for (const SitePanel &panel : site.panels)
        first = std::min(first, panel.number);
    for (const SitePanel &panel : site.panels)
        present.setBit(panel.number - first);
    return SyncPage::payload(NetworkNodes, SystemPanel,
                             write(NetworkNodesHead, {{"first", first}, {"count", present.size()}})
                                 + bitField(present));
}

QByteArray deviceTypeAttributes()
{
    // The detectors, call point and sounder, types 1 to 3.
    QByteArray body = write(AttributesHead, {{"count", 3}, {"first", 1}});
    for (int type = 1; type <= 3; ++type) {
        body += write(AttributesEntry, {{"first", type}, {"second", 0}, {"values", 2}});
        body += write(Word, {{"value", 100 * type}}) + write(Word, {{"value", type}});
    }
    return SyncPage::payload(DeviceTypeAttributes, SystemPanel, body);
}

QByteArray deviceUses(const SiteTexts &texts)
{
    QByteArray body = write(UsesHead, {{"count", texts.deviceUses.size()}, {"first", texts.deviceUses.first().id}});
    for (const SiteDeviceUse &use : texts.deviceUses) {
        body += write(UseEntry, {{"kind", use.kind}, {"deviceType", use.deviceType}});
        body += PageWriter::text(texts.encode(use.text, 1));
    }
    return SyncPage::payload(DeviceUses, SystemPanel, body);
}

QByteArray logicalZones(const SitePanel &panel, const SiteTexts &texts)
{
    const quint8 first = texts.zoneNames.firstKey();
    const int count = texts.zoneNames.lastKey() - first + 1;
    QByteArray body = write(Run, {{"first", first}, {"count", count}});
    for (int zone = first; zone < first + count; ++zone)
        body += write(Word, {{"value", panel.number * 100 + zone}});
    return SyncPage::payload(LogicalZones, panel.number, body);
}

QByteArray loopStatus(const SitePanel &panel)
{
    QByteArray body = write(LoopStatusHead, {{"recordSize", 7}, {"records", panel.loops().size()}});
    for (const SiteChannel &channel : panel.channels) {
        if (channel.kind == 12 && channel.number == 0)
            body += write(LoopStatusRecord,
                          {{"value1", 1}, {"value3", channel.address}, {"value4", channel.points.size()}});
    }
    return SyncPage::payload(LoopStatus, panel.number, body);
}

QVector<QByteArray> panelPages(const SitePanel &panel, const SiteTexts &texts, int panels)
{
    return {
        logicalZones(panel, texts),
        ServicePages::commissioning(panel),
        SyncPage::payload(IRMode, panel.number, write(IRModeBody, {{"mode", IRNotAvailable}})),
        SyncPage::payload(CommsNodes, panel.number,
                          write(Word, {{"value", 1}})
                              + write(CommsNodeEntry, {{"kind", PortKind}, {"first", 1}, {"count", panels}})
                              + bitField(QBitArray(panels, true))),
        SyncPage::payload(PanelValues, panel.number, QByteArray()),
        loopStatus(panel),
    };
}

} // namespace

namespace ServicePages {

QByteArray commissioning(const SitePanel &panel)
{
    return SyncPage::payload(Commissioning, panel.number,
                             write(CommissioningBody, {{"reEnableTime", int(panel.outputsReEnableTime)}}));
}

QByteArray networkConfiguration(const SiteConfiguration &site)
{
    int nodes = 0;
    for (const SitePanel &panel : site.panels)
        nodes = std::max(nodes, panel.number + 1);
    if (!site.networkStates.isEmpty())
        nodes = std::max(nodes, site.networkStates.lastKey() + 1);
    QByteArray states(nodes, '\0');
    for (const SitePanel &panel : site.panels)
        states[panel.number] = char(ConfiguredPanel);
    for (auto state = site.networkStates.cbegin(); state != site.networkStates.cend(); ++state)
        states[state.key()] = char(state.value());
    return SyncPage::payload(Network, SystemPanel, write(Byte, {{"value", nodes}}) + states);
}

QVector<QByteArray> payloads(const SiteConfiguration &site, const SiteTexts &texts)
{
    QVector<QByteArray> all{networkConfiguration(site), networkNodes(site), deviceTypeAttributes(), deviceUses(texts),
                            SyncPage::payload(ServiceTool, SystemPanel, write(ServiceToolBody, {}))};
    for (const SitePanel &panel : site.panels)
        all += panelPages(panel, texts, site.panels.size());
    return all;
}

QByteArray loopCounters(const SitePanel &panel, quint8 loop)
{
    QBitArray answered(256);
    for (const SiteChannel &channel : panel.channels) {
        if (channel.kind != 12 || channel.number != 0 || channel.address != loop)
            continue;
        for (const SitePoint &point : channel.points)
            answered.setBit(point.point);
    }
    const int count = answered.count(true);
    QBitArray points(254);
    for (int i = 0; i < points.size(); ++i)
        points.setBit(i, answered.testBit(i));
    QByteArray body = write(Byte, {{"value", 1}});
    body += write(LoopCountersRecord,
                  {{"loop", loop}, {"state", CountersFollow}, {"counter", count * 10}, {"second", count}});
    body += write(PointSetHead, {{"present", 1}, {"first", 0}, {"count", points.size()}}) + bitField(points);
    for (int set = 1; set < 4; ++set)
        body += write(Byte, {{"value", 0}});
    return SyncPage::payload(LoopCounters, panel.number, body);
}

} // namespace ServicePages
