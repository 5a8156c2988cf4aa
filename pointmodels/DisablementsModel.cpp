#include "pointmodels/DisablementsModel.h"

#include "pointmodels/DisablePointFilter.h"
#include "pointmodels/DisablementsModelItem.h"
#include "pointmodels/ModelFacade.h"
#include "pointmodels/PointFunctionCfgFilter.h"
#include "pointmodels/ZoneCfgFilter.h"
#include "pointmodels/model.h"

namespace {

// The sync page that holds each panel's disabled-zone string.
constexpr int DisabledZonesBucket = 20;
constexpr int MaximumZones = 255;
constexpr quint8 LastZone = 240;

} // namespace

DisablementsModel::DisablementsModel(QObject *parent)
    : CountModel(parent)
{
    setFunctionFilterOn(true);
    setItemRoleNames({{DisablementsModelItem::ZoneTextRole, QByteArray()},
                      {DisablementsModelItem::NameRole, QByteArray()},
                      {DisablementsModelItem::DeviceRole, QByteArray()},
                      {DisablementsModelItem::AddressRole, QByteArray()}});
}

PointValueFetcher *DisablementsModel::rowFetcher()
{
    return nullptr;
}

void DisablementsModel::appendDisabledZones(TC::panel_t panel)
{
    const QString zones = model::instance()->bucketValueForPanel(DisabledZonesBucket, panel);
    const int length = qMin(zones.size(), MaximumZones);
    for (int zone = 0; zone < length; ++zone) {
        if (zones.at(zone) != QLatin1Char('0'))
            appendRow(new DisablementsModelItem(panel, quint8(zone)));
    }
    emitCount(rowCount());
}

void DisablementsModel::fillDisabledZones(TC::panel_t panel)
{
    clearModel();
    if (panel != AllPanels) {
        appendDisabledZones(panel);
        return;
    }
    for (TC::panel_t each = 0; each < TC::cPanelCount; ++each)
        appendDisabledZones(each);
}

void DisablementsModel::addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    const SimplePointInfo point{panel, channel->kind(), channel->number(), channel->address(), record->pointNumber};
    auto *row = new DisablementsModelItem(rowFetcher(), point, record->zone);
    if (m_walkRows)
        m_walkRows->append(row);
    else
        appendRow(row);
}

void DisablementsModel::fillDisabledPoints(TC::panel_t panel, quint8 zone)
{
    using Filter = QSharedPointer<SimplePointFilter>;
    // Disabled is what an enable task may act on.
    QVector<Filter> chain{
        Filter(new ZoneCfgFilter(zone > LastZone ? QList<quint8>() : QList<quint8>{zone})),
        Filter(new DisablePointFilter(TaskPointFilter::InputsAndOutputs, DisablePointFilter::Enable))};
    if (isFunctionFilterOn())
        chain << Filter(new PointFunctionCfgFilter(functionMask(), false, 0, false));
    // The facade empties the list before it walks.
    ModelFacade facade(this, SimplePointFilter::chainOf(chain), panel);
    // A network's points go in as one insertion: views, and the status
    // list's point index, follow one change instead of one per point.
    QList<QStandardItem *> rows;
    m_walkRows = &rows;
    facade.run();
    m_walkRows = nullptr;
    if (!rows.isEmpty()) {
        // The column first, so the insertion is the only change views see.
        if (columnCount() == 0)
            setColumnCount(1);
        invisibleRootItem()->appendRows(rows);
    }
    emitCount(rowCount());
}
