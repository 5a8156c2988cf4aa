#include "../widgets/KeypadPresses.h"
#include "InProcessEngine.h"
#include "PanelSimProcess.h"
#include "TopPopup.h"
#include "WaitUntil.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "frontpanel/InputSignaller.h"
#include "link/SyncClient.h"
#include "pointmodels/EventLogQueryModel.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/model.h"
#include "screens/commissioning/AUK_30008.h"
#include "screens/status/AUK_30085.h"
#include "screens/status/AUK_30086.h"
#include "screens/status/SystemStandbyTimer.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90029.h"
#include "widgets/AUK_90048.h"
#include "widgets/BasePopup.h"

#include <QLabel>
#include <QListView>
#include <QSqlQuery>
#include <QtTest>

namespace {

HostChild &s_host = InProcessEngine::host();

QString bottomText(const QWidget *popup)
{
    const auto *label = popup->findChild<QLabel *>(QStringLiteral("bottomLabel"));
    return label ? label->text() : QString();
}

bool topIs(const QString &page)
{
    return waitUntil([&page] { return PageStack::instance()->isTopPage(page); });
}

// The user text in the footer of the page on top.
QString footerUserText()
{
    QWidget *top = nullptr;
    for (QWidget *page : PageStack::instance()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (PageStack::instance()->isTop(page))
            top = page;
    }
    const auto *label = top ? top->findChild<QLabel *>(QStringLiteral("footerLogo")) : nullptr;
    return label ? label->text() : QString();
}

// The home screen's log-on key, then the user id and passcode on the log-on
// popup's keypad.
void logOnFromHome(const QStringList &keys)
{
    auto *bar = PageStack::instance()->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"));
    QVERIFY(bar);
    emit bar->rightButtonClicked();
    QVERIFY(topIs(QStringLiteral("AUK_40001")));
    pressKeys(topPopup(), keys + QStringList{QStringLiteral("OK")});
}

} // namespace

// The engine, in this process, with the controller emulator at the other
// end of its link and the host services playing its panel front: keys come
// from the front, the popups answer on the screen, and the controller and
// the front see what follows.
class tst_FrontPanelPopupsEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void logOnThroughThePopup();
    void customTaskTapForcesItsPoint();
    void refusedCardShowsTheLogonResult();
    void silenceThenResoundConfirmations();
    void logOnOfTheUserAlreadyOn();
    void fireResetConfirmation();
    void printReplyShowsItsOutcome();
    void firesScreenOverTwoZones();
    void standbyCountdownBlocksTheKeys();

private:
    PanelSimProcess &m_controller = InProcessEngine::controller();
};

void tst_FrontPanelPopupsEndToEnd::initTestCase()
{
    const int from = m_controller.lineCount();
    m_controller.command(QStringLiteral("sync"));
    const int done = m_controller.waitForLineWithEvents(QStringLiteral("sync done"), from, 120000);
    QVERIFY2(done >= 0, qPrintable(m_controller.lines().mid(from).join('\n')));
    QVERIFY(waitUntil([] { return SystemState::instance()->isEthernetConnected(); }));
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
}

// The home screen's log-on key and the keypad: a wrong passcode is refused
// with the result popup; the right one logs the user on and the footer says
// who is on. The user logs off again for the tests that follow.
void tst_FrontPanelPopupsEndToEnd::logOnThroughThePopup()
{
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
    const QString loggedOutText = footerUserText();
    int from = m_controller.lineCount();
    logOnFromHome({"0", "2", "2", "2", "2", "9"});
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("operator logon user=2 refused"), from) >= 0);
    QVERIFY2(topIs(QStringLiteral("AUK_40028")), qPrintable(PageStack::instance()->pageNames().join(' ')));
    emit topPopup()->rightButtonClicked();
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
    QVERIFY(Security::instance()->accessLevel() < TESKEnumHolder::EN54_LOGGED_IN);

    from = m_controller.lineCount();
    logOnFromHome({"0", "2", "2", "2", "2", "2"});
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("operator logon user=2 accepted"), from) >= 0);
    QVERIFY(waitUntil([] { return Security::instance()->accessLevel() == TESKEnumHolder::EN54_LOGGED_IN; }));
    QVERIFY(waitUntil([&loggedOutText] {
        const QString text = footerUserText();
        return !text.isEmpty() && text != loggedOutText;
    }));
    QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_40001")));

    from = m_controller.lineCount();
    SyncClient::instance()->logout();
    Security::instance()->permissionsUpdate(Security::NoUser, 0);
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("operator logoff"), from) >= 0);
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
}

// The custom tasks of this panel, from the controller's task map: a tap on
// a task not active reaches the controller as a force on of the task's
// point, channel number 4; the controller's forced map then shows it active.
// Closing the progress popup leaves the screen too.
void tst_FrontPanelPopupsEndToEnd::customTaskTapForcesItsPoint()
{
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
    auto *screen = new AUK_30008;
    PageStack::instance()->push(screen);
    const auto *tasks = screen->findChild<AUK_90048 *>(QStringLiteral("taskSelector"));
    QVERIFY(tasks);
    QListView *list = tasks->listView();
    QVERIFY(list->model());
    QCOMPARE(list->model()->rowCount(), 4);
    const QModelIndex third = list->model()->index(2, 0);
    QCOMPARE(third.data(FilteredRoles::CheckRole).toInt(), int(Qt::Unchecked));
    const int from = m_controller.lineCount();
    emit list->clicked(third);
    QVERIFY(m_controller.waitForLineWithEvents(
                QStringLiteral("site-force-point panel=1 channel-kind=0 channel-number=4 point=3 action=1"), from)
            >= 0);
    QVERIFY(topIs(QStringLiteral("AUK_40008")));
    QVERIFY(waitUntil([&third] { return third.data(FilteredRoles::CheckRole).toInt() == Qt::Checked; }));
    emit topPopup()->rightButtonClicked();
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
}

// A card the controller refuses: the log-on result popup says so, and its
// one key closes it.
void tst_FrontPanelPopupsEndToEnd::refusedCardShowsTheLogonResult()
{
    const int from = m_controller.lineCount();
    s_host.command(QStringLiteral("emit svc.rfid RFIDSendBlockData 010000"));
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("operator logon user=1 refused"), from) >= 0);
    QVERIFY2(topIs(QStringLiteral("AUK_40028")), qPrintable(PageStack::instance()->pageNames().join(' ')));
    BasePopup *popup = topPopup();
    QVERIFY(popup);
    QCOMPARE(popup->title(), QStringLiteral("_LOGIN_POPUPTITLE"));
    QCOMPARE(bottomText(popup), QStringLiteral("_LOGIN_FAILED_POPUPTEXT3INFO"));
    emit popup->rightButtonClicked();
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
    QVERIFY(Security::instance()->accessLevel() < TESKEnumHolder::EN54_LOGGED_IN);
}

// Logged on by card during a fire: the silence key asks first, the
// controller silences, and the key then offers to resound.
void tst_FrontPanelPopupsEndToEnd::silenceThenResoundConfirmations()
{
    int from = m_controller.lineCount();
    s_host.command(QStringLiteral("emit svc.rfid RFIDSendBlockData 011111"));
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("operator logon user=1 accepted"), from) >= 0);
    QVERIFY(waitUntil([] { return Security::instance()->accessLevel() == TESKEnumHolder::EN54_LOGGED_IN; }));

    s_host.clear();
    m_controller.command(QStringLiteral("pointevent fire 1 1 1"));
    QVERIFY(topIs(QStringLiteral("AUK_30086")));
    // The front hears the fire: the general fire LED and the buzzer.
    QVERIFY(s_host.saw(QStringLiteral("call svc.frontpanel setLeds 1")));
    QVERIFY(s_host.saw(QStringLiteral("call svc.frontpanel setBuzzer true")));

    from = m_controller.lineCount();
    s_host.command(QStringLiteral("emit svc.frontpanel softKeyClicked SILENCE_PANEL_SOUNDERS"));
    QVERIFY(topIs(QStringLiteral("AUK_40030")));
    QCOMPARE(topPopup()->title(), QStringLiteral("_SILENCE_SOUNDERS_POPUPTITLE"));
    emit topPopup()->leftButtonClicked();
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("operator silence"), from) >= 0);
    QVERIFY(waitUntil([] { return model::instance()->areSoundersSilenced(); }));
    QVERIFY(topIs(QStringLiteral("AUK_30086")));

    s_host.command(QStringLiteral("emit svc.frontpanel softKeyClicked SILENCE_PANEL_SOUNDERS"));
    QVERIFY(topIs(QStringLiteral("AUK_40039")));
    QCOMPARE(topPopup()->title(), QStringLiteral("_RESOUND_SOUNDERS_POPUPTITLE"));
    emit topPopup()->rightButtonClicked();
    QVERIFY(topIs(QStringLiteral("AUK_30086")));
}

// A log-on of the user already logged on, as the log-on popup sends it: the
// controller says so, and the result popup shows it over the fire.
void tst_FrontPanelPopupsEndToEnd::logOnOfTheUserAlreadyOn()
{
    const int from = m_controller.lineCount();
    SyncClient::instance()->login(QStringLiteral("01"), QStringLiteral("1111"));
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("operator logon user=1 already"), from) >= 0);
    QVERIFY(topIs(QStringLiteral("AUK_40028")));
    QCOMPARE(bottomText(topPopup()), QStringLiteral("_USER_ALREADY_LOGGED_ON_POPUPTEXT3INFO"));
    emit topPopup()->rightButtonClicked();
    QVERIFY(topIs(QStringLiteral("AUK_30086")));
    QCOMPARE(Security::instance()->accessLevel(), TESKEnumHolder::EN54_LOGGED_IN);
}

// With the sounders silenced the fire may be reset: the reset asks first;
// confirmed, the controller gets the fire-reset input and resets, the
// front's system fault LED is cleared and the home screen returns.
void tst_FrontPanelPopupsEndToEnd::fireResetConfirmation()
{
    QVERIFY(model::instance()->areSoundersSilenced());
    s_host.clear();
    const int from = m_controller.lineCount();
    s_host.command(QStringLiteral("emit svc.frontpanel softKeyClicked RESET"));
    QVERIFY(topIs(QStringLiteral("AUK_40030")));
    QCOMPARE(topPopup()->title(), QStringLiteral("_CONFIRM_RESET_POPUPTITLE"));
    QCOMPARE(bottomText(topPopup()), QStringLiteral("_CONFIRM_RESET_POPUPTEXT3BODY"));
    emit topPopup()->leftButtonClicked();
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("operator reset"), from) >= 0);
    const QStringList received = m_controller.lines().mid(from).filter(QStringLiteral("rx input-point-change"));
    QVERIFY2(!received.isEmpty() && received.first().contains(QLatin1String("group=0 input=174 ")),
             qPrintable(received.join('\n')));
    QVERIFY(s_host.saw(QStringLiteral("call svc.frontpanel clearSystemFaultLED")));
    QVERIFY(waitUntil([] { return !SystemState::instance()->isFireActive(); }));
    QVERIFY2(topIs(QStringLiteral("AUK_30002")), qPrintable(PageStack::instance()->pageNames().join(' ')));
}

// A print request whose reply the controller gives: the print popup shows
// the outcome (a result of 0 is a refusal).
void tst_FrontPanelPopupsEndToEnd::printReplyShowsItsOutcome()
{
    const int from = m_controller.lineCount();
    SyncClient::instance()->sendPrintReportActiveFaults(0, 0);
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("print report="), from) >= 0);
    QVERIFY(topIs(QStringLiteral("AUK_40056")));
    QCOMPARE(topPopup()->title(), QStringLiteral("_PRINT_POPUPTITLE"));
    QCOMPARE(bottomText(topPopup()), QStringLiteral("_PRINT_REJECTED_POPUPTEXT3INFO"));
    emit topPopup()->rightButtonClicked();
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
}

namespace {

int firesInTheLog()
{
    QSqlQuery count;
    if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM EventLog WHERE (eventCat & 15) = 8")) || !count.next())
        return -1;
    return count.value(0).toInt();
}

AUK_30085 *firesScreen()
{
    const auto screens = PageStack::instance()->findChildren<AUK_30085 *>();
    return screens.isEmpty() ? nullptr : screens.last();
}

QString softKey(const QWidget *screen, const char *key)
{
    const auto *bar = screen->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"));
    return bar->property(key).toString();
}

} // namespace

// Fires in two zones: the first-fire button opens the fires screen on that
// fire, its middle key shows the two zones; the Scandinavian key opens it
// during the fire.
void tst_FrontPanelPopupsEndToEnd::firesScreenOverTwoZones()
{
    // The fire of an earlier test stays in the log, before its reset.
    const int before = firesInTheLog();
    m_controller.command(QStringLiteral("pointevent fire 1 1 1"));
    m_controller.command(QStringLiteral("pointevent fire 2 1 1"));
    QVERIFY(topIs(QStringLiteral("AUK_30086")));
    QVERIFY(waitUntil([before] { return firesInTheLog() == before + 2; }));
    const auto alarms = PageStack::instance()->findChildren<AUK_30086 *>();
    QVERIFY(!alarms.isEmpty());
    alarms.last()->firstFire();
    QVERIFY(topIs(QStringLiteral("AUK_30085")));
    AUK_30085 *screen = firesScreen();
    const auto *cards = screen->findChild<AUK_90029 *>();
    QCOMPARE(cards->itemCount(), 2);
    QCOMPARE(cards->listView()->model()->index(0, 0).data(EventLogQueryModel::PanelNumberRole).toInt(), 1);
    emit screen->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"))->middleButtonClicked();
    QCOMPARE(softKey(screen, "middleButtonText"), QStringLiteral("_FIRES_IN_ZONE_SK"));
    QCOMPARE(cards->itemCount(), 2);

    PageStack::instance()->remove(screen);
    QVERIFY(waitUntil([] { return !firesScreen(); }));
    s_host.command(QStringLiteral("emit svc.frontpanel softKeyClicked SCANDINAVIAN"));
    QVERIFY(topIs(QStringLiteral("AUK_30085")));
    QCOMPARE(softKey(firesScreen(), "middleButtonText"), QStringLiteral("_ZONES_IN_FIRE_SK"));
}

// The controller's standby times: the fire-reset popup while HOME does
// nothing, the keys back at 0, and the initialisation popup from two
// minutes.
void tst_FrontPanelPopupsEndToEnd::standbyCountdownBlocksTheKeys()
{
    m_controller.command(QStringLiteral("standby 30"));
    QVERIFY(topIs(QStringLiteral("AUK_40026")));
    QCOMPARE(topPopup()->title(), QStringLiteral("_FIRE_RESET_IN_PROGRESS_POPUPTITLE"));
    QVERIFY(!InputSignaller::keysEnabled());
    const QStringList pages = PageStack::instance()->pageNames();
    s_host.command(QStringLiteral("emit svc.frontpanel softKeyClicked HOME"));
    s_host.command(QStringLiteral("emit svc.frontpanel softKeyClicked BACK"));
    m_controller.command(QStringLiteral("standby 20"));
    QVERIFY(waitUntil([] { return SystemStandbyTimer::instance()->remainingSeconds() <= 20; }));
    QCOMPARE(PageStack::instance()->pageNames(), pages);

    m_controller.command(QStringLiteral("standby 0"));
    QVERIFY(waitUntil([] { return InputSignaller::keysEnabled(); }));
    QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_40026")));

    m_controller.command(QStringLiteral("standby 30 init"));
    QVERIFY(topIs(QStringLiteral("AUK_40047")));
    const auto *time = topPopup()->findChild<QLabel *>(QStringLiteral("timeLeft"));
    QVERIFY(time);
    QCOMPARE(time->text(), QStringLiteral("02:00"));
    m_controller.command(QStringLiteral("standby 0 init"));
    QVERIFY(waitUntil([] { return InputSignaller::keysEnabled(); }));
    QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_40047")));
}

int main(int argc, char *argv[])
{
    (void)argc;
    return InProcessEngine::run("tst_frontpanelpopups_e2e", argv[0], [] {
        tst_FrontPanelPopupsEndToEnd test;
        return QTest::qExec(&test, QCoreApplication::arguments().mid(0, 1));
    });
}

#include "tst_frontpanelpopups_e2e.moc"
