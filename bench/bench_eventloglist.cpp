// The event-log list by status on a full log of 10,000 events: opening the
// list, and each card move (the count and the window of three cards read
// again), must be done within 50 ms of the key that asked for it.
#include "EngineLinkUp.h"
#include "FullEventLog.h"
#include "GuiBenchmarkMain.h"
#include "app/SystemState.h"
#include "link/SyncClient.h"
#include "screens/status/AUK_30073.h"
#include "widgets/AUK_90011.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>

#include <benchmark/benchmark.h>

namespace {

// Every category the status screen offers.
constexpr quint16 EveryStatus = 0x01FF;

void prepare()
{
    static bool written = false;
    bringEngineLinkUp();
    if (written)
        return;
    written = true;
    FullEventLog::full();
}

// The total the counter shows, so a run that reads nothing does not pass.
int totalShown(const AUK_30073 &screen)
{
    const auto *label = screen.findChild<QLabel *>(QStringLiteral("counter"));
    return label ? label->text().section(QLatin1Char('/'), 1).toInt() : 0;
}

// The view key of the status screen: the list built, counted, its first
// window read, shown and drawn.
void BM_EventLogListShown(benchmark::State &state)
{
    prepare();
    QImage canvas(640, 480, QImage::Format_ARGB32_Premultiplied);
    int total = 0;
    for (auto _ : state) {
        AUK_30073 screen(QStringLiteral("By status"), EveryStatus, false, AUK_30073::AllPanels, nullptr);
        screen.show();
        screen.render(&canvas);
        total = totalShown(screen);
    }
    state.counters["events"] = total;
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_EventLogListShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// A card move: one card on (or a typed card number) deep in the log, the
// count and the window read again and the screen drawn.
void BM_EventLogCardMove(benchmark::State &state)
{
    prepare();
    AUK_30073 screen(QStringLiteral("By status"), EveryStatus, false, AUK_30073::AllPanels, nullptr);
    screen.show();
    auto *cards = screen.findChild<AUK_90011 *>();
    QImage canvas(640, 480, QImage::Format_ARGB32_Premultiplied);
    const bool typed = state.range(0) != 0;
    int card = 5000;
    for (auto _ : state) {
        if (typed)
            emit cards->refreshModel(card);
        else
            emit cards->listScrolled(1, 2);
        screen.render(&canvas);
        card = card % 9000 + 7;
    }
    state.counters["events"] = totalShown(screen);
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_EventLogCardMove)->ArgName("typed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    const int result = runGuiBenchmarks(argc, argv);
    EL_EventLogDBbase::destroyInstance();
    return result;
}
