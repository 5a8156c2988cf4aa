#include "TextPages.h"

#include "ConfigurationPages.h"
#include "PageWriter.h"
#include "SyncPage.h"

namespace {

using PageWriter::write;

enum Page {
    ZoneNames = 6,
    PointNames = 7,
    DeviceTags = 11,
    Descriptions = 12,
    Information = 18,
    EventNames = 19,
    RegionNames = 28
};
constexpr int Languages = 2;

const PacketKind ZoneNamesHead{
    "zone names", 0, 0, {{"languages", FieldType::U8}, {"first", FieldType::U8}, {"count", FieldType::U8}}};
const PacketKind PointNamesHead{"point names", 0, 0, {{"languages", FieldType::U8}, {"records", FieldType::U16}}};
const PacketKind PointRun{
    "point run",
    0,
    0,
    {{"channel", FieldType::U8}, {"address", FieldType::U8}, {"first", FieldType::U8}, {"count", FieldType::U8}}};
const PacketKind TagsHead{"device tags", 0, 0, {{"first", FieldType::U8}, {"count", FieldType::U16}}};
const PacketKind DescriptionsHead{
    "device descriptions", 0, 0, {{"languages", FieldType::U8}, {"first", FieldType::U8}, {"count", FieldType::U16}}};
const PacketKind InformationHead{
    "information texts", 0, 0, {{"languages", FieldType::U8}, {"first", FieldType::U8}, {"count", FieldType::U8}}};
const PacketKind EventNamesHead{
    "event names", 0, 0, {{"languages", FieldType::U8}, {"first", FieldType::U16}, {"count", FieldType::U16}}};
const PacketKind RegionNamesHead{"region names", 0, 0, {{"languages", FieldType::U8}, {"count", FieldType::U16}}};
const PacketKind ChannelPair{"channel", 0, 0, {{"byte0", FieldType::U8}, {"byte1", FieldType::U8}}};

QByteArray bothTexts(const SiteTexts &texts, const SiteTexts::Texts &pair)
{
    return PageWriter::text(texts.encode(pair.first, 1)) + PageWriter::text(texts.encode(pair.second, 2));
}

QByteArray zoneNames(const SiteTexts &texts, quint8 panel)
{
    const quint8 first = texts.zoneNames.firstKey();
    QByteArray body = write(
        ZoneNamesHead, {{"languages", Languages}, {"first", first}, {"count", texts.zoneNames.lastKey() - first + 1}});
    for (int zone = first; zone <= texts.zoneNames.lastKey(); ++zone)
        body += bothTexts(texts, texts.zoneNames.value(quint8(zone)));
    return SyncPage::payload(ZoneNames, panel, body);
}

// One part per channel, so a panel's names arrive in several parts.
QVector<QByteArray> pointNames(const SitePanel &panel, const SiteTexts &texts, int layout)
{
    QVector<QByteArray> parts;
    for (const SiteChannel &channel : panel.channels) {
        if (channel.points.isEmpty())
            continue;
        const auto bytes = ConfigurationPages::channelBytes(channel.kind, channel.address, layout);
        QByteArray body = write(PointNamesHead, {{"languages", Languages}, {"records", 1}});
        body += write(PointRun, {{"channel", (channel.number << 4) | (bytes.first & 0x0F)},
                                 {"address", bytes.second},
                                 {"first", channel.points.first().point},
                                 {"count", channel.points.size()}});
        for (const SitePoint &point : channel.points)
            body += bothTexts(texts, texts.pointName(point));
        parts.append(SyncPage::payload(PointNames, panel.number, body, quint8(parts.size())));
    }
    return parts;
}

QByteArray loopNames(const SitePanel &panel, const SiteTexts &texts, int layout)
{
    const QVector<quint8> loops = panel.loops();
    QByteArray body = write(RegionNamesHead, {{"languages", Languages}, {"count", loops.size()}});
    for (quint8 loop : loops) {
        const auto bytes = ConfigurationPages::channelBytes(12, loop, layout);
        body += write(ChannelPair, {{"byte0", bytes.first}, {"byte1", bytes.second}});
        body += bothTexts(texts, texts.loopName(loop));
    }
    return SyncPage::payload(RegionNames, panel.number, body);
}

QByteArray informationTexts(const SiteTexts &texts, quint8 panel)
{
    const quint8 first = texts.informationTexts.firstKey();
    QByteArray body =
        write(InformationHead, {{"languages", Languages}, {"first", first}, {"count", texts.informationTexts.size()}});
    for (const SiteTexts::Texts &message : texts.informationTexts)
        body += bothTexts(texts, message);
    return SyncPage::payload(Information, panel, body);
}

// The device types come in runs of consecutive types, one part each.
QVector<QVector<SiteDeviceType>> deviceTypeRuns(const SiteTexts &texts)
{
    QVector<QVector<SiteDeviceType>> runs;
    for (const SiteDeviceType &device : texts.deviceTypes) {
        if (runs.isEmpty() || runs.last().last().type + 1 != device.type)
            runs.append(QVector<SiteDeviceType>());
        runs.last().append(device);
    }
    return runs;
}

QVector<QByteArray> deviceTypePages(const SiteTexts &texts)
{
    QVector<QByteArray> pages;
    const QVector<QVector<SiteDeviceType>> runs = deviceTypeRuns(texts);
    for (int part = 0; part < runs.size(); ++part) {
        const QVector<SiteDeviceType> &run = runs.at(part);
        QByteArray tags = write(TagsHead, {{"first", run.first().type}, {"count", run.size()}});
        QByteArray descriptions =
            write(DescriptionsHead, {{"languages", Languages}, {"first", run.first().type}, {"count", run.size()}});
        for (const SiteDeviceType &device : run) {
            tags += PageWriter::text(texts.encode(device.tag, 1));
            descriptions += bothTexts(texts, device.description);
        }
        pages.append(SyncPage::payload(DeviceTags, PageWriter::SystemPanel, tags, quint8(part)));
        pages.append(SyncPage::payload(Descriptions, PageWriter::SystemPanel, descriptions, quint8(part)));
    }
    return pages;
}

QByteArray eventNames(const SiteTexts &texts)
{
    const quint16 first = texts.eventNames.firstKey();
    QByteArray body =
        write(EventNamesHead, {{"languages", Languages}, {"first", first}, {"count", texts.eventNames.size()}});
    for (const SiteTexts::Texts &name : texts.eventNames)
        body += bothTexts(texts, name);
    return SyncPage::payload(EventNames, PageWriter::SystemPanel, body);
}

} // namespace

namespace TextPages {

QVector<QByteArray> payloads(const SiteConfiguration &site, const SiteTexts &texts, int layout)
{
    QVector<QByteArray> all = deviceTypePages(texts);
    all.append(eventNames(texts));
    for (const SitePanel &panel : site.panels) {
        all.append(zoneNames(texts, panel.number));
        all += pointNames(panel, texts, layout);
        all.append(loopNames(panel, texts, layout));
        all.append(informationTexts(texts, panel.number));
    }
    return all;
}

} // namespace TextPages
