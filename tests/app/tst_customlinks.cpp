#include "../pointmodels/ScriptedSite.h"
#include "FakeClock.h"
#include "app/AUK_30001.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "core/TeskGlobalConfig.h"
#include "screens/status/CustomLinks.h"
#include "widgets/AUK_90002.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr quint8 NoUser = 255;
constexpr quint8 SomeUser = 5;

// Access level 1 nobody, 2 the key switch, 3 and above a user of the level.
void logOn(int accessLevel, int userLevel)
{
    const bool keyIn = accessLevel == 2;
    TeskGlobalConfig::instance()->setKeyswitchEnabled(keyIn);
    Security::instance()->keyswitchUpdateSlot(keyIn);
    Security::instance()->permissionsUpdate(accessLevel <= 2 ? NoUser : SomeUser, quint8(userLevel));
}

} // namespace

// The home screen's shortcut buttons: who gets which, and what a tap opens.
class tst_CustomLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buttonForTheLogOn_data();
    void buttonForTheLogOn();
    void selfTestLinkStartsTheTest();
    void customTasksLinkOpensTheTasks();
    void tapAfterLogOffOpensNothing();
    void eventLogLinksOpenTheFilterScreens();
    void linksToScreensNotBuiltOpenNothing();

private:
    FakeClock m_clock;
    std::unique_ptr<CustomLinks> m_links;
};

void tst_CustomLinks::initTestCase()
{
    static QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
}

void tst_CustomLinks::init()
{
    ScriptedSite::reset();
    m_links = std::make_unique<CustomLinks>(nullptr);
    PageStack::instance()->push(new AUK_30001);
}

void tst_CustomLinks::cleanup()
{
    m_links.reset();
    logOn(1, 1);
    PageStack::destroyInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_CustomLinks::buttonForTheLogOn_data()
{
    QTest::addColumn<int>("accessLevel");
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<int>("linkId");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    // Links whose screens are not built yet give disabled buttons.
    QTest::newRow("23 with the key") << 2 << 2 << 23 << "_BY_ZONE_ICONBTN" << false;
    QTest::newRow("23 for nobody") << 1 << 2 << 23 << QString() << false;
    QTest::newRow("21 at 3 and 10") << 3 << 10 << 21 << QString() << false;
    QTest::newRow("21 at 4 and 11") << 4 << 11 << 21 << "_BY_POINT_ICONBTN" << false;
    QTest::newRow("21 with the key at 11") << 2 << 11 << 21 << QString() << false;
    QTest::newRow("57 at 11") << 4 << 11 << 57 << QString() << false;
    QTest::newRow("57 at 12") << 4 << 12 << 57 << "_AUTO_CONFIGURE_ICONBTN" << false;
    QTest::newRow("10 self-test") << 3 << 2 << 10 << "_GUI_TEST_ICONBTN" << true;
    QTest::newRow("10 with the key") << 2 << 2 << 10 << QString() << false;
    QTest::newRow("12 custom tasks at 7") << 3 << 7 << 12 << "_CUSTOM_TASKS_ICONBTN" << true;
    QTest::newRow("12 custom tasks at 6") << 3 << 6 << 12 << QString() << false;
    QTest::newRow("52 opens nothing by design") << 3 << 6 << 52 << "_POINT_OF_CONTACT_ICONBTN" << true;
    QTest::newRow("41 event log by status") << 3 << 4 << 41 << "_STATUS_ICONBTN" << true;
    QTest::newRow("42 event log by date") << 4 << 11 << 42 << "_DATE_TIME_ICONBTN" << true;
    QTest::newRow("41 below its user level") << 3 << 3 << 41 << QString() << false;
    QTest::newRow("0 is no link") << 4 << 12 << 0 << QString() << false;
    QTest::newRow("unknown id") << 4 << 12 << 99 << QString() << false;
}

void tst_CustomLinks::buttonForTheLogOn()
{
    QFETCH(int, accessLevel);
    QFETCH(int, userLevel);
    QFETCH(int, linkId);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    logOn(accessLevel, userLevel);
    QCOMPARE(int(Security::instance()->accessLevel()), accessLevel);
    std::unique_ptr<QWidget> button(m_links->createLinkButton(linkId));
    QCOMPARE(bool(button), !text.isEmpty());
    if (!button)
        return;
    auto *icon = qobject_cast<AUK_90002 *>(button.get());
    QVERIFY(icon);
    QCOMPARE(icon->text(), text);
    QCOMPARE(icon->property("value").toString(), QString::number(linkId));
    QCOMPARE(icon->isEnabled(), enabled);
    QVERIFY(!icon->parent());
}

void tst_CustomLinks::selfTestLinkStartsTheTest()
{
    logOn(3, 2);
    std::unique_ptr<QWidget> button(m_links->createLinkButton(10));
    QVERIFY(button);
    emit qobject_cast<BaseButton *>(button.get())->clicked(QStringLiteral("10"));
    QCOMPARE(PageStack::instance()->pageNames(), QStringList({"AUK_30001", "AUK_40003"}));
    const auto *status = PageStack::instance()->findChild<QLabel *>(QStringLiteral("testDisplayStatus"));
    QVERIFY(status);
    QVERIFY(status->text() != QStringLiteral("_PENDING_POPUPSTATUS"));
}

void tst_CustomLinks::customTasksLinkOpensTheTasks()
{
    logOn(3, 7);
    std::unique_ptr<QWidget> button(m_links->createLinkButton(12));
    QVERIFY(button);
    emit qobject_cast<BaseButton *>(button.get())->clicked(QStringLiteral("12"));
    QCOMPARE(PageStack::instance()->pageNames(), QStringList({"AUK_30001", "AUK_30008"}));
}

void tst_CustomLinks::tapAfterLogOffOpensNothing()
{
    logOn(3, 2);
    std::unique_ptr<QWidget> button(m_links->createLinkButton(10));
    QVERIFY(button);
    logOn(1, 1);
    emit qobject_cast<BaseButton *>(button.get())->clicked(QStringLiteral("10"));
    QCOMPARE(PageStack::instance()->pageNames(), QStringList({"AUK_30001"}));
}

void tst_CustomLinks::eventLogLinksOpenTheFilterScreens()
{
    logOn(3, 4);
    m_links->buttonClicked(QStringLiteral("41"));
    QCOMPARE(PageStack::instance()->pageNames(), QStringList({"AUK_30001", "AUK_30069"}));
    m_links->buttonClicked(QStringLiteral("42"));
    QCOMPARE(PageStack::instance()->pageNames(), QStringList({"AUK_30001", "AUK_30069", "AUK_30072"}));
}

void tst_CustomLinks::linksToScreensNotBuiltOpenNothing()
{
    logOn(4, 12);
    QTest::ignoreMessage(QtDebugMsg, "CustomLinks: AUK_30019 is not built yet");
    m_links->buttonClicked(QStringLiteral("23"));
    m_links->buttonClicked(QStringLiteral("52"));
    m_links->buttonClicked(QStringLiteral("ten"));
    QCOMPARE(PageStack::instance()->pageNames(), QStringList({"AUK_30001"}));
    QVERIFY(!m_links->createLinkScreen(52));
}

QTEST_MAIN(tst_CustomLinks)
#include "tst_customlinks.moc"
