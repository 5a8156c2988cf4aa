#include "FakeClock.h"
#include "MessageCapture.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PacketBuffer.h"
#include "link/SyncClient.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Level = TESKEnumHolder::AccessLevelTESK;
Q_DECLARE_METATYPE(Level)

namespace {

constexpr int LogOnSubCode = 2;
constexpr int LogOffSubCode = 3;

// The payload bytes (after the header) of every packet the link client sent.
QList<QByteArray> sentPayloads(const QSignalSpy &sent)
{
    QList<QByteArray> payloads;
    for (const QList<QVariant> &packet : sent) {
        const QByteArray bytes = packet.at(1).toByteArray();
        payloads << bytes.mid(SC_PacketBuffer(bytes).headerLength());
    }
    return payloads;
}

} // namespace

// The access level and the log-out clock, from the controller's answers, the
// key switch and the link.
class tst_Security : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithNobody();
    void accessLevelFromPermissions_data();
    void accessLevelFromPermissions();
    void logoutIntervalPerLevel_data();
    void logoutIntervalPerLevel();
    void inactivityLogsOutLocallyAndAtThePanel();
    void inputRestartsOnlyARunningClock();
    void keySwitch_data();
    void keySwitch();
    void keyRemovalLogsTheUserOut();
    void bucketTwoUpdateEndsKeyIn();
    void linkLossLogsTheUserOut();
    void blockTimeLogout();
    void logonResult_data();
    void logonResult();
    void passcodeNeverLogged();
    void logonRequestLayout_data();
    void logonRequestLayout();

private:
    FakeClock m_clock;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Security> m_security;
    std::unique_ptr<QSignalSpy> m_sent;
};

void tst_Security::initTestCase()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void tst_Security::init()
{
    TeskGlobalConfig::instance()->setKeyswitchEnabled(false);
    TeskGlobalConfig::instance()->setEngineerLogoutTime(0);
    m_security = std::make_unique<Security>();
    m_sent = std::make_unique<QSignalSpy>(SyncClient::instance(), &SyncClient::SendPacket);
}

void tst_Security::cleanup()
{
    PageStack::destroyInstance();
    m_sent.reset();
    m_security.reset();
}

void tst_Security::startsWithNobody()
{
    QCOMPARE(m_security->userId(), quint8(255));
    QCOMPARE(m_security->userLevel(), 0);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_NOT_LOGGED_IN);
    QVERIFY(!m_security->inactivityTimer().isActive());
    for (int level = 0; level <= 15; ++level)
        QVERIFY(!m_security->hasPermission(level));
}

void tst_Security::accessLevelFromPermissions_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<Level>("expected");
    QTest::addColumn<bool>("timerRuns");

    QTest::newRow("operator level 2") << 5 << 2 << TESKEnumHolder::EN54_LOGGED_IN << true;
    QTest::newRow("operator level 3") << 5 << 3 << TESKEnumHolder::EN54_LOGGED_IN << true;
    QTest::newRow("operator level 10") << 99 << 10 << TESKEnumHolder::EN54_LOGGED_IN << true;
    QTest::newRow("engineer level 11") << 1 << 11 << TESKEnumHolder::EN54_ENGINEER << true;
    QTest::newRow("engineer level 14") << 5 << 14 << TESKEnumHolder::EN54_ENGINEER << true;
    QTest::newRow("engineer level 255") << 5 << 255 << TESKEnumHolder::EN54_ENGINEER << true;
    QTest::newRow("level 1 is no log-on") << 5 << 1 << TESKEnumHolder::EN54_NOT_LOGGED_IN << false;
    QTest::newRow("level 0 is no log-on") << 5 << 0 << TESKEnumHolder::EN54_NOT_LOGGED_IN << false;
    QTest::newRow("user 0") << 0 << 5 << TESKEnumHolder::EN54_NOT_LOGGED_IN << false;
    QTest::newRow("user 100") << 100 << 5 << TESKEnumHolder::EN54_NOT_LOGGED_IN << false;
    QTest::newRow("user 255") << 255 << 3 << TESKEnumHolder::EN54_NOT_LOGGED_IN << false;
}

void tst_Security::accessLevelFromPermissions()
{
    QFETCH(int, user);
    QFETCH(int, userLevel);
    QFETCH(Level, expected);
    QFETCH(bool, timerRuns);

    QSignalSpy changed(m_security.get(), &Security::permissionsChanged);
    QSignalSpy loggedOn(m_security.get(), &Security::loginNotify);
    m_security->permissionsUpdate(quint8(user), quint8(userLevel));

    QCOMPARE(m_security->accessLevel(), expected);
    QCOMPARE(m_security->inactivityTimer().isActive(), timerRuns);
    QCOMPARE(loggedOn.count(), timerRuns ? 1 : 0);
    QCOMPARE(changed.count(), expected == TESKEnumHolder::EN54_NOT_LOGGED_IN ? 0 : 1);
    if (timerRuns) {
        QCOMPARE(changed.first().first().value<Level>(), expected);
        QVERIFY(m_security->hasPermission(userLevel));
        QVERIFY(!m_security->hasPermission(userLevel + 1));
    }
}

void tst_Security::logoutIntervalPerLevel_data()
{
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<int>("engineerTime");
    QTest::addColumn<int>("interval");

    for (int level = 2; level <= 10; ++level)
        QTest::addRow("level %d", level) << level << 600000 << 120000;
    QTest::newRow("level 11") << 11 << 600000 << 900000;
    QTest::newRow("level 12") << 12 << 600000 << 900000;
    QTest::newRow("level 13") << 13 << 600000 << 900000;
    QTest::newRow("level 14, configured") << 14 << 600000 << 600000;
    QTest::newRow("level 14, none configured") << 14 << 0 << 120000;
    QTest::newRow("level 14, bad configuration") << 14 << -5 << 120000;
    QTest::newRow("level 15") << 15 << 600000 << 900000;
    QTest::newRow("level 200") << 200 << 600000 << 900000;
}

void tst_Security::logoutIntervalPerLevel()
{
    QFETCH(int, userLevel);
    QFETCH(int, engineerTime);
    QFETCH(int, interval);

    TeskGlobalConfig::instance()->setEngineerLogoutTime(engineerTime);
    m_security->permissionsUpdate(5, quint8(userLevel));
    QCOMPARE(m_security->inactivityTimer().interval(), interval);
    QVERIFY(m_security->inactivityTimer().isActive());
}

void tst_Security::inactivityLogsOutLocallyAndAtThePanel()
{
    QSignalSpy changed(m_security.get(), &Security::permissionsChanged);
    QSignalSpy loggedOut(m_security.get(), &Security::logoutNotify);
    m_security->permissionsUpdate(5, 12);
    m_clock.advance(Security::EngineerLogoutMs - 1);
    QCOMPARE(loggedOut.count(), 0);
    m_clock.advance(1);
    QCOMPARE(loggedOut.count(), 1);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_NOT_LOGGED_IN);
    QCOMPARE(m_security->userId(), quint8(255));
    QCOMPARE(changed.last().first().value<Level>(), TESKEnumHolder::EN54_NOT_LOGGED_IN);
    QVERIFY(!m_security->inactivityTimer().isActive());
    QCOMPARE(sentPayloads(*m_sent), QList<QByteArray>{QByteArray(1, char(LogOffSubCode))});
}

void tst_Security::inputRestartsOnlyARunningClock()
{
    m_security->kickTimeoutClock();
    QVERIFY(!m_security->inactivityTimer().isActive());

    m_security->permissionsUpdate(5, 3);
    m_clock.advance(Security::OperatorLogoutMs / 2);
    m_security->kickTimeoutClock();
    QVERIFY(m_security->inactivityTimer().isActive());
    m_clock.advance(Security::OperatorLogoutMs - 1);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_LOGGED_IN);
    m_clock.advance(1);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_NOT_LOGGED_IN);
}

void tst_Security::keySwitch_data()
{
    QTest::addColumn<bool>("keyAccess");
    QTest::addColumn<bool>("loggedOnFirst");
    QTest::addColumn<bool>("key");
    QTest::addColumn<Level>("expected");
    QTest::addColumn<int>("keyIns");
    QTest::addColumn<int>("keyOuts");
    QTest::addColumn<int>("keyStates");
    QTest::addColumn<int>("changes");

    QTest::newRow("key in") << true << false << true << TESKEnumHolder::EN54_KEY_IN << 1 << 0 << 0 << 1;
    QTest::newRow("key out") << true << false << false << TESKEnumHolder::EN54_NOT_LOGGED_IN << 0 << 1 << 0 << 1;
    QTest::newRow("key in ends a log-on") << true << true << true << TESKEnumHolder::EN54_KEY_IN << 1 << 0 << 0 << 1;
    QTest::newRow("no key access: key in")
        << false << false << true << TESKEnumHolder::EN54_NOT_LOGGED_IN << 0 << 0 << 1 << 0;
    QTest::newRow("no key access: logged on, key out")
        << false << true << false << TESKEnumHolder::EN54_LOGGED_IN << 0 << 0 << 1 << 0;
}

void tst_Security::keySwitch()
{
    QFETCH(bool, keyAccess);
    QFETCH(bool, loggedOnFirst);
    QFETCH(bool, key);
    QFETCH(Level, expected);
    QFETCH(int, keyIns);
    QFETCH(int, keyOuts);
    QFETCH(int, keyStates);
    QFETCH(int, changes);

    TeskGlobalConfig::instance()->setKeyswitchEnabled(keyAccess);
    if (loggedOnFirst)
        m_security->permissionsUpdate(5, 3);
    QSignalSpy keyIn(m_security.get(), &Security::keyIn);
    QSignalSpy keyOut(m_security.get(), &Security::keyOut);
    QSignalSpy keyState(m_security.get(), &Security::keyState);
    QSignalSpy changed(m_security.get(), &Security::permissionsChanged);

    m_security->keyswitchUpdateSlot(key);
    QCOMPARE(m_security->accessLevel(), expected);
    QCOMPARE(keyIn.count(), keyIns);
    QCOMPARE(keyOut.count(), keyOuts);
    QCOMPARE(keyState.count(), keyStates);
    QCOMPARE(changed.count(), changes);
    QCOMPARE(m_security->isKeySwitchOn(), key);
    if (keyAccess) {
        QCOMPARE(m_security->userId(), quint8(255));
        QCOMPARE(m_security->userLevel(), 0);
    }

    // A second report of the same key state still announces the level.
    m_security->keyswitchUpdateSlot(key);
    QCOMPARE(changed.count(), changes * 2);
}

void tst_Security::keyRemovalLogsTheUserOut()
{
    TeskGlobalConfig::instance()->setKeyswitchEnabled(true);
    m_security->keyswitchUpdateSlot(true);
    m_security->permissionsUpdate(5, 3);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_LOGGED_IN);

    // A log-off from the panel falls back to the key.
    QSignalSpy loggedOut(m_security.get(), &Security::logoutNotify);
    m_security->permissionsUpdate(255, 0);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_KEY_IN);
    QCOMPARE(loggedOut.count(), 1);

    m_security->permissionsUpdate(5, 14);
    m_sent->clear();
    m_security->keyswitchUpdateSlot(false);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_NOT_LOGGED_IN);
    QCOMPARE(m_security->userId(), quint8(255));
    QVERIFY(!m_security->inactivityTimer().isActive());
    QVERIFY(!m_security->hasPermission(2));
    QCOMPARE(sentPayloads(*m_sent), QList<QByteArray>{QByteArray(1, char(LogOffSubCode))});
}

void tst_Security::bucketTwoUpdateEndsKeyIn()
{
    TeskGlobalConfig::instance()->setKeyswitchEnabled(true);
    m_security->permissionsUpdate(5, 3);
    m_security->updateKeySwitch();
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_LOGGED_IN);

    m_security->keyswitchUpdateSlot(true);
    QSignalSpy keyOut(m_security.get(), &Security::keyOut);
    m_security->updateKeySwitch();
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_NOT_LOGGED_IN);
    QVERIFY(!m_security->isKeySwitchOn());
    QCOMPARE(keyOut.count(), 1);
}

void tst_Security::linkLossLogsTheUserOut()
{
    m_security->permissionsUpdate(7, 12);
    QSignalSpy loggedOut(m_security.get(), &Security::logoutNotify);
    QSignalSpy changed(m_security.get(), &Security::permissionsChanged);

    m_security->updatePermission(true);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_ENGINEER);

    m_security->updatePermission(false);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_NOT_LOGGED_IN);
    QCOMPARE(m_security->userId(), quint8(255));
    QCOMPARE(loggedOut.count(), 1);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_security->inactivityTimer().isActive());

    // Through the link client's own signal, as the start-up wires it.
    m_security->permissionsUpdate(7, 3);
    connect(SyncClient::instance(), &SyncClient::updateEnetConnectedToPanel, m_security.get(),
            &Security::updatePermission);
    emit SyncClient::instance()->updateEnetConnectedToPanel(false);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_NOT_LOGGED_IN);
}

void tst_Security::blockTimeLogout()
{
    m_security->permissionsUpdate(5, 3);
    QSignalSpy blocked(m_security.get(), &Security::tempLogoutBlock);
    QSignalSpy restarted(m_security.get(), &Security::tempLogoutRestart);

    m_security->blockTimeLogout(true);
    QVERIFY(!m_security->inactivityTimer().isActive());
    QCOMPARE(blocked.count(), 1);

    m_security->blockTimeLogout(false);
    QVERIFY(m_security->inactivityTimer().isActive());
    QCOMPARE(m_security->inactivityTimer().interval(), 120000);
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_LOGGED_IN);
    QCOMPARE(restarted.count(), 1);
}

void tst_Security::logonResult_data()
{
    QTest::addColumn<bool>("requestSent");
    QTest::addColumn<int>("user");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("shown");

    QTest::newRow("refused by a permissions update") << true << 255 << -1 << QStringLiteral("result 0");
    QTest::newRow("accepted") << true << 5 << -1 << QString();
    QTest::newRow("refusal code") << true << -1 << 7 << QStringLiteral("result 7");
    QTest::newRow("answer 1, nobody on") << true << -1 << 1 << QStringLiteral("result 0");
    QTest::newRow("answer 0 after a log-on") << true << 5 << 0 << QString();
    QTest::newRow("no request pending") << false << -1 << 7 << QString();
}

void tst_Security::logonResult()
{
    QFETCH(bool, requestSent);
    QFETCH(int, user);
    QFETCH(int, answer);
    QFETCH(QString, shown);

    MessageCapture capture;
    if (requestSent)
        m_security->setLoginRequestSent();
    if (user >= 0)
        m_security->permissionsUpdate(quint8(user), user == 255 ? 0 : 3);
    if (answer >= 0)
        m_security->ackResponseReceived(eAckResponse(answer));

    QVERIFY(!m_security->isLoginRequestSent());
    const QStringList results = capture.messages().filter(QStringLiteral("Security::showLogonResult"));
    const QStringList pages = PageStack::instance()->pageNames();
    PageStack::destroyInstance();
    if (shown.isEmpty()) {
        QVERIFY2(results.isEmpty(), qPrintable(results.join('\n')));
        QVERIFY(!pages.contains(QStringLiteral("AUK_40028")));
    } else {
        QCOMPARE(results.size(), 1);
        QVERIFY(results.first().contains(shown));
        // The operator sees the result.
        QCOMPARE(pages, QStringList{"AUK_40028"});
    }
}

// Whatever a log-on goes through - accepted, refused, malformed - the
// passcode reaches the controller's packet and nothing else: no log line
// and no file.
void tst_Security::passcodeNeverLogged()
{
    const QString passcode = QStringLiteral("731946");
    SyncClient *link = SyncClient::instance();
    connect(link, &SyncClient::loginRequestSent, m_security.get(), &Security::setLoginRequestSent);
    connect(link, &SyncClient::permissionsUpdate, m_security.get(), &Security::permissionsUpdate);
    connect(link, &SyncClient::acknowledgementStatus, m_security.get(), &Security::ackResponseReceived);

    MessageCapture capture;
    link->login(QStringLiteral("07"), passcode);
    emit link->permissionsUpdate(255, 0);
    link->login(QStringLiteral("07"), passcode);
    emit link->acknowledgementStatus(eAckResponse(9));
    link->login(QStringLiteral("7"), passcode);
    link->login(QStringLiteral("07"), passcode + QStringLiteral("0123456789abcdef"));
    link->login(QStringLiteral("07"), passcode);
    emit link->permissionsUpdate(7, 3);

    QVERIFY(!capture.messages().isEmpty());
    for (const QString &message : capture.messages())
        QVERIFY2(!message.contains(passcode), qPrintable(message));

    QDirIterator files(QDir::currentPath(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(!file.readAll().contains(passcode.toUtf8()), qPrintable(file.fileName()));
    }

    // Three requests went out, each with the passcode.
    const QList<QByteArray> payloads = sentPayloads(*m_sent);
    QCOMPARE(payloads.size(), 3);
    for (const QByteArray &payload : payloads)
        QVERIFY(payload.contains(passcode.toUtf8()));
    QCOMPARE(m_security->accessLevel(), TESKEnumHolder::EN54_LOGGED_IN);
}

void tst_Security::logonRequestLayout_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("passcode");
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("user 7, no passcode") << "07"
                                         << "" << QByteArray::fromHex("02070000");
    QTest::newRow("user 42") << "42"
                             << "1234" << QByteArray::fromHex("022a000431323334");
    QTest::newRow("19 characters") << "99"
                                   << "1234567890123456789"
                                   << QByteArray::fromHex("0263001331323334353637383930313233343536373839");
    QTest::newRow("20 characters") << "99"
                                   << "12345678901234567890" << QByteArray();
    QTest::newRow("one digit") << "7"
                               << "1" << QByteArray();
    QTest::newRow("three digits") << "007"
                                  << "1" << QByteArray();
    QTest::newRow("user 0") << "00"
                            << "1" << QByteArray();
    QTest::newRow("not a number") << "a7"
                                  << "1" << QByteArray();
    QTest::newRow("signed") << "+7"
                            << "1" << QByteArray();
    QTest::newRow("blank") << " 7"
                           << "1" << QByteArray();
}

void tst_Security::logonRequestLayout()
{
    QFETCH(QString, user);
    QFETCH(QString, passcode);
    QFETCH(QByteArray, payload);

    QSignalSpy requested(SyncClient::instance(), &SyncClient::loginRequestSent);
    SyncClient::instance()->login(user, passcode);
    if (payload.isEmpty()) {
        QCOMPARE(m_sent->count(), 0);
        QCOMPARE(requested.count(), 0);
        return;
    }
    QCOMPARE(sentPayloads(*m_sent), QList<QByteArray>{payload});
    QCOMPARE(requested.count(), 1);
    QCOMPARE(m_sent->first().at(0).toInt(), int(SyncClient::LkSpeakChannel));
    const SC_PacketBuffer sent(m_sent->first().at(1).toByteArray());
    QCOMPARE(sent.header().functionCode, 245);
    QCOMPARE(int(sent.lengthField()), sent.headerLength() + payload.size());
    QCOMPARE(int(payload.at(0)), LogOnSubCode);
}

QTEST_MAIN(tst_Security)
#include "tst_security.moc"
