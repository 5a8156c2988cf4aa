#include "FakeClock.h"
#include "MessageCapture.h"
#include "frontpanel/PanelEnvironment.h"
#include "frontpanel/USBController.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The engine as the test sets it.
class TestEnvironment final : public PanelEnvironment
{
public:
    bool isE30Connected() const override { return e30; }
    bool isDisconnected() const override { return disconnected; }
    bool isFireActive() const override { return fire; }
    int accessLevel() const override { return access; }
    int userLevel() const override { return user; }
    QString topPageName() const override { return top; }
    void showMainScreen() override { ++mainScreens; }
    // A stick offers no log-on.
    void showLogonResult(int) override { QFAIL("a stick shows no log-on result"); }
    void showLogonHelp() override { QFAIL("a stick shows no log-on help"); }

    bool e30 = false;
    bool disconnected = false;
    bool fire = false;
    int access = 1;
    int user = 0;
    QString top = QStringLiteral("AUK_30002");
    int mainScreens = 0;
};

const char calibrationConfig[] = "<?xml version=\"1.0\"?>\n<service><tscal>true</tscal></service>\n";
const char plainConfig[] = "<?xml version=\"1.0\"?>\n<service><tscal>false</tscal><userid>3</userid></service>\n";

} // namespace

// The stick is a folder "../USB" beside the data folder; each case lays out
// its own.
class TestUSBController final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void usbPath();
    void insertion_data();
    void insertion();
    void startScreenLeavesIdleView();
    void calibrationSkipped();
    void removal_data();
    void removal();

private:
    void lay(const QStringList &entries, const QByteArray &config);
    // The pages offered after the 1 ms deferral, as "AUK_40031 kind 0".
    QStringList offered(const MessageCapture &capture) const;

    FakeClock m_clock;
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_previous;
    TestEnvironment m_environment;
};

void TestUSBController::init()
{
    m_previous = QDir::currentPath();
    m_root = std::make_unique<QTemporaryDir>();
    QDir root(m_root->path());
    QVERIFY(root.mkpath(QStringLiteral("data")) && root.mkpath(QStringLiteral("USB")));
    QVERIFY(QDir::setCurrent(root.filePath(QStringLiteral("data"))));
    m_environment = TestEnvironment();
    USBController::instance()->setEnvironment(&m_environment);
}

void TestUSBController::cleanup()
{
    USBController::instance()->usbStickUpdateSlot(false);
    USBController::instance()->setEnvironment(nullptr);
    QDir::setCurrent(m_previous);
    m_root.reset();
}

void TestUSBController::lay(const QStringList &entries, const QByteArray &config)
{
    const QDir stick(QStringLiteral("../USB"));
    for (const QString &entry : entries) {
        if (entry.endsWith(QLatin1Char('/'))) {
            QVERIFY(stick.mkpath(entry));
        } else {
            QFile file(stick.filePath(entry));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    if (!config.isEmpty()) {
        QFile file(stick.filePath(QStringLiteral("teskserviceconfig.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(config);
    }
}

QStringList TestUSBController::offered(const MessageCapture &capture) const
{
    QStringList pages;
    for (const QString &message : capture.messages()) {
        const int at = message.indexOf(QLatin1String("would show "));
        if (at >= 0)
            pages << message.mid(at + 11).remove(QLatin1Char('"')).simplified();
    }
    return pages;
}

void TestUSBController::usbPath()
{
    QCOMPARE(USBController::usbPath(), QStringLiteral("../USB"));
}

void TestUSBController::insertion_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("setting"); // "", "fire", "e30", "operator", "engineer", "link down"
    QTest::addColumn<QString>("flags"); // calibration, configuration, update directory, images
    QTest::addColumn<QStringList>("pages");

    const QStringList images{"uImage", "ubifs.img"};
    const QStringList update{"$update/"};
    QTest::newRow("images only: no popup") << images << QByteArray() << ""
                                           << "0001" << QStringList();
    QTest::newRow("one image is not the images") << QStringList{"uImage"} << QByteArray() << ""
                                                 << "0000" << QStringList();
    QTest::newRow("calibration") << QStringList() << QByteArray(calibrationConfig) << ""
                                 << "1100" << QStringList{"AUK_40037"};
    QTest::newRow("configuration without images") << QStringList() << QByteArray(plainConfig) << ""
                                                  << "0100" << QStringList{"AUK_40031 kind 4"};
    QTest::newRow("fire: flags only") << update + images << QByteArray(calibrationConfig) << "fire"
                                      << "1111" << QStringList();
    QTest::newRow("E30: configuration never read") << update << QByteArray(calibrationConfig) << "e30"
                                                   << "0000" << QStringList();
    QTest::newRow("operator logged on") << update << QByteArray() << "operator"
                                        << "0010" << QStringList{"AUK_40031 kind 0"};
    QTest::newRow("engineer logged on") << update << QByteArray() << "engineer"
                                        << "0010" << QStringList{"AUK_30091"};
    QTest::newRow("nobody, link up") << update << QByteArray() << ""
                                     << "0010" << QStringList();
    QTest::newRow("nobody, link down") << update << QByteArray() << "link down"
                                       << "0010" << QStringList{"AUK_30091"};
    QTest::newRow("a file named $ is no update directory") << QStringList{"$notadir"} << QByteArray() << "link down"
                                                           << "0000" << QStringList();
    QTest::newRow("configuration failing its schema is read")
        << QStringList() << QByteArray("<service><tscal>true</tscal><bogus/></service>") << ""
        << "1100" << QStringList{"AUK_40037"};
}

void TestUSBController::insertion()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, config);
    QFETCH(QString, setting);
    QFETCH(QString, flags);
    QFETCH(QStringList, pages);

    lay(entries, config);
    m_environment.fire = setting == QLatin1String("fire");
    m_environment.e30 = setting == QLatin1String("e30");
    m_environment.disconnected = setting == QLatin1String("link down");
    if (setting == QLatin1String("operator") || setting == QLatin1String("engineer")) {
        m_environment.access = 3;
        m_environment.user = setting == QLatin1String("operator") ? 10 : 11;
    }

    USBController *usb = USBController::instance();
    QSignalSpy status(usb, &USBController::usbStatusChange);
    QSignalSpy quit(usb, &USBController::quitQuiescentState);
    MessageCapture capture;
    usb->usbStickUpdateSlot(true);
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toBool(), true);
    QVERIFY(usb->isStickPresent());
    const QString seen = QStringLiteral("%1%2%3%4")
                             .arg(int(usb->isCalibrationRequested()))
                             .arg(int(usb->isConfigurationFilePresent()))
                             .arg(int(usb->hasUpdateDirectory()))
                             .arg(int(usb->hasFirmwareImages()));
    QCOMPARE(seen, flags);
    // The offer waits for the screen change of the current event.
    m_clock.advance(1);
    QCOMPARE(offered(capture), pages);
    QCOMPARE(quit.count(), 0);
}

void TestUSBController::startScreenLeavesIdleView()
{
    lay({QStringLiteral("$update/")}, QByteArray());
    m_environment.disconnected = true;
    m_environment.top = QStringLiteral("AUK_30001");
    USBController *usb = USBController::instance();
    QSignalSpy quit(usb, &USBController::quitQuiescentState);
    MessageCapture capture;
    usb->usbStickUpdateSlot(true);
    QCOMPARE(quit.count(), 1);
    m_clock.advance(1);
    QCOMPARE(offered(capture), QStringList{QStringLiteral("AUK_30091")});
}

// Once the user skips the countdown, the stick is read again and offers
// the update.
void TestUSBController::calibrationSkipped()
{
    lay({QStringLiteral("uImage"), QStringLiteral("ubifs.img")}, calibrationConfig);
    m_environment.access = 3;
    m_environment.user = 11;
    USBController *usb = USBController::instance();
    MessageCapture capture;
    usb->usbStickUpdateSlot(true);
    m_clock.advance(1);
    QCOMPARE(offered(capture), QStringList{QStringLiteral("AUK_40037")});
    usb->skipCalibration(true);
    usb->usbStickUpdateSlot(true);
    m_clock.advance(1);
    QCOMPARE(offered(capture), (QStringList{QStringLiteral("AUK_40037"), QStringLiteral("AUK_30091")}));
}

void TestUSBController::removal_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<bool>("disconnected");
    QTest::addColumn<bool>("reported");

    QTest::newRow("countdown") << "AUK_40037" << false << true;
    QTest::newRow("service confirmation") << "AUK_40030" << false << true;
    QTest::newRow("service message") << "AUK_40031" << false << true;
    QTest::newRow("log-on, link down") << "AUK_40001" << true << true;
    QTest::newRow("log-on, link up") << "AUK_40001" << false << false;
    QTest::newRow("home screen") << "AUK_30002" << false << false;
}

void TestUSBController::removal()
{
    QFETCH(QString, top);
    QFETCH(bool, disconnected);
    QFETCH(bool, reported);

    lay({QStringLiteral("uImage"), QStringLiteral("ubifs.img"), QStringLiteral("$u/")}, calibrationConfig);
    m_environment.fire = true;
    USBController *usb = USBController::instance();
    usb->skipCalibration(true);
    usb->usbStickUpdateSlot(true);
    m_environment.top = top;
    m_environment.disconnected = disconnected;
    QSignalSpy status(usb, &USBController::usbStatusChange);
    MessageCapture capture;
    usb->usbStickUpdateSlot(false);
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toBool(), false);
    QCOMPARE(m_environment.mainScreens, reported ? 1 : 0);
    QCOMPARE(offered(capture), reported ? QStringList{QStringLiteral("AUK_40031 kind 3")} : QStringList());
    QVERIFY(!usb->isStickPresent());
    QVERIFY(!usb->isCalibrationRequested() && !usb->isConfigurationFilePresent());
    QVERIFY(!usb->hasUpdateDirectory() && !usb->hasFirmwareImages());
}

QTEST_GUILESS_MAIN(TestUSBController)
#include "tst_usbcontroller.moc"
