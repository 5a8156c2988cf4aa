#include "ListScreenSite.h"

#include "ScriptedSite.h"
#include "core/ChannelAddress.h"
#include "core/SC_SyncPageIDS.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PanelRecord.h"
#include "paneldata/PanelsFromLkNetConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"

#include <QBitArray>
#include <QVector>

namespace ListScreenSite {

namespace {

constexpr int NotRespondingPage = 134;
constexpr int ZoneNamesBucket = 6;
const ChannelAddress NetworkChannel(15, 0, 1);

} // namespace

void build(const QList<quint8> &panels)
{
    ScriptedSite::reset();
    PointDataMapsConfiguration::instance()->addMapPage(NotRespondingPage);
    PointDataMapsConfiguration::instance()->clearPanel(NotRespondingPage, 255);
    const char *places[] = {"Reception", "Plant room", "East wing", "Car park", "Kitchen", "Library"};
    int place = 0;
    for (const quint8 panel : panels) {
        PanelRecord record;
        record.zoneLimit = 241;
        record.panelName1 = QStringLiteral("Panel %1 %2").arg(panel).arg(QString::fromLatin1(places[place++ % 6]));
        PanelConfiguration::instance()->setPanelRecord(panel, record);
    }
}

void addZonePoints(quint8 panel, const QList<quint8> &zones)
{
    quint8 point = 1;
    for (const quint8 zone : zones)
        ScriptedSite::addPoint(panel, ScriptedSite::loop(1), ScriptedSite::record(point++, zone));
}

void nameZone(quint8 panel, quint8 zone, const QString &name)
{
    ScriptedSite::setValue(
        ZoneNamesBucket,
        QStringLiteral("%1|%2|%3").arg(panel).arg(zone).arg(TeskGlobalConfig::instance()->getCurrentLang()), name);
}

void addLogicalZone(quint8 panel, quint8 zone, quint16 logicalZone)
{
    ScriptedSite::setValue(SC_SyncPageIDS::eLogicalZoneConfiguration,
                           QStringLiteral("%1|%2|%3").arg(panel).arg(zone).arg(logicalZone), QStringLiteral("x"));
}

void setSilent(const QList<quint8> &panels)
{
    QBitArray bits(256);
    for (const quint8 panel : panels)
        bits.setBit(panel);
    PointDataMapsConfiguration::instance()->setChannelPoints(NotRespondingPage, 0, NetworkChannel, bits);
}

void tellSilentChanged()
{
    PointDataMapsConfiguration::instance()->notifyMapUpdated(NotRespondingPage);
}

void setNetworkPanels(const QList<quint8> &panels)
{
    QVector<quint8> states(panels.isEmpty() ? 0 : *std::max_element(panels.cbegin(), panels.cend()) + 1, 0);
    for (const quint8 panel : panels)
        states[panel] = 1;
    PanelsFromLkNetConfiguration::instance()->setNodeStates(states);
}

} // namespace ListScreenSite
