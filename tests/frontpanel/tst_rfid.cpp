#include "MessageCapture.h"
#include "RecordingService.h"
#include "core/TeskGlobalConfig.h"
#include "frontpanel/DB_RFIDinterface.h"
#include "frontpanel/PanelEnvironment.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

class TestEnvironment final : public PanelEnvironment
{
public:
    bool isE30Connected() const override { return false; }
    bool isDisconnected() const override { return false; }
    bool isFireActive() const override { return false; }
    int accessLevel() const override { return access; }
    int userLevel() const override { return 0; }
    QString topPageName() const override { return top; }
    void showMainScreen() override { }
    void showLogonResult(int result) override { shown = QStringLiteral("AUK_40028 result %1").arg(result); }
    void showLogonHelp() override { shown = QStringLiteral("AUK_40025"); }

    int access = 1;
    QString shown;
    QString top = QStringLiteral("AUK_30002");
};

const QString secret = QStringLiteral("s3cret4711");

} // namespace

// Cards held to the reader, against the log-on rules.
class TestRFID final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cards_data();
    void cards();
    void busSignalReachesTheSlot();
    void writeCredentials();

private:
    TestEnvironment m_environment;
    std::unique_ptr<RecordingService> m_reader;
};

// The reader runs before the engine asks for it, as on a panel host.
void TestRFID::initTestCase()
{
    m_reader = std::make_unique<RecordingService>(QStringLiteral("svc.rfid"));
    QVERIFY(m_reader->isServing());
}

void TestRFID::init()
{
    m_environment = TestEnvironment();
    DB_RFIDinterface::instance()->setEnvironment(&m_environment);
    TeskGlobalConfig::instance()->setRestrictionMaskExt(0);
    TeskGlobalConfig::instance()->setKeyswitchEnabled(false);
}

void TestRFID::cleanup()
{
    DB_RFIDinterface::instance()->setEnvironment(nullptr);
}

void TestRFID::cards_data()
{
    QTest::addColumn<QString>("user"); // the card's first two characters
    QTest::addColumn<QString>("setting"); // "", "restricted", "key switch", "logged on", "key in"
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("emitted"); // b beep, r send request, l login, p popup attempt
    QTest::addColumn<QString>("shown"); // the popup pushed

    QTest::newRow("07 from the home screen") << "07"
                                             << ""
                                             << "AUK_30002"
                                             << "brlp"
                                             << "";
    QTest::newRow("07 from the fire-alarm screen") << "07"
                                                   << ""
                                                   << "AUK_30086"
                                                   << "brlp"
                                                   << "";
    QTest::newRow("99 from the fires screen") << "99"
                                              << ""
                                              << "AUK_30085"
                                              << "brlp"
                                              << "";
    QTest::newRow("07 from the log-on popup with the key in") << "07"
                                                              << "key in"
                                                              << "AUK_40001"
                                                              << "brlp"
                                                              << "";
    QTest::newRow("07 with a user logged on") << "07"
                                              << "logged on"
                                              << "AUK_30002"
                                              << "p"
                                              << "";
    QTest::newRow("07 with a menu on top") << "07"
                                           << ""
                                           << "AUK_30090"
                                           << "p"
                                           << "";
    QTest::newRow("00") << "00"
                        << ""
                        << "AUK_30002"
                        << ""
                        << "AUK_40028 result 0";
    QTest::newRow("AB") << "AB"
                        << ""
                        << "AUK_30002"
                        << ""
                        << "AUK_40028 result 0";
    QTest::newRow("one character") << "7"
                                   << ""
                                   << "AUK_30002"
                                   << ""
                                   << "AUK_40028 result 0";
    QTest::newRow("sign") << "+7"
                          << ""
                          << "AUK_30002"
                          << ""
                          << "AUK_40028 result 0";
    QTest::newRow("restricted") << "07"
                                << "restricted"
                                << "AUK_30002"
                                << ""
                                << "";
    QTest::newRow("restricted invalid card") << "AB"
                                             << "restricted"
                                             << "AUK_30002"
                                             << ""
                                             << "";
    QTest::newRow("key switch access, key off") << "07"
                                                << "key switch"
                                                << "AUK_30002"
                                                << "bp"
                                                << "AUK_40025";
    QTest::newRow("key switch access, key in") << "07"
                                               << "key switch, key in"
                                               << "AUK_30002"
                                               << "brlp"
                                               << "";
}

void TestRFID::cards()
{
    QFETCH(QString, user);
    QFETCH(QString, setting);
    QFETCH(QString, top);
    QFETCH(QString, emitted);
    QFETCH(QString, shown);

    if (setting == QLatin1String("restricted"))
        TeskGlobalConfig::instance()->setRestrictionMaskExt(0x8000);
    TeskGlobalConfig::instance()->setKeyswitchEnabled(setting.startsWith(QLatin1String("key switch")));
    if (setting.endsWith(QLatin1String("key in")))
        m_environment.access = 2;
    if (setting == QLatin1String("logged on"))
        m_environment.access = 3;
    m_environment.top = top;

    DB_RFIDinterface *rfid = DB_RFIDinterface::instance();
    QString order;
    QList<QStringList> carried;
    QObject context;
    connect(rfid, &DB_RFIDinterface::beep, &context, [&] { order += 'b'; });
    connect(rfid, &DB_RFIDinterface::sendLoginRequest, &context, [&] { order += 'r'; });
    connect(rfid, &DB_RFIDinterface::login, &context, [&](const QString &u, const QString &p) {
        order += 'l';
        carried << QStringList{u, p};
    });
    connect(rfid, &DB_RFIDinterface::loginAttemptedFromPopup, &context, [&](const QString &u, const QString &p) {
        order += 'p';
        carried << QStringList{u, p};
    });
    MessageCapture capture;
    rfid->RFIDReceiveBlockData(user + secret);

    QCOMPARE(order, emitted);
    for (const QStringList &arguments : qAsConst(carried))
        QCOMPARE(arguments, (QStringList{user, secret}));
    // The pass code never reaches a log line.
    for (const QString &message : capture.messages())
        QVERIFY2(!message.contains(QLatin1String("s3cret")), qPrintable(message));
    QCOMPARE(m_environment.shown, shown);
}

// The start-up connects the reader's bus signal to the card handling.
void TestRFID::busSignalReachesTheSlot()
{
    RecordingService &reader = *m_reader;
    DB_RFIDinterface *rfid = DB_RFIDinterface::instance();
    QSignalSpy data(rfid, &DB_RFIDinterface::RFIDSendBlockData);
    QSignalSpy results(rfid, &DB_RFIDinterface::writeCredentialsResult);
    QVERIFY(reader.sendSignal(QStringLiteral("vemo.rfid"), QStringLiteral("RFIDSendBlockData"),
                              {QStringLiteral("07") + secret}));
    QVERIFY(reader.sendSignal(QStringLiteral("vemo.rfid"), QStringLiteral("writeCredentialsResult"), {3}));
    QTRY_COMPARE(results.count(), 1);
    QCOMPARE(data.count(), 1);
    QCOMPARE(results.at(0).at(0).toInt(), 3);
}

void TestRFID::writeCredentials()
{
    RecordingService &reader = *m_reader;
    reader.clear();
    DB_RFIDinterface *rfid = DB_RFIDinterface::instance();
    rfid->writeCredentials(QStringLiteral("12"), QStringLiteral("9876"), 5);
    rfid->cancelWrite();
    QTRY_COMPARE(reader.calls(),
                 (QStringList{QStringLiteral("sendCredentialsToWrite 129876 5"), QStringLiteral("cancelWrite")}));
}

QTEST_GUILESS_MAIN(TestRFID)
#include "tst_rfid.moc"
