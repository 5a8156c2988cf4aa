// The events summaries on a generated 200,000-point site with a full event
// log: a summary by function rebuilds its three point lists within 50 ms, a
// move of the faults window reads the next window within 50 ms, and a point
// value's reply redraws the card in the middle within 5 ms.
#include "EngineLinkUp.h"
#include "FullEventLog.h"
#include "GeneratedSite.h"
#include "GuiBenchmarkMain.h"
#include "app/SystemState.h"
#include "link/SyncClient.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/DisablementsAndStatusModel.h"
#include "pointmodels/DisablementsModel.h"
#include "pointmodels/TaskMapPages.h"
#include "screens/status/AUK_30074.h"
#include "screens/status/AUK_30076.h"
#include "widgets/AUK_90022.h"
#include "widgets/AUK_90033.h"

#include <QBitArray>
#include <QCoreApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

constexpr GeneratedSite::Shape Site{100, 8, 250};
constexpr quint8 Configured = 0x01;
constexpr quint8 Input = 0x02;
constexpr quint8 Output = 0x04;
constexpr quint32 SounderFunction = 0x08;

// Every fourth point a sounder on the loop; of those every tenth active and
// every twentieth disabled. The rest detectors.
void prepareSite()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    GeneratedSite::build(Site, [](int, int, int point) {
        const bool sounder = point % 4 == 0;
        return PointAddressKey(quint8(point), quint8(point % 200 + 1), sounder ? 20 : 5,
                               Configured | (sounder ? Output : Input), sounder ? SounderFunction : 0x01, 251);
    });
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    QBitArray active(256);
    QBitArray disabled(256);
    for (int point = 4; point <= Site.pointsPerLoop; point += 4) {
        active.setBit(point, point % 40 == 0);
        disabled.setBit(point, point % 80 == 0);
    }
    for (int page : {TaskMapPages::DisabledInputs, TaskMapPages::DisabledOutputs, TaskMapPages::ActiveOutputs})
        maps->addMapPage(page);
    for (int panel = 0; panel < Site.panels; ++panel) {
        for (int loop = 1; loop <= Site.loops; ++loop) {
            const ChannelAddress channel(12, quint8(loop), 0);
            maps->setChannelPoints(TaskMapPages::ActiveOutputs, quint8(panel), channel, active);
            maps->setChannelPoints(TaskMapPages::DisabledOutputs, quint8(panel), channel, disabled);
        }
    }
}

void prepareLog()
{
    static bool written = false;
    if (written)
        return;
    written = true;
    EL_EventLogDBbase *log = FullEventLog::empty();
    for (int i = 1; i <= FullEventLog::Size; ++i) {
        const EventLog::EventData event = FullEventLog::siteEvent(i);
        log->insertData(&event, true);
    }
}

void prepare()
{
    bringEngineLinkUp();
    prepareSite();
    prepareLog();
}

// The sounders summary's three point lists rebuilt in one walk of the site,
// as a point-data map update asks.
void BM_SummaryBuildModels(benchmark::State &state)
{
    prepare();
    AUK_30076 screen(3, 11, nullptr);
    for (auto _ : state)
        screen.buildModels();
    state.counters["all"] = screen.allModel()->rowCount();
    state.counters["active"] = screen.activeModel()->rowCount();
    state.counters["isolated"] = screen.isolatesModel()->rowCount();
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_SummaryBuildModels)->Unit(benchmark::kMillisecond)->UseRealTime();

// The faults list moved one card on: the total counted and the next window
// read from the log, the view placed on it and drawn.
void BM_FaultsWindowMove(benchmark::State &state)
{
    prepare();
    AUK_30074 screen(3, 11, nullptr);
    screen.show();
    screen.faultsViewer().button()->click();
    QImage canvas(640, 480, QImage::Format_ARGB32_Premultiplied);
    int offset = 1;
    for (auto _ : state) {
        const int next = offset < 500 ? offset + 1 : 1;
        screen.updateFaultPointCard(offset, next);
        offset = next;
        screen.render(&canvas);
    }
    state.counters["faults"] = EventsSummaryCommon::cardViewOf(&screen.faultsViewer())->totalCount();
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_FaultsWindowMove)->Unit(benchmark::kMillisecond)->UseRealTime();

// The controller's values for the point in the middle of the disablements
// list: its row redrawn in the card view.
void BM_PointValueRedraw(benchmark::State &state)
{
    prepare();
    AUK_30074 screen(3, 11, nullptr);
    screen.show();
    screen.disablementsViewer().button()->click();
    DisablementsAndStatusModel *model = screen.disablementsModel();
    AUK_90022 *view = EventsSummaryCommon::cardViewOf(&screen.disablementsViewer());
    const QModelIndex card = EventsSummaryCommon::centreCard(&screen.disablementsViewer());
    SimplePointInfo point;
    point.panel = quint8(card.data(33).toUInt());
    point.channelKind = quint8(card.data(70).toUInt());
    point.channelNumber = quint8(card.data(43).toUInt());
    point.channelAddress = quint8(card.data(38).toUInt());
    point.point = quint8(card.data(35).toUInt());
    PointValueDetails values{};
    QImage canvas(view->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        model->fetcher().PointInformationValuesSlot(point, values);
        view->render(&canvas);
    }
    state.counters["rows"] = model->rowCount();
    state.counters["budget_ms"] = 5;
}
BENCHMARK(BM_PointValueRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    const int result = runGuiBenchmarks(argc, argv);
    EL_EventLogDBbase::destroyInstance();
    return result;
}
