#include "../pointmodels/ScriptedSite.h"
#include "FakeClock.h"
#include "NamedChild.h"
#include "PacketBytes.h"
#include "PageUnderPopups.h"
#include "RecordingService.h"
#include "SentPackets.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "screens/popups/AUK_40003.h"
#include "screens/popups/AUK_40042.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr quint8 LocalPanel = 1;
constexpr quint8 OperatorActions = 1;
constexpr quint8 SelfTestStartInput = 6;
// The self-test input pulsed: group 1, input 6 active, then inactive.
constexpr char SelfTestChange[] = "01 86 01 06";
// Every LED of the front panel lit, and the panel's own state without a
// link: the general fault LED alone.
const QString AllLeds = QStringLiteral("setLeds 11111111111111111");
const QString FaultLedOnly = QStringLiteral("setLeds 01000000000000000");
// From the start to the popup closing by itself.
constexpr int WholeTestMs = 19090;

// A status as the schedule below writes it.
QString status(const QString &key)
{
    static const QHash<QString, QString> words{{QStringLiteral("_PENDING_POPUPSTATUS"), QStringLiteral("pending")},
                                               {QStringLiteral("_IN_PROGRESS_POPUPSTATUS"), QStringLiteral("progress")},
                                               {QStringLiteral("_COMPLETE_POPUPSTATUS"), QStringLiteral("complete")}};
    return words.value(key, key);
}

void setGuiMode(int mode)
{
    SystemState::Configuration configuration;
    configuration.guiMode = mode;
    SystemState::instance()->writeEepromConfiguration(configuration, false);
}

} // namespace

// The panel self-test on the engine's clock: its steps and their lengths,
// the LED and buzzer test modes it switches, the self-test input it sends
// when it closes, and how it leaves the page stack. Also the fire-test
// notice.
class tst_SelfTestPopup : public WidgetTest
{
    Q_OBJECT

private:
    // Before any engine timer is made.
    FakeClock m_clock;
    // The front panel the engine's LED flasher calls.
    RecordingService m_frontPanel{QStringLiteral("svc.frontpanel.p56789")};
    std::unique_ptr<PageUnderPopups> m_page;

    QPointer<AUK_40003> started()
    {
        QPointer<AUK_40003> popup = new AUK_40003;
        if (PageStack::instance()->push(popup))
            popup->startTest();
        return popup;
    }

    // The front panel's calls of one kind since the last clear. A call of
    // our own on the engine's bus connection comes back after every call the
    // engine made before it, so none is still on its way.
    QStringList calls(const QString &method) const
    {
        QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(QStringLiteral("svc.frontpanel.p56789"), QStringLiteral("/"),
                                           QStringLiteral("vemo.frontpanel"), QStringLiteral("settle")));
        return m_frontPanel.calls().filter(QRegularExpression(QStringLiteral("^%1 ").arg(method)));
    }

    // Forgets what the front panel was told so far.
    void clearFrontPanel()
    {
        calls(QString());
        m_frontPanel.clear();
    }

    QString lastCall(const QString &method) const
    {
        const QStringList made = calls(method);
        return made.isEmpty() ? QString() : made.last();
    }

private slots:
    void init()
    {
        QVERIFY(m_frontPanel.isServing());
        ScriptedSite::reset();
        TeskGlobalConfig *config = TeskGlobalConfig::instance();
        config->setPanelNumber(LocalPanel);
        config->setInputPointChannel(5);
        config->setRbusAddress(15);
        ScriptedSite::addPoint(LocalPanel, ChannelAddress(5, 15, OperatorActions),
                               ScriptedSite::record(SelfTestStartInput));
        setGuiMode(0);
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        clearFrontPanel();
    }

    void cleanup()
    {
        m_page.reset();
        SyncClient::destroyInstance();
    }

    void form()
    {
        QPointer<AUK_40003> popup = new AUK_40003;
        PageStack::instance()->push(popup);
        QCOMPARE(popup->objectName(), QStringLiteral("AUK_40003"));
        QCOMPARE(popup->title(), QStringLiteral("_GUI_TEST_POPUPTITLE"));
        QVERIFY(!popup->titleIcon().isNull());
        QVERIFY(!popup->leftButtonVisible());
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
        QCOMPARE(labelText(popup, "testTitle"), QStringLiteral("_GUI_TEST_PROGRESS_POPUPSUBTITLE"));
        QCOMPARE(labelText(popup, "testDisplayLabel"), QStringLiteral("_TESTING_DISPLAY_POPUPITEM"));
        QCOMPARE(labelText(popup, "testLEDsLabel"), QStringLiteral("_TESTING_LEDS_POPUPITEM"));
        QCOMPARE(labelText(popup, "testBuzzerLabel"), QStringLiteral("_TESTING_BUZZER_POPUPITEM"));
        for (const char *status : {"testDisplayStatus", "testLEDsStatus", "testBuzzerStatus"})
            QCOMPARE(labelText(popup, status), QStringLiteral("_PENDING_POPUPSTATUS"));
        // Nothing runs until it is started.
        m_clock.advance(WholeTestMs);
        QCOMPARE(labelText(popup, "testDisplayStatus"), QStringLiteral("_PENDING_POPUPSTATUS"));
        QCOMPARE(PageStack::instance()->count(), 2);
    }

    void schedule_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("statuses");
        QTest::addColumn<QString>("testScreen");
        QTest::addColumn<QString>("rightKey");
        const QString cancel = QStringLiteral("_CANCEL_POPUPSK");
        const QString close = QStringLiteral("_CLOSE_POPUPSK");
        QTest::newRow("started") << 0 << "progress pending pending"
                                 << "hidden" << cancel;
        QTest::newRow("999 ms") << 999 << "progress pending pending"
                                << "hidden" << cancel;
        QTest::newRow("1 s white") << 1000 << "progress pending pending"
                                   << "white" << cancel;
        QTest::newRow("2 s black") << 2000 << "progress pending pending"
                                   << "black" << cancel;
        QTest::newRow("3 s LEDs") << 3000 << "complete progress pending"
                                  << "hidden" << cancel;
        QTest::newRow("6.089 s LEDs") << 6089 << "complete progress pending"
                                      << "hidden" << cancel;
        QTest::newRow("6.09 s buzzer") << 6090 << "complete complete progress"
                                       << "hidden" << cancel;
        QTest::newRow("9.09 s finished") << 9090 << "complete complete complete"
                                         << "hidden" << close;
        QTest::newRow("19.089 s still up") << 19089 << "complete complete complete"
                                           << "hidden" << close;
    }

    void schedule()
    {
        QFETCH(int, ms);
        QFETCH(QString, statuses);
        QFETCH(QString, testScreen);
        QFETCH(QString, rightKey);
        QPointer<AUK_40003> popup = started();
        m_clock.advance(ms);
        QVERIFY(popup);
        QStringList shown;
        for (const char *label : {"testDisplayStatus", "testLEDsStatus", "testBuzzerStatus"})
            shown << status(labelText(popup, label));
        QCOMPARE(shown.join(QLatin1Char(' ')), statuses);
        const auto *screen = PageStack::instance()->findChild<QWidget *>(QStringLiteral("testScreen"));
        QString screenState = QStringLiteral("hidden");
        if (screen && screen->isVisible()) {
            QCOMPARE(screen->geometry(), QRect(0, 0, 640, 480));
            screenState =
                WidgetShot::isNear(WidgetShot::colourAt(WidgetShot::grab(PageStack::instance()), {320, 240}), Qt::white)
                    ? QStringLiteral("white")
                    : QStringLiteral("black");
        }
        QCOMPARE(screenState, testScreen);
        QCOMPARE(popup->rightButtonText(), rightKey);
        QCOMPARE(PageStack::instance()->count(), 2);
    }

    // The whole test lasts 19.09 s; then the popup closes by itself and the
    // controller hears of the self-test.
    void closesByItself()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        QPointer<AUK_40003> popup = started();
        m_clock.advance(WholeTestMs - 1);
        QCOMPARE(PageStack::instance()->count(), 2);
        QCOMPARE(sent.count(), 0);
        m_clock.advance(1);
        QCOMPARE(PageStack::instance()->count(), 1);
        const QByteArrayList lkSpeak = lkSpeakSent(sent);
        QCOMPARE(lkSpeak.size(), 1);
        QVERIFY2(lkSpeak.first().endsWith(hex(SelfTestChange)), lkSpeak.first().toHex(' ').constData());
        QTRY_VERIFY(!popup);
    }

    void testModes()
    {
        const QString setLeds = QStringLiteral("setLeds");
        const QString setBuzzer = QStringLiteral("setBuzzer");
        QPointer<AUK_40003> popup = started();
        m_clock.advance(2999);
        QVERIFY(!calls(setLeds).contains(AllLeds));
        // The LED step lights every LED, flashing, and leaves the buzzer quiet.
        m_clock.advance(1);
        QCOMPARE(lastCall(setLeds), AllLeds);
        m_clock.advance(3089);
        QVERIFY(calls(setLeds).contains(QStringLiteral("setLeds 00000000000000000")));
        QVERIFY(!calls(setBuzzer).contains(QStringLiteral("setBuzzer true")));
        // The buzzer step: the LEDs are the panel's again, the buzzer sounds.
        m_clock.advance(1);
        QCOMPARE(lastCall(setLeds), FaultLedOnly);
        QCOMPARE(lastCall(setBuzzer), QStringLiteral("setBuzzer true"));
        clearFrontPanel();
        m_clock.advance(2999);
        QVERIFY(!calls(setLeds).contains(AllLeds));
        // Finished: quiet again, and nothing comes back while it stays up.
        m_clock.advance(1);
        QCOMPARE(lastCall(setBuzzer), QStringLiteral("setBuzzer false"));
        clearFrontPanel();
        m_clock.advance(9999);
        QVERIFY(popup);
        QVERIFY(!calls(setBuzzer).contains(QStringLiteral("setBuzzer true")));
        QVERIFY(!calls(setLeds).contains(AllLeds));
    }

    void cancelInTheLedStep()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        QPointer<AUK_40003> popup = started();
        m_clock.advance(4000);
        QCOMPARE(lastCall(QStringLiteral("setLeds")), AllLeds);
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
        QCOMPARE(lastCall(QStringLiteral("setLeds")), FaultLedOnly);
        const QByteArrayList lkSpeak = lkSpeakSent(sent);
        QCOMPARE(lkSpeak.size(), 1);
        QVERIFY(lkSpeak.first().endsWith(hex(SelfTestChange)));
        // Its steps are over: no test mode comes back, nothing more is sent.
        clearFrontPanel();
        m_clock.advance(WholeTestMs);
        QVERIFY(!calls(QStringLiteral("setLeds")).contains(AllLeds));
        QCOMPARE(lkSpeakSent(sent).size(), 1);
    }

    void closedWhileTheScreenIsWhite()
    {
        QPointer<AUK_40003> popup = started();
        m_clock.advance(1500);
        QPointer<QWidget> screen = PageStack::instance()->findChild<QWidget *>(QStringLiteral("testScreen"));
        QVERIFY(screen && screen->isVisible());
        emit popup->rightButtonClicked();
        // The picture goes with the popup.
        QTRY_VERIFY(!popup);
        QVERIFY(!screen);
    }

    void reducedModeSendsNothing_data()
    {
        QTest::addColumn<int>("guiMode");
        QTest::addColumn<int>("packets");
        QTest::newRow("mode 1 sends") << 1 << 1;
        QTest::newRow("mode 2 silent") << 2 << 0;
        QTest::newRow("mode 3 silent") << 3 << 0;
    }

    void reducedModeSendsNothing()
    {
        QFETCH(int, guiMode);
        QFETCH(int, packets);
        setGuiMode(guiMode);
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        started();
        m_clock.advance(WholeTestMs);
        QCOMPARE(PageStack::instance()->count(), 1);
        QCOMPARE(lkSpeakSent(sent).size(), packets);
    }

    // A fire screen that came over the test stays when the test closes by
    // itself: the popup takes itself away, not the top page.
    void closingUnderAFireScreenRemovesItselfOnly()
    {
        QPointer<AUK_40003> popup = started();
        m_clock.advance(7000);
        auto *fireScreen = new AUK_90001A;
        fireScreen->setObjectName(QStringLiteral("AUK_30086"));
        QVERIFY(PageStack::instance()->push(fireScreen));
        QCOMPARE(PageStack::instance()->count(), 3);
        m_clock.advance(WholeTestMs);
        QCOMPARE(PageStack::instance()->count(), 2);
        QVERIFY(PageStack::instance()->isTop(fireScreen));
        QTRY_VERIFY(!popup);
    }

    void fireTestNotice()
    {
        QPointer<AUK_40042> notice = new AUK_40042(QStringLiteral("Call point 1.2.3"), true);
        PageStack::instance()->push(notice);
        QCOMPARE(notice->objectName(), QStringLiteral("AUK_40042"));
        QCOMPARE(notice->title(), QStringLiteral("Call point 1.2.3"));
        QCOMPARE(labelText(notice, "bottomLabel"), QStringLiteral("_FIRE_TEST_POPUPTEXT3INFO"));
        QVERIFY(!notice->leftButtonVisible());
        QCOMPARE(notice->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
        emit notice->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void screenshots()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The page beneath writes its date in the language it is built in.
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        QPointer<AUK_40003> popup = new AUK_40003;
        PageStack::instance()->push(popup);
        const auto shoot = [](const QString &name) {
            QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
            WidgetShot::saveForReview(WidgetShot::grab(PageStack::instance()), name);
        };
        shoot(QStringLiteral("AUK_40003_pending"));
        popup->startTest();
        shoot(QStringLiteral("AUK_40003_display"));
        m_clock.advance(1000);
        shoot(QStringLiteral("AUK_40003_display_white"));
        m_clock.advance(1000);
        shoot(QStringLiteral("AUK_40003_display_black"));
        m_clock.advance(1000);
        shoot(QStringLiteral("AUK_40003_leds"));
        m_clock.advance(3090);
        shoot(QStringLiteral("AUK_40003_buzzer"));
        m_clock.advance(3000);
        shoot(QStringLiteral("AUK_40003_complete"));
        emit popup->rightButtonClicked();

        auto *notice = new AUK_40042(QStringLiteral("Fire test switch"), true);
        PageStack::instance()->push(notice);
        shoot(QStringLiteral("AUK_40042"));
        // The point is named within the message.
        QVERIFY(notice->findChild<QLabel *>(QStringLiteral("bottomLabel"))
                    ->text()
                    .contains(QStringLiteral("Fire test switch")));
    }
};

QTEST_MAIN(tst_SelfTestPopup)
#include "tst_selftestpopup.moc"
