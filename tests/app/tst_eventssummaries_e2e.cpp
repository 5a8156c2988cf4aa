#include "ArtworkDir.h"
#include "FakeClock.h"
#include "SameThreadLink.h"
#include "TopPopup.h"
#include "WaitUntil.h"
#include "app/EngineLinkEffects.h"
#include "app/EnginePanelEnvironment.h"
#include "app/FrontPanelKeys.h"
#include "app/ListScreenPagesWiring.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/InputSignaller.h"
#include "link/SyncClient.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/DisablementsAndStatusModel.h"
#include "pointmodels/DisablementsModelItem.h"
#include "pointmodels/WalkTestSummaryModel.h"
#include "screens/status/AUK_30002.h"
#include "screens/status/AUK_30074.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90022.h"
#include "widgets/AUK_90033.h"
#include "widgets/BasePopup.h"

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

// The events summaries as a user meets them, with the controller emulator
// at the other end of a real link: its faults, disablements and walk tests
// reach the general summary's counters and lists, a fault disabled from the
// faults list and enabled again from the disablements list reaches the
// controller, a card the user settles on asks the controller for the
// point's values, and the summary keys replace one summary by another. The link runs in this process on real
// time; the screens' timers made once the site is in run on the fake clock.

namespace {

constexpr int Timeout = 30000;

QString topPage()
{
    const QStringList names = PageStack::instance()->pageNames();
    return names.isEmpty() ? QString() : names.last();
}

AUK_30074 *general()
{
    return PageStack::instance()->findChild<AUK_30074 *>(QStringLiteral("AUK_30074"));
}

AUK_90006 *keys(const QWidget *screen)
{
    return screen->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"));
}

QString labelText(const QWidget *popup, const char *name)
{
    const auto *label = popup->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QString();
}

} // namespace

class tst_EventsSummariesEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void generalSummaryShowsTheSite();
    void settledCardAsksForThePointValues();
    void enableFromTheDisablementsList();
    void walkTestFillsTheTestsList();
    void soundersReplacesTheSummary();

private:
    // The controller's total of a count, from its status line.
    int controllerTotal(const QString &count);

    ArtworkDir m_directory;
    EngineLinkEffects m_effects;
    EnginePanelEnvironment m_keys;
    std::unique_ptr<SameThreadLink> m_link;
    std::unique_ptr<FakeClock> m_clock;
    int m_beforeDisablementsShown = 0;
};

void tst_EventsSummariesEndToEnd::initTestCase()
{
    QVERIFY(m_directory.isValid());
    SC_LinkEffects::install(&m_effects);
    m_link = std::make_unique<SameThreadLink>();
    SystemState::instance()->watchEthernetLink(SyncClient::instance());
    PageHeaderSource::install(nullptr);
    EL_EventLogDBbase::instance();
    PageStack *stack = PageStack::instance();
    stack->setHomeScreenFactory(
        [](int accessLevel, int userLevel) -> Page * { return new AUK_30002(accessLevel, userLevel); });
    stack->push(new AUK_90001A);
    stack->show();

    QVERIFY(m_link->connect({QStringLiteral("--heartbeat=1000")}));
    QVERIFY(m_link->heartbeatAnswered());
    QVERIFY(waitUntil([] { return SystemState::instance()->isEthernetConnected(); }, Timeout));
    const int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("sync"));
    const int done = m_link->waitForLine(QStringLiteral("sync done"), from);
    QVERIFY(done >= 0);
    QCOMPARE(m_link->controller().lines().at(done), QStringLiteral("sync done status=0"));
    stack->showMainScreen(false);
    QCOMPARE(topPage(), QStringLiteral("AUK_30002"));
    // The front panel's keys reach the key dispatch as the start-up wires them.
    // Who may disable, as the engine's start-up wires it; a user of level 11
    // from the controller's log-on table logged on; the progress popups
    // count the controller's replies.
    installListScreenPages();
    connect(SyncClient::instance(), &SyncClient::permissionsUpdate, Security::instance(), &Security::permissionsUpdate);
    int line = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("user 7 7777 11"));
    QVERIFY(m_link->waitForLine(QStringLiteral("user 7 added"), line) >= 0);
    line = m_link->controller().lineCount();
    SyncClient::instance()->login(QStringLiteral("07"), QStringLiteral("7777"));
    QVERIFY(m_link->waitForLine(QStringLiteral("operator logon user=7 accepted"), line) >= 0);
    QVERIFY(waitUntil([] { return Security::instance()->hasPermission(11); }, Timeout));
    TeskGlobalConfig::instance()->setConnectionNodeNumber(5);
    FrontPanelKeys::connectFrontPanelKeys(DB_TESK_FP_Interface::instance(), InputSignaller::instance());
    InputSignaller::setEnvironment(&m_keys);
    InputSignaller::setKeysEnabled(true);
    m_clock = std::make_unique<FakeClock>();
}

void tst_EventsSummariesEndToEnd::cleanupTestCase()
{
    InputSignaller::setEnvironment(nullptr);
    PageStack::destroyInstance();
    m_clock.reset();
    m_link.reset();
    SC_LinkEffects::install(nullptr);
    EL_EventLogDBbase::destroyInstance();
}

int tst_EventsSummariesEndToEnd::controllerTotal(const QString &count)
{
    const int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("status"));
    const int line = m_link->waitForLine(QStringLiteral("status totals"), from);
    if (line < 0)
        return -1;
    const QRegularExpression value(QStringLiteral("\\b%1=(\\d+)").arg(count));
    const QRegularExpressionMatch match = value.match(m_link->controller().lines().at(line));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void tst_EventsSummariesEndToEnd::generalSummaryShowsTheSite()
{
    int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("pointevent fault 1 1 5"));
    QVERIFY(m_link->waitForLine(QStringLiteral("eventlog raised"), from) >= 0);
    const int faults = controllerTotal(QStringLiteral("faults"));
    const int disablements = controllerTotal(QStringLiteral("disablements"));
    QVERIFY(disablements > 0);
    QVERIFY(waitUntil([faults] { return PanelCounters::instance()->faults(254) == faults; }, Timeout));

    emit DB_TESK_FP_Interface::instance()->generalPressed();
    QCOMPARE(topPage(), QStringLiteral("AUK_30074"));
    AUK_30074 *screen = general();
    QCOMPARE(screen->title(), QStringLiteral("_EVENTS_SUMMARY_GENERAL_HDR"));
    QCOMPARE(screen->counterTitleBox()->text(), QStringLiteral("_GENERAL_INFO"));
    QCOMPARE(screen->disablementsViewer().button()->buttonValue(), QString::number(disablements));
    QCOMPARE(screen->faultsViewer().button()->buttonValue(), QString::number(faults));

    // The fault disabled from the faults list: the controller marks the
    // point, and its counts and maps come back.
    screen->faultsViewer().button()->click();
    QVERIFY(waitUntil([screen] { return screen->faultsModel().rowCount() > 0; }, Timeout));
    const QModelIndex fault = EventsSummaryCommon::centreCard(&screen->faultsViewer());
    QVERIFY(fault.isValid());
    QVERIFY(keys(screen)->leftButtonVisible());
    QCOMPARE(keys(screen)->leftButtonText(), QStringLiteral("_DISABLE_SK"));
    QCOMPARE(m_link->disabledPoints(1), QStringLiteral("disabled panel=1 points=0"));
    emit keys(screen)->leftButtonClicked();
    QCOMPARE(topPage(), QStringLiteral("AUK_40009"));
    QCOMPARE(topPopup()->title(), QStringLiteral("_GENERAL_FAULTS_POPUPTITLE"));
    from = m_link->controller().lineCount();
    emit topPopup()->leftButtonClicked();
    QCOMPARE(topPage(), QStringLiteral("AUK_40062"));
    QPointer<BasePopup> progress = topPopup();
    QVERIFY(m_link->waitForLine(QStringLiteral("site-disable panel=1 function=1"), from) >= 0);
    // The controller's reply is counted: nothing pending, one done.
    QVERIFY(waitUntil([&progress] { return labelText(progress, "completeCount") == QLatin1String("0001"); }, Timeout));
    QCOMPARE(labelText(progress, "pendingCount"), QStringLiteral("0000"));
    const QString disabledPoints = m_link->disabledPoints(1);
    QVERIFY2(disabledPoints.startsWith(QLatin1String("disabled panel=1 points=1 "))
                 && disabledPoints.endsWith(QLatin1String("/5")),
             qPrintable(disabledPoints));
    const int disabledNow = controllerTotal(QStringLiteral("disablements"));
    QCOMPARE(disabledNow, disablements + 1);
    QVERIFY(waitUntil([disabledNow] { return PanelCounters::instance()->disablements(254) == disabledNow; }, Timeout));
    emit progress->rightButtonClicked();
    QCOMPARE(topPage(), QStringLiteral("AUK_30074"));
    QCOMPARE(screen->disablementsViewer().button()->buttonValue(), QString::number(disabledNow));
    m_beforeDisablementsShown = m_link->controller().lineCount();
    screen->disablementsViewer().button()->click();
    QVERIFY(waitUntil(
        [screen] {
            screen->updateDisablementsPoints();
            return screen->disablementsModel()->rowCount() == 1;
        },
        Timeout));
    const QModelIndex disabled = screen->disablementsModel()->index(0, 0);
    QCOMPARE(disabled.data(DisablementsModelItem::PanelRole).toInt(), 1);
    QCOMPARE(disabled.data(DisablementsModelItem::PointRole).toInt(), 5);
}

void tst_EventsSummariesEndToEnd::settledCardAsksForThePointValues()
{
    AUK_30074 *screen = general();
    QVERIFY(screen);
    QCOMPARE(screen->currentViewer(), &screen->disablementsViewer());
    m_clock->advance(3000);
    QVERIFY(m_link->waitForLine(QStringLiteral("point-information panel=1"), m_beforeDisablementsShown) >= 0);
    const QModelIndex card = EventsSummaryCommon::centreCard(&screen->disablementsViewer());
    QVERIFY(card.isValid());
    QVERIFY(waitUntil(
        [&card] {
            return !card.data(DisablementsModelItem::InputStateRole).toString().isEmpty()
                   || !card.data(DisablementsModelItem::OutputStateRole).toString().isEmpty();
        },
        Timeout));
    QCOMPARE(m_link->controller().count(QStringLiteral("point-information panel=")), 1);
    QCOMPARE(card.data(DisablementsModelItem::PointRole).toInt(), 5);
}

// The point disabled before, enabled again from the disablements list: the
// general disables popup sends the request, the progress popup counts the
// controller's reply and, after Close, waits for the list to be reloaded.
void tst_EventsSummariesEndToEnd::enableFromTheDisablementsList()
{
    AUK_30074 *screen = general();
    QVERIFY(screen);
    QCOMPARE(screen->currentViewer(), &screen->disablementsViewer());
    QVERIFY(EventsSummaryCommon::centreCard(&screen->disablementsViewer()).isValid());
    QVERIFY(keys(screen)->leftButtonVisible());
    QCOMPARE(keys(screen)->leftButtonText(), QStringLiteral("_ENABLE_SK"));
    const int disablements = controllerTotal(QStringLiteral("disablements"));
    int mapsUpdated = 0;
    QObject counter;
    PointDataMapsConfiguration::instance()->connectMapUpdated(15, &counter, [&mapsUpdated] { ++mapsUpdated; });
    QSignalSpy refreshed(screen, &EventsSummaryGeneralPanel::disablementsRefreshed);

    emit keys(screen)->leftButtonClicked();
    QCOMPARE(topPage(), QStringLiteral("AUK_40049"));
    const int from = m_link->controller().lineCount();
    emit topPopup()->leftButtonClicked();
    QCOMPARE(topPage(), QStringLiteral("AUK_40062"));
    QPointer<BasePopup> progress = topPopup();
    QVERIFY(m_link->waitForLine(QStringLiteral("site-disable panel=1 function=0"), from) >= 0);
    QVERIFY(waitUntil([&progress] { return labelText(progress, "completeCount") == QLatin1String("0001"); }, Timeout));
    QCOMPARE(m_link->disabledPoints(1), QStringLiteral("disabled panel=1 points=0"));
    // The controller's new map of disabled outputs has reached the engine.
    QVERIFY(waitUntil([&mapsUpdated] { return mapsUpdated > 0; }, Timeout));

    // Close: only the waiting text stays until the list has been reloaded,
    // which the map update asks for once its burst has settled, well before
    // the popup would give up waiting. A reload since the request counts.
    emit progress->rightButtonClicked();
    if (progress && PageStack::instance()->isTop(progress)) {
        QCOMPARE(labelText(progress, "waitingLabel"), QStringLiteral("_WAIT_FOR_ENABLING_POPUPTEXT2INFO"));
        const int before = refreshed.count();
        m_clock->advance(3000);
        QVERIFY(refreshed.count() > before);
    } else {
        QVERIFY(!refreshed.isEmpty());
    }
    QCOMPARE(topPage(), QStringLiteral("AUK_30074"));
    QVERIFY(waitUntil([screen] { return screen->disablementsModel()->rowCount() == 0; }, Timeout));
    QCOMPARE(controllerTotal(QStringLiteral("disablements")), disablements - 1);
    QVERIFY(waitUntil([disablements] { return PanelCounters::instance()->disablements(254) == disablements - 1; },
                      Timeout));
}

void tst_EventsSummariesEndToEnd::walkTestFillsTheTestsList()
{
    AUK_30074 *screen = general();
    QVERIFY(screen);
    screen->testsViewer().button()->click();
    const int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("walktest 1 2 255"));
    Q_UNUSED(from)
    QVERIFY(waitUntil([screen] { return screen->testSummaryModel()->rowCount() == 1; }, Timeout));
    QCOMPARE(screen->testSummaryModel()->index(0, 0).data(WalkTestSummaryModel::NodeRole).toInt(), 1);
    QCOMPARE(screen->testsViewer().button()->buttonValue(), QStringLiteral("1"));
}

void tst_EventsSummariesEndToEnd::soundersReplacesTheSummary()
{
    const int pages = PageStack::instance()->count();
    emit DB_TESK_FP_Interface::instance()->soundersPressed();
    QCOMPARE(topPage(), QStringLiteral("AUK_30076"));
    QCOMPARE(PageStack::instance()->count(), pages);
}

QTEST_MAIN(tst_EventsSummariesEndToEnd)
#include "tst_eventssummaries_e2e.moc"
