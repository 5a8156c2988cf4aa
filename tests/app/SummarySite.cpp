#include "SummarySite.h"

#include "../eventlog/EventFixtures.h"
#include "../listscreens/ListScreenSite.h"
#include "../pointmodels/ScriptedSite.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/TaskMapPages.h"

#include <QBitArray>
#include <QtTest>

namespace SummarySite {

namespace {

constexpr quint8 Configured = 0x01;
constexpr quint8 Input = 0x02;
constexpr quint8 Output = 0x04;

// The device types of the points, as the site configures them.
constexpr quint8 DetectorType = 5;
constexpr quint8 SounderType = 20;
constexpr quint8 SignallingType = 21;
constexpr quint8 ControlType = 22;

quint8 deviceTypeOf(quint8 point)
{
    switch (point) {
    case Detector:
        return DetectorType;
    case Sounder:
    case DisabledSounder:
        return SounderType;
    case Signalling:
        return SignallingType;
    default:
        return ControlType;
    }
}

QBitArray bits(std::initializer_list<int> points)
{
    QBitArray map(256);
    for (int point : points)
        map.setBit(point);
    return map;
}

} // namespace

void build()
{
    // Named panels, so that the walk-test summary lists them.
    ListScreenSite::build({1, 3});
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    for (int page : {TaskMapPages::DisabledInputs, TaskMapPages::DisabledOutputs, TaskMapPages::ActiveOutputs,
                     TaskMapPages::OutputsForcedOn, TaskMapPages::WalkTestPoints, TaskMapPages::WalkTestBeenActive,
                     TaskMapPages::WalkTestSuccessful})
        maps->addMapPage(page);
    const ChannelAddress loop = ScriptedSite::loop(1);
    for (quint8 panel : {quint8(1), quint8(3)}) {
        using ScriptedSite::record;
        ScriptedSite::addPoint(panel, loop, record(Detector, 1, DetectorType, Configured | Input, 0x01));
        ScriptedSite::addPoint(panel, loop, record(Sounder, 1, SounderType, Configured | Output, 0x08));
        ScriptedSite::addPoint(panel, loop, record(DisabledSounder, 2, SounderType, Configured | Output, 0x08));
        ScriptedSite::addPoint(panel, loop, record(Signalling, 2, SignallingType, Configured | Output, 0x80));
        ScriptedSite::addPoint(panel, loop, record(Control, 3, ControlType, Configured | Output, 0x200, 251));
        ScriptedSite::addPoint(panel, loop, record(ForcedControl, 3, ControlType, Configured | Output, 0x200, 251));
        maps->setChannelPoints(TaskMapPages::DisabledOutputs, panel, loop, bits({DisabledSounder}));
        maps->setChannelPoints(TaskMapPages::ActiveOutputs, panel, loop, bits({Control, ForcedControl}));
        maps->setChannelPoints(TaskMapPages::OutputsForcedOn, panel, loop, bits({ForcedControl}));
    }
}

void writeFaults(const QList<Fault> &faults)
{
    EL_EventLogDBbase::destroyInstance();
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    EventLog::SeqNum_t seqNo = 1;
    for (const Fault &fault : faults) {
        EventLog::EventData event =
            EventFixtures::makeEvent(seqNo++, EventLog::CategoryFault, fault.node, 1, fault.point);
        event.channel = 12;
        event.channelAddr = 1;
        event.deviceType = deviceTypeOf(fault.point);
        event.pointCat = 0;
        event.acceptStatus = fault.acceptStatus;
        QVERIFY(log->insertData(&event, true));
    }
}

QList<Fault> manyFaults(int count)
{
    QList<Fault> faults;
    for (int i = 0; i < count; ++i)
        faults.append({1, quint8(10 + i)});
    return faults;
}

} // namespace SummarySite
