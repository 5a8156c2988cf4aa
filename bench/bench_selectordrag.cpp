// A finger dragging the largest selector list: each move event at 60 a
// second must be handled and the list repainted within one 16 ms frame.
#include "GuiBenchmarkMain.h"
#include "widgets/AUK_90048.h"
#include "widgets/SelectorItemDelegate.h"

#include <QApplication>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 10000;
constexpr int RowHeight = 50;
constexpr int ZoneRole = 34;
// A brisk swipe at 60 moves a second: 12 pixels a frame.
constexpr int StepPixels = 12;

void fill(QStandardItemModel &model)
{
    for (int row = 0; row < Rows; ++row) {
        auto *item = new QStandardItem(QStringLiteral("Zone %1 on the second floor").arg(row + 1));
        item->setData(row % 254 + 1, ZoneRole);
        item->setData(row % 3 == 0 ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        model.appendRow(item);
    }
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &at)
{
    QMouseEvent event(type, at, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void BM_DragSelectorList(benchmark::State &state)
{
    QStandardItemModel model;
    fill(model);
    AUK_90048 list;
    list.setShortListview(false);
    list.setDelegateHeight(RowHeight);
    list.setDelegateCheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80131_Check_on.png")));
    list.setDelegateUncheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80130_Check_off.png")));
    list.installSelectorDelegate(&model);
    static_cast<SelectorItemDelegate *>(list.listView()->itemDelegate())->setCounterDataRole(ZoneRole);
    list.show();
    // Painting is measured only once the window is on screen.
    for (int tries = 0; tries < 1000 && !(list.windowHandle() && list.windowHandle()->isExposed()); ++tries)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!list.windowHandle() || !list.windowHandle()->isExposed()) {
        state.SkipWithError("the list's window was never exposed");
        return;
    }
    list.listView()->doItemsLayout();
    QWidget *viewport = list.listView()->viewport();
    const QScrollBar *bar = list.listView()->verticalScrollBar();

    // The finger sweeps up the list, and back down when it reaches an end.
    int travelled = 0;
    int y = 300;
    int step = -StepPixels;
    sendMouse(viewport, QEvent::MouseButtonPress, QPoint(40, y));
    for (auto _ : state) {
        if ((step < 0 && bar->value() >= bar->maximum() - RowHeight) || (step > 0 && bar->value() <= RowHeight))
            step = -step;
        y += step;
        const int before = bar->value();
        sendMouse(viewport, QEvent::MouseMove, QPoint(40, y));
        travelled += qAbs(bar->value() - before);
        viewport->repaint();
    }
    sendMouse(viewport, QEvent::MouseButtonRelease, QPoint(40, y));
    state.counters["rows"] = Rows;
    state.counters["px_per_move"] = benchmark::Counter(travelled, benchmark::Counter::kAvgIterations);
    state.counters["budget_ms"] = 16;
}
BENCHMARK(BM_DragSelectorList)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
