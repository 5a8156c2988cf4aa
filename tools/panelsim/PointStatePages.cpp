#include "PointStatePages.h"

#include "PageWriter.h"
#include "SyncPage.h"

#include <QBitArray>

namespace {

const PacketKind MapHead{"point map", 0, 0, {{"records", FieldType::U16}}};
const PacketKind MapRecord{"point map record",
                           0,
                           0,
                           {{"byte0", FieldType::U8},
                            {"byte1", FieldType::U8},
                            {"first", FieldType::U8},
                            {"count", FieldType::U8},
                            {"bits", FieldType::Bytes}}};
const PacketKind Counts{"forced counts", 0, 0, {{"inputs", FieldType::U16}, {"outputs", FieldType::U16}}};

// Bit i of the map stands for point first + i, least significant bit first.
QByteArray channelRecord(const SiteChannel &channel, int layout, const PointStatePages::PointTest &marked)
{
    quint8 first = 255;
    quint8 last = 0;
    for (const SitePoint &point : channel.points) {
        first = qMin(first, point.point);
        last = qMax(last, point.point);
    }
    const int count = last - first + 1;
    QBitArray bits(count);
    for (const SitePoint &point : channel.points)
        bits.setBit(point.point - first, marked(point));
    const auto bytes = channel.bytes(layout);
    return PageWriter::write(MapRecord, {{"byte0", bytes.first},
                                         {"byte1", bytes.second},
                                         {"first", first},
                                         {"count", count},
                                         {"bits", PageWriter::bitField(bits)}});
}

} // namespace

namespace PointStatePages {

QByteArray pointMap(int page, const SitePanel &panel, int layout, const PointTest &marked)
{
    QByteArray records;
    int count = 0;
    for (const SiteChannel &channel : panel.channels) {
        if (channel.points.isEmpty())
            continue;
        records += channelRecord(channel, layout, marked);
        ++count;
    }
    return SyncPage::payload(page, panel.number, PageWriter::write(MapHead, {{"records", count}}) + records);
}

QByteArray forcedCounts(const SitePanel &panel)
{
    int inputs = 0;
    int outputs = 0;
    for (const SiteChannel &channel : panel.channels) {
        for (const SitePoint &point : channel.points) {
            inputs += point.inputForce != 0;
            outputs += point.outputForce != 0;
        }
    }
    return SyncPage::payload(ForcedCounts, panel.number,
                             PageWriter::write(Counts, {{"inputs", inputs}, {"outputs", outputs}}));
}

QByteArray notRespondingMap(quint8 localPanel, const QSet<quint8> &silentPanels, int layout)
{
    SiteChannel network;
    network.kind = 15;
    network.number = 1;
    for (const quint8 panel : silentPanels) {
        SitePoint point;
        point.point = panel;
        network.points.append(point);
    }
    SitePanel local;
    local.number = localPanel;
    local.channels.append(network);
    return pointMap(NotRespondingMap, local, layout, [](const SitePoint &) { return true; });
}

QByteArray tasksMap(const SitePanel &panel, int layout)
{
    SitePanel tasks;
    tasks.number = panel.number;
    for (const SiteChannel &channel : panel.channels) {
        if (channel.isTaskChannel())
            tasks.channels.append(channel);
    }
    if (tasks.channels.isEmpty())
        return QByteArray();
    return pointMap(TasksMap, tasks, layout, [](const SitePoint &) { return true; });
}

} // namespace PointStatePages
