#include "pointmodels/WalkTestPointsModel.h"

#include "paneldata/WalkTestHandler.h"
#include "pointmodels/DevAttrCfgFilter.h"
#include "pointmodels/ModelFacade.h"
#include "pointmodels/WalkTestPointModelItem.h"
#include "pointmodels/WalktestModelFilter.h"
#include "pointmodels/ZoneCfgFilter.h"

namespace {

constexpr quint8 LastZone = 240;

// The attribute bits of the points a walk test of the status covers: all
// outputs (1), inputs (2 and 4); a walk test of one device model (3) and
// status 5 list no points.
quint8 attributeMaskOf(int status)
{
    switch (status) {
    case 1:
        return SimplePointFilter::OutputPoint;
    case 2:
    case 4:
        return SimplePointFilter::InputPoint;
    default:
        return 0;
    }
}

// One zone, the zones of the summary's list, or none named (every zone).
QList<quint8> zonesOf(const WalkTestSummary &summary)
{
    const quint8 selector = summary.zoneSelector();
    if (selector <= LastZone)
        return {selector};
    QList<quint8> zones;
    if (selector != WalkTestSummary::ListedZones)
        return zones;
    const int last = qMin(int(LastZone), summary.zones().size() - 1);
    for (int zone = 0; zone <= last; ++zone) {
        if (summary.zones().testBit(zone))
            zones << quint8(zone);
    }
    return zones;
}

} // namespace

WalkTestPointsModel::WalkTestPointsModel(int resultKind, QObject *parent)
    : CountModel(parent)
    , m_resultKind(resultKind)
{
    setItemRoleNames({{58, QByteArray()}, {59, QByteArray()}, {60, QByteArray()}, {62, QByteArray()}});
}

QString WalkTestPointsModel::resultTitle() const
{
    switch (m_resultKind) {
    case SuccessfulPoints:
        return tr("_WALKTEST_SUCCESSFUL_POINTS_80_CHAR");
    case UnfinishedOrFailedPoints:
        return tr("_WALKTEST_UNFINISHED_FAILED_POINTS_80_CHAR");
    default:
        return QString();
    }
}

void WalkTestPointsModel::updateForWalkTest(quint8 node)
{
    clearModel();
    const WalkTestSummary &summary = WalkTestHandler::instance()->summary(node);
    if (!summary.isActive())
        return;
    using Filter = QSharedPointer<SimplePointFilter>;
    ModelFacade facade(this,
                       SimplePointFilter::chainOf({Filter(new ZoneCfgFilter(zonesOf(summary))),
                                                   Filter(new DevAttrCfgFilter(attributeMaskOf(summary.getStatus()))),
                                                   Filter(new WalktestModelFilter(m_resultKind))}),
                       node);
    facade.run();
}

void WalkTestPointsModel::addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    appendRow(new WalkTestPointModelItem(panel, record->zone, channel->address(), record->pointNumber,
                                         channel->number(), channel->kind()));
}
