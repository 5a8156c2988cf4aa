#include "ScriptedSite.h"

#include "core/BucketCmd.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PanelsFromLkNetConfiguration.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/SWVersions.h"

namespace ScriptedSite {

void reset()
{
    BucketMaster::instance()->clearAll();
    PointCoreConfiguration::instance()->clearPanel(255);
    PanelConfiguration *panels = PanelConfiguration::instance();
    panels->clearAll();
    panels->setPanelOptions({});
    panels->setReportFormat(PanelConfiguration::Pdf);
    LoopDriverConfiguration::instance()->clearAll();
    LoopDriverConfiguration::instance()->clearAllLoopBits();
    PointDataMapsConfiguration::instance()->clearPanel(0, 255);
    PanelsFromLkNetConfiguration::instance()->setNodeStates({});
    SWVersions::instance()->clearAll();
    TeskGlobalConfig::instance()->setPanelNumber(0);
}

void setValue(int bucketId, const QString &key, const QString &value)
{
    BucketMaster::instance()->setValue(bucketId, key, value);
}

void notifyBucket(int bucketId)
{
    BucketMaster::instance()->receiveSyncCommand({BucketCmd::PageUpdated, bucketId, {}, {}});
}

void setValueAndNotify(int bucketId, const QString &key, const QString &value)
{
    setValue(bucketId, key, value);
    notifyBucket(bucketId);
}

PointAddressKey record(quint8 point, quint8 zone, quint8 deviceType, quint8 attributes, quint32 functions,
                       quint8 logical)
{
    return PointAddressKey(point, zone, deviceType, attributes, functions, logical);
}

void addPoint(quint8 panel, const ChannelAddress &channel, const PointAddressKey &record)
{
    PointCoreConfiguration *configuration = PointCoreConfiguration::instance();
    configuration->addChannel(panel, channel, 1);
    configuration->addPoint(panel, channel, record);
}

ChannelAddress loop(quint8 loop)
{
    return ChannelAddress(12, loop, 0);
}

} // namespace ScriptedSite
