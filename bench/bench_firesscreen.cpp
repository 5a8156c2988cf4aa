// The fires screen on a full event log of a busy site with 2,000 fires in
// 100 zones: each view must be shown, and a switch between the views done,
// within 50 ms of the key that asked for it.
#include "EngineLinkUp.h"
#include "FullEventLog.h"
#include "GuiBenchmarkMain.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "screens/status/AUK_30085.h"
#include "widgets/AUK_90029.h"

#include <QCoreApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

constexpr int FireEvery = 5;
constexpr int FireZones = 100;

// 10,000 live events, every fifth a fire of panel 1, the fires spread over
// 100 zones.
void fullLogWithFires()
{
    static bool written = false;
    if (written)
        return;
    written = true;
    EL_EventLogDBbase *log = FullEventLog::empty();
    for (int i = 1; i <= FullEventLog::Size; ++i) {
        EventLog::EventData event = FullEventLog::siteEvent(i);
        if (i % FireEvery == 0) {
            event.eventCat = EventLog::CategoryFire;
            event.node = 1;
            event.zone = quint8(i / FireEvery % FireZones + 1);
        } else if (event.eventCat == EventLog::CategoryFire) {
            event.eventCat = EventLog::CategoryFault;
        }
        log->insertData(&event, true);
    }
}

// The cards the screen shows, so a run that reads no fire does not pass.
int cardsShown(const AUK_30085 &screen)
{
    const auto *cards = screen.findChild<AUK_90029 *>();
    return cards ? cards->itemCount() : 0;
}

// The zones view is offered under zone filtering; without it the list
// shows every fire.
void prepare(bool zoneFiltering)
{
    bringEngineLinkUp();
    fullLogWithFires();
    TeskGlobalConfig::instance()->setZoneFiltering(zoneFiltering);
}

// A fire button or the Scandinavian key opening the screen on a view: the
// screen built over the log, its fires read, shown and drawn.
void BM_FiresScreenShown(benchmark::State &state)
{
    const bool zonesView = state.range(0) != 0;
    prepare(zonesView);
    const quint8 zone = zonesView ? AUK_30085::AllZones : AUK_30085::AllFires;
    QImage canvas(640, 480, QImage::Format_ARGB32_Premultiplied);
    int cards = 0;
    for (auto _ : state) {
        AUK_30085 screen(1, 1, true, 1, zone, 1, nullptr);
        screen.show();
        screen.render(&canvas);
        cards = cardsShown(screen);
    }
    state.counters["cards"] = cards;
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_FiresScreenShown)->ArgName("zonesView")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The middle key switching between the list of every fire and the zones
// view, and the screen drawn again (2,000 cards one way, 100 the other).
void BM_FiresViewSwitch(benchmark::State &state)
{
    prepare(false);
    AUK_30085 screen(1, 1, true, 1, AUK_30085::AllFires, 1, nullptr);
    screen.show();
    QImage canvas(640, 480, QImage::Format_ARGB32_Premultiplied);
    int cards = 0;
    for (auto _ : state) {
        screen.switchViewMode();
        screen.render(&canvas);
        cards = cardsShown(screen);
    }
    state.counters["cards"] = cards;
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_FiresViewSwitch)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    const int result = runGuiBenchmarks(argc, argv);
    EL_EventLogDBbase::destroyInstance();
    return result;
}
