// Cards are painted on every repaint of the screen: one fault card with its
// QR code must paint well inside 2 ms, and a card view full of them must
// repaint within one 16 ms frame.
#include "GuiBenchmarkMain.h"
#include "widgets/AUK_90011.h"
#include "widgets/FaultsListDelegate.h"

#include <QApplication>
#include <QListView>
#include <QPainter>
#include <QStandardItemModel>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

constexpr int Cards = 200;

QStandardItem *fault(int number)
{
    auto *item = new QStandardItem;
    item->setData(QStringLiteral("11/12/2026 07:%1").arg(number % 60, 2, 10, QLatin1Char('0')), 56);
    item->setData(QStringLiteral("Zone %1").arg(number % 250 + 1), 58);
    item->setData(QStringLiteral("L1 A%1").arg(number % 200, 3, 10, QLatin1Char('0')), 62);
    item->setData(QStringLiteral("Boiler room %1").arg(number), 59);
    item->setData(QStringLiteral("Smoke detector"), 60);
    item->setData(QStringLiteral("Device missing"), 63);
    item->setData(QStringLiteral("Not accepted"), 73);
    item->setData(QStringLiteral("Detector head dirty: replace within 7 days"), 64);
    item->setData(QStringLiteral("https://manuals.example.com/faults/%1").arg(number % 8), 185);
    return item;
}

void fill(QStandardItemModel &model, int cards)
{
    for (int card = 0; card < cards; ++card)
        model.appendRow(fault(card));
}

// One card painted again and again, as a repaint does; with a link seen
// before (cached) or a new link each time (encoded each time).
void BM_PaintFaultCard(benchmark::State &state)
{
    const bool newLinkEachTime = state.range(0) != 0;
    QStandardItemModel model;
    fill(model, 2);
    const FaultsListDelegate delegate(false, false);
    QImage image(440, 280, QImage::Format_ARGB32_Premultiplied);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    int link = 0;
    for (auto _ : state) {
        if (newLinkEachTime)
            model.item(0)->setData(QStringLiteral("https://manuals.example.com/faults/%1").arg(++link), 185);
        QPainter painter(&image);
        delegate.paint(&painter, option, model.index(0, 0));
    }
    state.counters["budget_ms"] = 2;
}
BENCHMARK(BM_PaintFaultCard)->Arg(0)->Arg(1)->ArgNames({"new_link"})->Unit(benchmark::kMillisecond);

void BM_RepaintCardView(benchmark::State &state)
{
    QStandardItemModel model;
    fill(model, Cards);
    FaultsListDelegate delegate(false, false);
    AUK_90011 view;
    view.setModel(&model, &delegate);
    view.show();
    // Painting is measured only once the window is on screen.
    for (int tries = 0; tries < 1000 && !(view.windowHandle() && view.windowHandle()->isExposed()); ++tries)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!view.windowHandle() || !view.windowHandle()->isExposed()) {
        state.SkipWithError("the card view's window was never exposed");
        return;
    }
    QWidget *viewport = view.findChild<QListView *>()->viewport();
    for (auto _ : state)
        viewport->repaint();
    state.counters["cards"] = Cards;
    state.counters["budget_ms"] = 16;
}
BENCHMARK(BM_RepaintCardView)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
