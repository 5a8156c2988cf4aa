#include "../pointmodels/ScriptedSite.h"
#include "MessageCapture.h"
#include "app/FrontPanelKeys.h"
#include "core/BucketKeys.h"
#include "core/TeskGlobalConfig.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/GlobalShortcuts.h"
#include "frontpanel/InputSignaller.h"
#include "frontpanel/KeyDispatchEnvironment.h"
#include "frontpanel/Rbus.h"
#include "frontpanel/RbusEnvironment.h"
#include "link/InvestigateDelayTimer.h"

#include <QSignalSpy>
#include <QtTest>

using namespace GUICONSTS;

namespace {

constexpr int EngineBucket = 0;

// The engine as the keys see it, with a page stack of names.
class FakeEngine final : public KeyDispatchEnvironment
{
public:
    int guiMode() const override { return gui; }
    int rbusMode() const override { return rbus; }
    bool isE30Connected() const override { return e30; }
    bool isDisconnected() const override { return disconnected; }
    bool isFireActive() const override { return fire; }
    int accessLevel() const override { return access; }
    bool hasPermission(int level) const override { return permission >= level; }
    bool isMainScreenOnTop() const override { return pages.constLast() == QLatin1String("AUK_30002"); }
    QStringList pageNames() const override { return pages; }
    void showMainScreen() override
    {
        calls << QStringLiteral("home");
        pages = QStringList{QStringLiteral("AUK_30001"), QStringLiteral("AUK_30002")};
    }
    void pop(int count) override
    {
        calls << QStringLiteral("pop %1").arg(count);
        if (pages.size() > 1)
            pages.removeLast();
    }
    void popNonMatching(const QString &screenName) override
    {
        calls << QStringLiteral("back to ") + screenName;
        while (pages.constLast() != screenName)
            pages.removeLast();
    }
    void disableBuzzer() override { calls << QStringLiteral("buzzer off"); }
    void setBuzzerOverride() override { calls << QStringLiteral("override"); }
    void showConfirmation(Confirmation confirmation) override
    {
        const char *const names[] = {"AUK_40030 kind 9", "AUK_40039", "AUK_40030 kind 8"};
        shown << QLatin1String(names[confirmation]);
    }
    void showActionPopup(int kind) override { shown << QStringLiteral("AUK_40061 kind %1").arg(kind); }
    void showFiresScreen() override { shown << QStringLiteral("AUK_30085"); }
    void showEventsSummary(EventsSummary summary) override
    {
        const char *const names[] = {"AUK_30074",   "AUK_30075", "AUK_30076",         "AUK_30077",
                                     "AUK_30077_F", "AUK_30078", "AUK_30078 controls"};
        shown << QLatin1String(names[summary]);
    }

    int gui = 0;
    int rbus = 0;
    bool e30 = false;
    bool disconnected = false;
    bool fire = false;
    int access = 3;
    int permission = 0;
    QStringList pages{QStringLiteral("AUK_30001"), QStringLiteral("AUK_30002")};
    QStringList calls;
    QStringList shown;
};

// The bus driver's view of a repeater: it reports the silence key's press.
class FakeBus final : public RbusEnvironment
{
public:
    int guiMode() const override { return 2; }
    int rbusMode() const override { return 0; }
    bool isRbusConnected() const override { return false; }
    bool isE30Connected() const override { return false; }
    void disableBuzzer() override { ++silenced; }

    int silenced = 0;
};

DB_TESK_FP_Interface *keys()
{
    return DB_TESK_FP_Interface::instance();
}

void press(void (DB_TESK_FP_Interface::*key)(), int times = 1)
{
    for (int i = 0; i < times; ++i)
        emit(keys()->*key)();
}

QVector<int> keyTypes(const QSignalSpy &spy)
{
    QVector<int> values;
    for (const QList<QVariant> &arguments : spy)
        values << arguments.at(0).toInt();
    return values;
}

} // namespace

class TestKeyDispatch final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void homeAndBack_data();
    void homeAndBack();
    void disabledKeys_stillCountAndSilence();
    void silenceBuzzer_data();
    void silenceBuzzer();
    void shortcuts_data();
    void shortcuts();
    void fireReset_data();
    void fireReset();
    void silenceSounders_data();
    void silenceSounders();
    void summaryKeys_data();
    void summaryKeys();
    void scandinavianKey();
    void confirmations();

private:
    FakeEngine m_engine;
    FakeBus m_bus;
};

void TestKeyDispatch::initTestCase()
{
    ScriptedSite::reset();
    FrontPanelKeys::connectFrontPanelKeys(keys(), InputSignaller::instance());
}

void TestKeyDispatch::init()
{
    // Two home presses end any sequence a case left half matched.
    InputSignaller::setEnvironment(nullptr);
    press(&DB_TESK_FP_Interface::homePressed, 2);
    for (const KeySequenceShortcut &shortcut : GlobalShortcuts::instance()->shortcuts())
        QCOMPARE(int(shortcut.position), 0);
    m_engine = FakeEngine();
    InputSignaller::setEnvironment(&m_engine);
    InputSignaller::setKeysEnabled(true);
    m_bus = FakeBus();
    Rbus::instance()->setEnvironment(&m_bus);
    for (const char *key : {BucketKeys::mstrstat, BucketKeys::sndrsact, BucketKeys::sndrsslncd})
        ScriptedSite::setValue(EngineBucket, QLatin1String(key), QStringLiteral("0"));
    ScriptedSite::setValueAndNotify(41, QStringLiteral("tmplateID"), QStringLiteral("0"));
    TeskGlobalConfig::instance()->setLogicalAddr(false);
    InvestigateDelayTimer::instance()->stopCountdown();
}

void TestKeyDispatch::cleanup()
{
    InputSignaller::setEnvironment(nullptr);
    Rbus::instance()->setEnvironment(nullptr);
}

void TestKeyDispatch::homeAndBack_data()
{
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<bool>("home");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("after");
    const QStringList base{"AUK_30001", "AUK_30002"};
    QTest::newRow("back on the home screen pops nothing") << base << false << QStringList() << base;
    QTest::newRow("back pops one") << base + QStringList{"AUK_30110"} << false << QStringList{"pop 1"} << base;
    QTest::newRow("back from the walk-test summary to its menu")
        << base + QStringList{"AUK_30061", "AUK_30062", "AUK_30065"} << false << QStringList{"back to AUK_30061"}
        << base + QStringList{"AUK_30061"};
    QTest::newRow("walk-test summary without its menu")
        << base + QStringList{"AUK_30065"} << false << QStringList{"pop 1"} << base;
    QTest::newRow("back leaves the task progress alone")
        << base + QStringList{"AUK_40008"} << false << QStringList() << base + QStringList{"AUK_40008"};
    QTest::newRow("home") << base + QStringList{"AUK_30110"} << true << QStringList{"home"} << base;
}

void TestKeyDispatch::homeAndBack()
{
    QFETCH(QStringList, pages);
    QFETCH(bool, home);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, after);
    m_engine.pages = pages;
    QSignalSpy pressed(InputSignaller::instance(), &InputSignaller::keyPressed);
    press(home ? &DB_TESK_FP_Interface::homePressed : &DB_TESK_FP_Interface::backPressed);
    QCOMPARE(m_engine.calls, calls);
    QCOMPARE(m_engine.pages, after);
    QCOMPARE(keyTypes(pressed), QVector<int>{home ? HOME_KEY : BACK_KEY});
}

void TestKeyDispatch::disabledKeys_stillCountAndSilence()
{
    m_engine.pages << QStringLiteral("AUK_30110");
    m_engine.disconnected = true;
    InputSignaller::setKeysEnabled(false);
    QSignalSpy pressed(InputSignaller::instance(), &InputSignaller::keyPressed);
    QSignalSpy input(InputSignaller::instance(), &InputSignaller::userInputReceived);
    MessageCapture log;
    press(&DB_TESK_FP_Interface::backPressed);
    press(&DB_TESK_FP_Interface::homePressed);
    press(&DB_TESK_FP_Interface::resetPressed);
    press(&DB_TESK_FP_Interface::generalPressed);
    press(&DB_TESK_FP_Interface::scandinavianPressed);
    press(&DB_TESK_FP_Interface::helpPressed);
    press(&DB_TESK_FP_Interface::silencePressed);
    QCOMPARE(keyTypes(pressed), QVector<int>({BACK_KEY, HOME_KEY, SILENCE_BUZZER_KEY}));
    QCOMPARE(m_engine.calls, QStringList{"buzzer off"});
    QCOMPARE(input.size(), 0);
    QVERIFY(!log.contains(QStringLiteral("is not built yet")));
    QVERIFY(m_engine.shown.isEmpty());
    // A touch is user input, keys enabled or not.
    emit keys()->touchscreenPressed();
    QCOMPARE(input.size(), 1);
}

void TestKeyDispatch::silenceBuzzer_data()
{
    QTest::addColumn<int>("gui");
    QTest::addColumn<bool>("e30");
    QTest::addColumn<bool>("disconnected");
    QTest::addColumn<bool>("buzzerOff");
    QTest::addColumn<bool>("onBus");
    QTest::newRow("connected") << 0 << false << false << false << false;
    QTest::newRow("disconnected") << 0 << false << true << true << false;
    QTest::newRow("E30") << 1 << true << false << true << false;
    QTest::newRow("repeater presses the bus key") << 2 << false << false << false << true;
    QTest::newRow("repeater on E30") << 3 << true << false << true << false;
}

void TestKeyDispatch::silenceBuzzer()
{
    QFETCH(int, gui);
    QFETCH(bool, e30);
    QFETCH(bool, disconnected);
    QFETCH(bool, buzzerOff);
    QFETCH(bool, onBus);
    m_engine.gui = gui;
    m_engine.e30 = e30;
    m_engine.disconnected = disconnected;
    QSignalSpy pressed(InputSignaller::instance(), &InputSignaller::keyPressed);
    press(&DB_TESK_FP_Interface::silencePressed);
    QCOMPARE(m_engine.calls, buzzerOff ? QStringList{"buzzer off"} : QStringList());
    QCOMPARE(m_bus.silenced, onBus ? 1 : 0);
    QCOMPARE(keyTypes(pressed), QVector<int>{SILENCE_BUZZER_KEY});
}

void TestKeyDispatch::shortcuts_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<bool>("disconnected");
    QTest::addColumn<int>("permission");
    QTest::addColumn<QString>("shown");
    QTest::newRow("service menu while disconnected") << "bbhh" << true << 0 << "AUK_30111";
    QTest::newRow("service menu needs the link down") << "bbhh" << false << 0 << "";
    QTest::newRow("a mismatch is not a first key") << "bbbhh" << true << 0 << "";
    QTest::newRow("start over after a mismatch") << "bhbbhh" << true << 0 << "AUK_30111";
    QTest::newRow("buzzer override with permission 2") << "ssss" << false << 2 << "AUK_40007";
    QTest::newRow("buzzer override needs permission 2") << "ssss" << false << 1 << "";
    QTest::newRow("three silences are not four") << "sssh" << false << 2 << "";
}

void TestKeyDispatch::shortcuts()
{
    QFETCH(QString, sequence);
    QFETCH(bool, disconnected);
    QFETCH(int, permission);
    QFETCH(QString, shown);
    m_engine.disconnected = disconnected;
    m_engine.permission = permission;
    MessageCapture log;
    for (QChar key : sequence) {
        press(key == QLatin1Char('b')   ? &DB_TESK_FP_Interface::backPressed
              : key == QLatin1Char('h') ? &DB_TESK_FP_Interface::homePressed
                                        : &DB_TESK_FP_Interface::silencePressed);
    }
    for (const char *name : {"AUK_30111", "AUK_40007"})
        QCOMPARE(log.contains(QLatin1String(name)), shown == QLatin1String(name));
    // A fifth silence starts a new sequence.
    log.clear();
    press(&DB_TESK_FP_Interface::silencePressed);
    QVERIFY(!log.contains(QStringLiteral("AUK_40007")));
}

void TestKeyDispatch::fireReset_data()
{
    QTest::addColumn<int>("access");
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("shown");
    QTest::newRow("operator") << 3 << ""
                              << "AUK_40030 kind 8";
    QTest::newRow("below access level 2") << 1 << ""
                                          << "";
    QTest::newRow("key switch") << 2 << ""
                                << "AUK_40030 kind 8";
    QTest::newRow("repeater") << 3 << "repeater"
                              << "";
    QTest::newRow("network master") << 3 << "master"
                                    << "";
    QTest::newRow("confirmation stacked") << 3 << "stacked"
                                          << "";
    QTest::newRow("sounders sounding in a fire") << 3 << "sounding"
                                                 << "";
    QTest::newRow("sounding, investigate delay") << 3 << "sounding delay"
                                                 << "AUK_40030 kind 8";
    QTest::newRow("sounding, logical addressing") << 3 << "sounding logical"
                                                  << "AUK_40030 kind 8";
    QTest::newRow("sounding but silenced") << 3 << "sounding silenced"
                                           << "AUK_40030 kind 8";
    QTest::newRow("E30, monitored bus") << 1 << "e30 monitored"
                                        << "AUK_40061 kind 1";
    QTest::newRow("E30, unmonitored bus") << 1 << "e30"
                                          << "AUK_40061 kind 3";
}

void TestKeyDispatch::fireReset()
{
    QFETCH(int, access);
    QFETCH(QString, situation);
    QFETCH(QString, shown);
    m_engine.access = access;
    m_engine.gui = situation.contains(QLatin1String("repeater")) ? 2 : 0;
    m_engine.e30 = situation.contains(QLatin1String("e30"));
    m_engine.rbus = situation.contains(QLatin1String("monitored")) ? 1 : 0;
    if (situation.contains(QLatin1String("stacked")))
        m_engine.pages << QStringLiteral("AUK_40030") << QStringLiteral("AUK_30110");
    if (situation.contains(QLatin1String("master")))
        ScriptedSite::setValue(EngineBucket, QLatin1String(BucketKeys::mstrstat), QStringLiteral("1"));
    if (situation.contains(QLatin1String("sounding"))) {
        m_engine.fire = true;
        ScriptedSite::setValue(EngineBucket, QLatin1String(BucketKeys::sndrsact), QStringLiteral("1"));
    }
    if (situation.contains(QLatin1String("silenced")))
        ScriptedSite::setValue(EngineBucket, QLatin1String(BucketKeys::sndrsslncd), QStringLiteral("1"));
    if (situation.contains(QLatin1String("delay")))
        InvestigateDelayTimer::instance()->startDelay(60, 1);
    TeskGlobalConfig::instance()->setLogicalAddr(situation.contains(QLatin1String("logical")));
    press(&DB_TESK_FP_Interface::resetPressed);
    QCOMPARE(m_engine.shown, shown.isEmpty() ? QStringList() : QStringList{shown});
    QVERIFY(m_engine.calls.isEmpty());
}

void TestKeyDispatch::silenceSounders_data()
{
    QTest::addColumn<int>("access");
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("shown");
    QTest::newRow("silence") << 2 << ""
                             << "AUK_40030 kind 9";
    QTest::newRow("resound") << 2 << "silenced"
                             << "AUK_40039";
    QTest::newRow("not logged on") << 1 << ""
                                   << "";
    QTest::newRow("not logged on, template 1") << 1 << "template"
                                               << "AUK_40030 kind 9";
    QTest::newRow("network master") << 3 << "master"
                                    << "";
    QTest::newRow("E30, monitored bus") << 1 << "e30 monitored"
                                        << "AUK_40061 kind 2";
    QTest::newRow("E30, unmonitored bus") << 3 << "e30"
                                          << "AUK_40061 kind 3";
    QTest::newRow("repeater") << 3 << "repeater"
                              << "";
}

void TestKeyDispatch::silenceSounders()
{
    QFETCH(int, access);
    QFETCH(QString, situation);
    QFETCH(QString, shown);
    m_engine.access = access;
    m_engine.gui = situation.contains(QLatin1String("repeater")) ? 3 : 0;
    m_engine.e30 = situation.contains(QLatin1String("e30"));
    m_engine.rbus = situation.contains(QLatin1String("monitored")) ? 1 : 0;
    if (situation.contains(QLatin1String("master")))
        ScriptedSite::setValue(EngineBucket, QLatin1String(BucketKeys::mstrstat), QStringLiteral("1"));
    if (situation.contains(QLatin1String("silenced")))
        ScriptedSite::setValue(EngineBucket, QLatin1String(BucketKeys::sndrsslncd), QStringLiteral("1"));
    if (situation.contains(QLatin1String("template")))
        ScriptedSite::setValueAndNotify(41, QStringLiteral("tmplateID"), QStringLiteral("1"));
    press(&DB_TESK_FP_Interface::silencePanelPressed);
    QCOMPARE(m_engine.shown, shown.isEmpty() ? QStringList() : QStringList{shown});
}

void TestKeyDispatch::summaryKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("shown");
    QTest::newRow("general") << 0 << "AUK_30002"
                             << "AUK_30074";
    QTest::newRow("general on top") << 0 << "AUK_30074"
                                    << "";
    QTest::newRow("panel over another summary") << 1 << "AUK_30074"
                                                << "AUK_30075";
    QTest::newRow("sounders") << 2 << "AUK_30002"
                              << "AUK_30076";
    QTest::newRow("protection") << 3 << "AUK_30002"
                                << "AUK_30078";
    QTest::newRow("signalling") << 4 << "AUK_30002"
                                << "AUK_30077";
    QTest::newRow("signalling toggles") << 4 << "AUK_30077"
                                        << "AUK_30077_F";
    QTest::newRow("signalling toggles back") << 4 << "AUK_30077_F"
                                             << "AUK_30077";
    QTest::newRow("protection on the first template") << 3 << "template"
                                                      << "AUK_30078 controls";
    QTest::newRow("blocked on E30") << 0 << "e30"
                                    << "";
    QTest::newRow("blocked on a repeater") << 1 << "repeater"
                                           << "";
}

void TestKeyDispatch::summaryKeys()
{
    QFETCH(int, key);
    QFETCH(QString, top);
    QFETCH(QString, shown);
    void (DB_TESK_FP_Interface::*const summaryKeys[])() = {
        &DB_TESK_FP_Interface::generalPressed, &DB_TESK_FP_Interface::panelPressed,
        &DB_TESK_FP_Interface::soundersPressed, &DB_TESK_FP_Interface::protectionPressed,
        &DB_TESK_FP_Interface::signallingPressed};
    m_engine.e30 = top == QLatin1String("e30");
    m_engine.gui = top == QLatin1String("repeater") ? 2 : 0;
    m_engine.pages << top;
    if (top == QLatin1String("template"))
        ScriptedSite::setValueAndNotify(41, QStringLiteral("tmplateID"), QStringLiteral("1"));
    press(summaryKeys[key]);
    QCOMPARE(m_engine.shown, shown.isEmpty() ? QStringList() : QStringList{shown});
    QVERIFY(m_engine.calls.isEmpty());
}

void TestKeyDispatch::scandinavianKey()
{
    QSignalSpy input(InputSignaller::instance(), &InputSignaller::userInputReceived);
    press(&DB_TESK_FP_Interface::scandinavianPressed);
    QCOMPARE(input.size(), 1);
    QVERIFY(m_engine.shown.isEmpty());
    m_engine.fire = true;
    press(&DB_TESK_FP_Interface::scandinavianPressed);
    QCOMPARE(m_engine.shown, QStringList{QStringLiteral("AUK_30085")});
    QCOMPARE(input.size(), 2);
    // Once open, the fires screen takes the key itself.
    m_engine.pages << QStringLiteral("AUK_30085");
    press(&DB_TESK_FP_Interface::scandinavianPressed);
    QCOMPARE(m_engine.shown.size(), 1);
    m_engine.pages.removeLast();
    m_engine.gui = 2;
    press(&DB_TESK_FP_Interface::scandinavianPressed);
    QCOMPARE(input.size(), 3);
    QCOMPARE(m_engine.shown.size(), 1);
}

void TestKeyDispatch::confirmations()
{
    m_engine.pages << QStringLiteral("AUK_40030") << QStringLiteral("AUK_40030");
    InputSignaller::instance()->cancelPopup();
    InputSignaller::instance()->confirmSounders();
    GlobalShortcuts::instance()->setBuzzerOverride();
    QCOMPARE(m_engine.calls, QStringList({"pop 1", "pop 1", "pop 1", "override"}));
}

QTEST_MAIN(TestKeyDispatch)
#include "tst_keydispatch.moc"
