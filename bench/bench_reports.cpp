// A list of 10,000 rows saved as a text, CSV and PDF report: the rows saved
// per second, and the longest single step of the save, which holds the
// event loop and must stay within 100 ms so the screen stays live.
#include "GuiBenchmarkMain.h"
#include "app/EngineReportEnvironment.h"
#include "app/PageStack.h"
#include "core/SC_Timer.h"
#include "paneldata/PanelConfiguration.h"
#include "reports/PrintableModel.h"
#include "reports/SaveReport.h"
#include "widgets/Page.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int Rows = 10000;

// The save's steps, each run on its own when the bench says, so each can be
// timed.
class StepTimer final : public SC_Timer
{
public:
    explicit StepTimer(QObject *parent)
        : SC_Timer(parent)
    {
    }
    void stop() override { m_pending = false; }
    bool isActive() const override { return m_pending; }
    void setSingleShot(bool) override { }
    void fire()
    {
        m_pending = false;
        emit timeout();
    }

protected:
    void arm(int) override { m_pending = true; }

private:
    bool m_pending = false;
};

QSharedPointer<PrintableModel> pointList()
{
    auto items = QSharedPointer<QStandardItemModel>::create();
    for (int row = 0; row < Rows; ++row) {
        auto *item = new QStandardItem;
        item->setData(QStringLiteral("1.%1.%2").arg(row / 250 + 1).arg(row % 250 + 1), 62);
        item->setData(QStringLiteral("Zone %1").arg(row % 400 + 1), 58);
        item->setData(QStringLiteral("Smoke detector, plant room %1").arg(row), 59);
        item->setData(QStringLiteral("Fault: device missing"), 63);
        items->appendRow(item);
    }
    auto model = QSharedPointer<PrintableModel>::create(items, true);
    model->title = QStringLiteral("Points");
    model->setRoles(QList<int>{62, 58, 59, 63});
    // Titles as short as the translated ones, so the page is upright as on
    // a panel.
    const QStringList titles{QStringLiteral("Address"), QStringLiteral("Zone"), QStringLiteral("Location"),
                             QStringLiteral("State")};
    for (int column = 0; column < titles.size(); ++column)
        model->setRoleTitle(model->roles().at(column), titles.at(column));
    return model;
}

// The folder the engine runs in, with its USB folder beside it.
class ReportFolder final
{
public:
    ReportFolder()
        : m_previous(QDir::currentPath())
    {
        QDir(m_root.path()).mkpath(QStringLiteral("data"));
        QDir(m_root.path()).mkpath(QStringLiteral("USB"));
        QDir::setCurrent(QDir(m_root.path()).filePath(QStringLiteral("data")));
    }
    ~ReportFolder() { QDir::setCurrent(m_previous); }
    void empty() const
    {
        QDir usb(QDir(m_root.path()).filePath(QStringLiteral("USB")));
        for (const QString &name : usb.entryList(QDir::Files | QDir::Hidden))
            usb.remove(name);
    }

private:
    QTemporaryDir m_root;
    QString m_previous;
};

void BM_SaveReport(benchmark::State &state)
{
    const int format = int(state.range(0));
    PanelConfiguration::instance()->setReportFormat(format);
    ReportFolder folder;
    EngineReportEnvironment environment;
    ReportEnvironment::install(&environment);
    PageStack::instance()->push(new Page);
    std::vector<QPointer<StepTimer>> timers;
    SC_Timer::setFactory([&timers](QObject *parent) {
        auto *timer = new StepTimer(parent);
        timers.emplace_back(timer);
        return timer;
    });
    const QSharedPointer<PrintableModel> model = pointList();
    double longestStepMs = 0;
    int steps = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        auto *save =
            new SaveReport(QStringLiteral("SS"), QStringLiteral("Points\r\nPanel 1"), model, {}, nullptr, false);
        clock.start();
        save->start();
        longestStepMs = qMax(longestStepMs, clock.nsecsElapsed() / 1e6);
        for (bool ran = true; ran;) {
            ran = false;
            for (const QPointer<StepTimer> &timer : timers) {
                if (timer && timer->isActive()) {
                    clock.start();
                    timer->fire();
                    longestStepMs = qMax(longestStepMs, clock.nsecsElapsed() / 1e6);
                    ++steps;
                    ran = true;
                    break;
                }
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        timers.clear();
        state.PauseTiming();
        folder.empty();
        state.ResumeTiming();
    }
    SC_Timer::setFactory({});
    ReportEnvironment::install(nullptr);
    PageStack::destroyInstance();
    state.SetItemsProcessed(state.iterations() * Rows);
    state.counters["longest_step_ms"] = longestStepMs;
    state.counters["steps_per_save"] = double(steps) / double(state.iterations());
}

} // namespace

BENCHMARK(BM_SaveReport)
    ->Arg(PanelConfiguration::Text)
    ->Arg(PanelConfiguration::Csv)
    ->Arg(PanelConfiguration::Pdf)
    ->ArgNames({"format"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
