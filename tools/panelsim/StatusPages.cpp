#include "StatusPages.h"

#include "LkSpeakCodec.h"
#include "SyncPage.h"

namespace {

const PacketKind Count{"count", 0, 0, {{"value", FieldType::U16}}};
const PacketKind Tail{"status counts, tail",
                      0,
                      0,
                      {{"statusBits", FieldType::U8},
                       {"battery", FieldType::U8},
                       {"dayFlags", FieldType::U16},
                       {"walkTestNode", FieldType::U8}}};
const PacketKind Byte{"byte", 0, 0, {{"value", FieldType::U8}}};
const PacketKind TimerEntry{"timer entry", 0, 0, {{"index", FieldType::U8}, {"value", FieldType::U16}}};

QByteArray highPriorityHead(const SiteStatus &site, int entries)
{
    return LkSpeakCodec::writePayload(*LkSpeakCodec::kindNamed(QStringLiteral("high-priority")),
                                      {{"word", site.statusWord}, {"flags", site.statusFlags}, {"entries", entries}});
}

} // namespace

namespace StatusPages {

QByteArray statusCounts(const SitePanelStatus &status)
{
    QByteArray body = LkSpeakCodec::writePayload(Byte, {{"value", 0}});
    for (quint16 count : status.counts)
        body += LkSpeakCodec::writePayload(Count, {{"value", count}});
    body += LkSpeakCodec::writePayload(Tail, {{"statusBits", status.statusBits},
                                              {"battery", status.batteryStatus},
                                              {"dayFlags", status.dayFlags},
                                              {"walkTestNode", status.walkTestNode}});
    return SyncPage::payload(StatusCountsPage, status.panel, body);
}

QVector<QByteArray> payloads(const SiteStatus &site)
{
    QVector<QByteArray> all;
    for (const SitePanelStatus &status : site.panels)
        all.append(statusCounts(status));
    return all;
}

QByteArray highPriority(const SiteStatus &site)
{
    return highPriorityHead(site, 0);
}

QByteArray highPriority(const SiteStatus &site, StandbyTimer timer, quint16 seconds)
{
    return highPriorityHead(site, 1)
           + LkSpeakCodec::writePayload(TimerEntry, {{"index", int(timer)}, {"value", seconds}});
}

} // namespace StatusPages
