// The status screens on a full event log of a busy site: the home screen's
// refresh must stay within 50 ms, and the fire-alarm screen, built when a
// fire arrives, must be drawn well within the 50 ms a fire may take from the
// controller to the screen.
#include "EngineLinkUp.h"
#include "FullEventLog.h"
#include "GuiBenchmarkMain.h"
#include "app/SystemState.h"
#include "link/SyncClient.h"
#include "pointmodels/OutstandingEventsModel.h"
#include "screens/status/AUK_30002.h"
#include "screens/status/AUK_30086.h"

#include <QCoreApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// A full log, then a fire as the controller reports it live.
void fullLogWithLiveFire()
{
    EL_EventLogDBbase *log = FullEventLog::full();
    EventLog::EventData fire = FullEventLog::siteEvent(FullEventLog::Size + 1);
    fire.eventCat = EventLog::CategoryFire;
    fire.node = 1;
    fire.zone = 7;
    log->insertData(&fire, true);
}

// What the home screen's settle timer does once the log's signals stop: the
// warnings count and the most important outstanding event, then the screen
// drawn again. With argument 0 the outstanding list is empty first, so it is
// read back from the whole log; with 1 it is already listed.
void BM_HomeScreenRefresh(benchmark::State &state)
{
    bringEngineLinkUp();
    fullLogWithLiveFire();
    const bool listed = state.range(0) != 0;
    AUK_30002 home(1, 1);
    home.show();
    QImage canvas(home.size(), QImage::Format_ARGB32_Premultiplied);
    int warnings = 0;
    for (auto _ : state) {
        if (!listed) {
            state.PauseTiming();
            home.findChild<OutstandingEventsModel *>()->clearOutstandingEvents();
            state.ResumeTiming();
        }
        warnings = home.updateWarningsCounter();
        home.setInformationText();
        home.render(&canvas);
    }
    state.counters["warnings"] = warnings;
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_HomeScreenRefresh)->ArgName("listed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The fire-alarm screen as a fire brings it: built over the full log, its
// fires read, shown and drawn.
void BM_FireScreenShown(benchmark::State &state)
{
    bringEngineLinkUp();
    fullLogWithLiveFire();
    QImage canvas(640, 480, QImage::Format_ARGB32_Premultiplied);
    int fires = 0;
    for (auto _ : state) {
        AUK_30086 screen(1, false);
        screen.show();
        screen.render(&canvas);
        fires = screen.fireCount();
    }
    state.counters["fires"] = fires;
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_FireScreenShown)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    const int result = runGuiBenchmarks(argc, argv);
    EL_EventLogDBbase::destroyInstance();
    return result;
}
