#include "ConfigurationPages.h"

#include "PageWriter.h"
#include "PointStatePages.h"
#include "SyncPage.h"

#include <QBitArray>

// Header layout 0 carries a channel as a kind nibble and a numerical
// channel. The site uses loops 1 to 10, channel 0/0 and the bus channels,
// whose numbers stand as they are.
QPair<quint8, quint8> ConfigurationPages::channelBytes(quint8 kind, quint8 address, int layout)
{
    if (layout == 1)
        return {kind, address};
    if (kind == 12 && address >= 1 && address <= 10)
        return {0, address};
    if (kind == 0 && address == 0)
        return {0, 0};
    if (kind >= 1 && kind <= 7 && kind != 6)
        return {kind, address == 255 ? quint8(31) : address};
    qWarning("panelsim: channel %d/%d has no numerical form; sent as 0/0", kind, address);
    return {0, 0};
}

namespace {

using ConfigurationPages::channelBytes;
using PageWriter::write;

using Values = QVariantMap;

// The fixed-shape pieces of the pages, written by the codec's table writer.
const PacketKind PanelHead{"panel configuration",
                           0,
                           0,
                           {{"tool1", FieldType::U8},
                            {"tool2", FieldType::U8},
                            {"tool3", FieldType::U8},
                            {"second1", FieldType::U8},
                            {"second2", FieldType::U8},
                            {"second3", FieldType::U8},
                            {"issue", FieldType::U16},
                            {"created", FieldType::U32},
                            {"downloaded", FieldType::U32},
                            {"unused1", FieldType::U32},
                            {"unused2", FieldType::U8},
                            {"unused3", FieldType::U16},
                            {"localCore", FieldType::U16},
                            {"zoneLimit", FieldType::U8},
                            {"loopWord", FieldType::U16}}};
const PacketKind PanelMiddle{"panel configuration, delay",
                             0,
                             0,
                             {{"delay", FieldType::U16},
                              {"unused1", FieldType::U8},
                              {"unused2", FieldType::U8},
                              {"unused3", FieldType::U16},
                              {"languages", FieldType::U8}}};
const PacketKind LoopBits{"loop bits and printers",
                          0,
                          0,
                          {{"first", FieldType::U8},
                           {"count", FieldType::U8},
                           {"bits", FieldType::Bytes},
                           {"printerLanguages", FieldType::U8},
                           {"printers", FieldType::U8}}};
const PacketKind Printer{
    "printer",
    0,
    0,
    {{"number", FieldType::U8}, {"first", FieldType::U8}, {"listed", FieldType::U8}, {"third", FieldType::U8}}};
const PacketKind PanelType{"panel type", 0, 0, {{"unused", FieldType::U8}, {"languages", FieldType::U8}}};
const PacketKind Byte{"byte", 0, 0, {{"value", FieldType::U8}}};
const PacketKind PointCoreHead{"point core", 0, 0, {{"format", FieldType::U8}, {"entries", FieldType::U16}}};
const PacketKind ChannelEntry{
    "channel entry",
    0,
    0,
    {{"kindNumber", FieldType::U8}, {"address", FieldType::U8}, {"first", FieldType::U8}, {"count", FieldType::U8}}};
const PacketKind PointRecord{"point record",
                             0,
                             0,
                             {{"device", FieldType::U8},
                              {"unused", FieldType::U8},
                              {"flagsHigh", FieldType::U8},
                              {"attributes", FieldType::U8},
                              {"flagsLow", FieldType::U8},
                              {"zone", FieldType::U8},
                              {"logical", FieldType::U8}}};
const PacketKind LoopDriver{"loop driver",
                            0,
                            0,
                            {{"unused1", FieldType::U8},
                             {"card", FieldType::U8},
                             {"unused2", FieldType::U8},
                             {"pairing", FieldType::U8},
                             {"driverType", FieldType::U8},
                             {"loop", FieldType::U8}}};
const PacketKind Equipment{"equipment",
                           0,
                           0,
                           {{"a", FieldType::U8},
                            {"b", FieldType::U8},
                            {"kind", FieldType::U8},
                            {"subKind", FieldType::U8},
                            {"versions", FieldType::U8}}};
const PacketKind Version{"version",
                         0,
                         0,
                         {{"versionKind", FieldType::U8},
                          {"major", FieldType::U8},
                          {"minor", FieldType::U8},
                          {"build", FieldType::U8},
                          {"time", FieldType::U32}}};
const PacketKind Clock{"date and time", 147, 0, {{"unused", FieldType::U8}, {"time", FieldType::U32}}};

enum Page { PanelConfigurationPage = 3, VersionsPage = 4, PointCorePage = 8, LoopDriversPage = 40 };
constexpr int LogicalNumbersFormat = 1;

QByteArray text(const QString &value)
{
    return PageWriter::text(value.toLatin1());
}

QByteArray page(int id, quint8 panel, const QByteArray &body)
{
    return SyncPage::payload(id, panel, body);
}

QByteArray panelConfiguration(const SitePanel &panel)
{
    QBitArray loops(256);
    for (quint8 loop : panel.loops())
        loops.setBit(loop);
    const QByteArray bits = PageWriter::bitField(loops);
    quint16 loopWord = 0;
    for (int j = 1; j <= 16; ++j)
        loopWord |= loops.testBit(j) ? quint16(1u << (j - 1)) : 0;

    QByteArray body = write(PanelHead, {{"tool1", 3},
                                        {"tool2", 6},
                                        {"tool3", 0},
                                        {"second1", 1},
                                        {"second2", 0},
                                        {"second3", 0},
                                        {"issue", panel.projectIssue + 1},
                                        {"created", panel.projectCreated},
                                        {"downloaded", panel.projectDownloaded},
                                        {"zoneLimit", panel.zoneLimit},
                                        {"loopWord", loopWord}});
    body += text(panel.projectName) + text(QString()) + text(QStringLiteral("Standard"));
    body += text(panel.name1) + text(panel.name2);
    body += write(PanelMiddle, {{"delay", panel.investigateDelay}, {"languages", 1}}) + text(QString());
    // The loop bits go as the bit field of bits 0 to 254; the printers
    // follow, named in one language.
    body += write(
        LoopBits,
        {{"first", 0}, {"count", 255}, {"bits", bits}, {"printerLanguages", 1}, {"printers", panel.printers.size()}});
    for (const SitePrinter &printer : panel.printers)
        body += write(Printer, {{"number", printer.number}}) + text(printer.name);
    body += write(PanelType, {{"languages", 1}}) + text(QStringLiteral("Emulated panel"));
    body += write(Byte, {{"value", panel.number}});
    body += text(QStringLiteral("SIM-%1").arg(panel.number, 2, 10, QLatin1Char('0')));
    body += write(Byte, {{"value", 0}});
    return page(PanelConfigurationPage, panel.number, body);
}

QByteArray versions(const SitePanel &panel, int layout)
{
    QByteArray body = write(Byte, {{"value", panel.equipment.size()}});
    for (const SiteEquipment &equipment : panel.equipment) {
        const auto address = channelBytes(equipment.firstAddressByte, equipment.secondAddressByte, layout);
        body += write(Equipment, {{"a", address.first},
                                  {"b", address.second},
                                  {"kind", equipment.kind},
                                  {"subKind", equipment.subKind},
                                  {"versions", equipment.versions.size()}});
        for (const SiteVersion &version : equipment.versions)
            body += write(Version, {{"versionKind", version.versionKind},
                                    {"major", version.major},
                                    {"minor", version.minor},
                                    {"build", version.build},
                                    {"time", version.buildTime}});
    }
    return page(VersionsPage, panel.number, body);
}

QByteArray loopDrivers(const SitePanel &panel)
{
    QByteArray body = write(Byte, {{"value", panel.loopDrivers.size()}});
    for (const SiteLoopDriver &driver : panel.loopDrivers)
        body += write(LoopDriver, {{"card", driver.cardAddress},
                                   {"pairing", driver.pairing},
                                   {"driverType", driver.driverType},
                                   {"loop", driver.loop}});
    // No option cards.
    body += write(Byte, {{"value", 0}});
    return page(LoopDriversPage, panel.number, body);
}

QByteArray pointCore(const SitePanel &panel, int layout)
{
    QByteArray body = write(PointCoreHead, {{"format", LogicalNumbersFormat}, {"entries", panel.channels.size()}});
    for (const SiteChannel &channel : panel.channels) {
        const auto bytes = channelBytes(channel.kind, channel.address, layout);
        const quint8 first = channel.points.isEmpty() ? 1 : channel.points.first().point;
        body += write(ChannelEntry, {{"kindNumber", (channel.number << 4) | (bytes.first & 0x0F)},
                                     {"address", bytes.second},
                                     {"first", first},
                                     {"count", channel.points.size()}});
        for (const SitePoint &point : channel.points)
            body += write(PointRecord, {{"device", point.deviceType},
                                        {"flagsHigh", point.functionFlags >> 8},
                                        {"attributes", point.attributes},
                                        {"flagsLow", point.functionFlags & 0xFF},
                                        {"zone", point.zone},
                                        {"logical", point.logicalNumber}});
    }
    return page(PointCorePage, panel.number, body);
}

} // namespace

namespace ConfigurationPages {

QVector<QByteArray> payloads(const SiteConfiguration &site, int layout)
{
    QVector<QByteArray> all;
    for (const SitePanel &panel : site.panels) {
        all.append(panelConfiguration(panel));
        all.append(versions(panel, layout));
        all.append(loopDrivers(panel));
        all.append(pointCore(panel, layout));
        const QByteArray tasks = PointStatePages::tasksMap(panel, layout);
        if (!tasks.isEmpty())
            all.append(tasks);
    }
    return all;
}

QByteArray clockPayload(quint32 panelSeconds)
{
    return write(Clock, {{"time", panelSeconds}});
}

} // namespace ConfigurationPages
