#include "WalkTestPages.h"

#include "PageWriter.h"
#include "PointStatePages.h"
#include "SyncPage.h"

#include <QSet>

namespace {

const PacketKind SummaryBody{"walk-test summary",
                             0,
                             0,
                             {{"status", FieldType::U8},
                              {"groupMask", FieldType::U8},
                              {"inTest", FieldType::U16},
                              {"excluded", FieldType::U16},
                              {"beenActive", FieldType::U16},
                              {"beenClear", FieldType::U16},
                              {"successful", FieldType::U16},
                              {"currentlyActive", FieldType::U16},
                              {"zone", FieldType::U8},
                              {"extra", FieldType::U8}}};

constexpr int NoWalkTest = 6;
// A walk test of all outputs names its location from this value on.
constexpr quint8 LocationKnown = 2;

} // namespace

QVector<QByteArray> WalkTestPages::pages(const SitePanel &panel, int layout, quint8 status, quint8 zone)
{
    const bool running = status >= 1 && status < NoWalkTest;
    // The maps are written from the same points, so a point is known by
    // where it lies.
    QSet<const SitePoint *> inTest;
    QSet<const SitePoint *> tested;
    for (const SiteChannel &channel : panel.channels) {
        for (const SitePoint &point : channel.points) {
            if (!running || !(point.attributes & SitePoint::InputAttribute) || (zone != AllZones && point.zone != zone))
                continue;
            if (inTest.size() % 2 == 0)
                tested.insert(&point);
            inTest.insert(&point);
        }
    }
    const QByteArray summary = PageWriter::write(SummaryBody, {{"status", status},
                                                               {"groupMask", running ? AlarmInputs : 0},
                                                               {"inTest", inTest.size()},
                                                               {"excluded", 0},
                                                               {"beenActive", tested.size()},
                                                               {"beenClear", tested.size()},
                                                               {"successful", tested.size()},
                                                               {"currentlyActive", 0},
                                                               {"zone", running ? zone : quint8(254)},
                                                               {"extra", LocationKnown}});
    return {SyncPage::payload(Summary, panel.number, summary),
            PointStatePages::pointMap(InTestMap, panel, layout,
                                      [&](const SitePoint &point) { return inTest.contains(&point); }),
            PointStatePages::pointMap(ActiveMap, panel, layout,
                                      [&](const SitePoint &point) { return tested.contains(&point); }),
            PointStatePages::pointMap(TestedMap, panel, layout,
                                      [&](const SitePoint &point) { return tested.contains(&point); })};
}
