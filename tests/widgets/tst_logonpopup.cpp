#include "../pointmodels/ScriptedSite.h"
#include "KeypadPresses.h"
#include "MessageCapture.h"
#include "NamedChild.h"
#include "PacketBytes.h"
#include "PageUnderPopups.h"
#include "SentPackets.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/EnginePanelEnvironment.h"
#include "app/PageStack.h"
#include "core/BucketKeys.h"
#include "core/TeskGlobalConfig.h"
#include "frontpanel/DB_RFIDinterface.h"
#include "link/SyncClient.h"
#include "screens/popups/AUK_40001.h"
#include "screens/popups/AUK_40026.h"
#include "widgets/AUK_90001A.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int EngineBucket = 0;

const char *const BoxNames[] = {"id_bg_1",       "id_bg_2",       "password_bg_1", "password_bg_2",
                                "password_bg_3", "password_bg_4", "password_bg_5", "password_bg_6"};

QImage pixmapOf(const AUK_40001 *popup, const char *name)
{
    return namedChild<QLabel>(popup, name)->pixmap(Qt::ReturnByValue).toImage();
}

// The boxes drawn with the highlighted image.
QStringList highlighted(const AUK_40001 *popup)
{
    const QImage selected =
        QPixmap(QStringLiteral("../resources/Buttons/AUK_80035_login_number_box_selected.png")).toImage();
    QStringList names;
    for (const char *name : BoxNames) {
        if (pixmapOf(popup, name) == selected)
            names << QLatin1String(name);
    }
    return names;
}

void setMasterPanel(bool master)
{
    ScriptedSite::setValue(EngineBucket, QLatin1String(BucketKeys::mstrstat),
                           master ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace

// The log-on popup: the entry, what OK hands on, card log-ons and card
// writing, and the start-up form.
class tst_LogonPopup : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

    AUK_40001 *pushed(bool rfidWriteMode = false, bool noDirectLogin = true)
    {
        auto *popup = new AUK_40001(rfidWriteMode, noDirectLogin, nullptr);
        PageStack::instance()->push(popup);
        return popup;
    }

private slots:
    void init()
    {
        ScriptedSite::reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup() { m_page.reset(); }

    void entry_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("userShown");
        QTest::addColumn<QStringList>("highlight");
        QTest::addColumn<bool>("okVisible");
        QTest::addColumn<bool>("deleteLit");
        QTest::newRow("nothing") << QStringList{} << "" << QStringList{} << false << true;
        QTest::newRow("1") << QStringList{"1"} << "1" << QStringList{"id_bg_2"} << true << false;
        QTest::newRow("0 0") << QStringList{"0", "0"} << "00" << QStringList{"password_bg_1"} << false << false;
        QTest::newRow("0 then 7") << QStringList{"0", "7"} << "07" << QStringList{"password_bg_1"} << true << false;
        QTest::newRow("ten digits fill eight boxes")
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"} << "12" << QStringList{} << true << false;
        QTest::newRow("delete at position 0") << QStringList{"DEL"} << " " << QStringList{"id_bg_1"} << false << true;
        QTest::newRow("digit, delete") << QStringList{"4", "DEL"} << " " << QStringList{"id_bg_1"} << false << true;
        QTest::newRow("three, delete") << QStringList{"4", "2", "9", "DEL"} << "42" << QStringList{"password_bg_1"}
                                       << true << false;
    }

    void entry()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, userShown);
        QFETCH(QStringList, highlight);
        QFETCH(bool, okVisible);
        QFETCH(bool, deleteLit);
        AUK_40001 *popup = pushed();
        pressKeys(popup, keys);
        QCOMPARE(labelText(popup, "id_value_1") + labelText(popup, "id_value_2"), userShown);
        QCOMPARE(highlighted(popup), highlight);
        QCOMPARE(popup->leftButtonVisible(), okVisible);
        QCOMPARE(namedChild<KeypadButton>(popup, "keypadButton_del")->light(), deleteLit);
    }

    void okEmits_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("passcode");
        QTest::newRow("07 1234") << QStringList{"0", "7", "1", "2", "3", "4"} << "07"
                                 << "1234";
        QTest::newRow("5 alone") << QStringList{"5"} << "5 "
                                 << "";
        QTest::newRow("eight digits") << QStringList{"9", "9", "1", "2", "3", "4", "5", "6"} << "99"
                                      << "123456";
        QTest::newRow("ten digits keep eight") << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"} << "12"
                                               << "345678";
        QTest::newRow("a deleted digit is gone") << QStringList{"0", "3", "1", "2", "DEL", "8"} << "03"
                                                 << "18";
    }

    void okEmits()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, user);
        QFETCH(QString, passcode);
        QPointer<AUK_40001> popup = pushed();
        QSignalSpy login(popup.data(), &AUK_40001::login);
        pressKeys(popup, keys);
        QVERIFY(login.isEmpty());
        pressKeys(popup, {"OK"});
        QCOMPARE(login.count(), 1);
        QCOMPARE(login.first(), (QList<QVariant>{user, passcode}));
        QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_40001")));
    }

    // The passcode shows only as circles: two different digits draw the same
    // picture, and it is not an empty box.
    void passcodeShowsCircles()
    {
        AUK_40001 *first = pushed();
        pressKeys(first, {"0", "7"});
        const QRect box = namedChild<QLabel>(first, "password_value_1")->geometry();
        const QImage empty = WidgetShot::grab(first).copy(box);
        pressKeys(first, {"1"});
        const QImage one = WidgetShot::grab(first).copy(box);
        QVERIFY(labelText(first, "password_value_1").isEmpty());

        AUK_40001 *second = pushed();
        pressKeys(second, {"0", "7", "8"});
        const QImage eight = WidgetShot::grab(second).copy(box);
        QCOMPARE(one, eight);
        QVERIFY(one != empty);
        // A drawn digit would differ: the user id box with a 1 is not the circle.
        const QRect idBox = namedChild<QLabel>(first, "id_value_1")->geometry();
        pressKeys(second, {"DEL", "DEL", "DEL", "1"});
        QVERIFY(WidgetShot::grab(second).copy(idBox) != one);
    }

    // The passcode never reaches the log, even on its way to the panel.
    void passcodeNeverLogged()
    {
        MessageCapture messages;
        AUK_40001 *popup = pushed(false, false);
        pressKeys(popup, {"0", "7", "9", "3", "5", "1", "OK"});
        for (const QString &line : messages.messages()) {
            QVERIFY2(!line.contains(QLatin1String("9351")), qPrintable(line));
            QVERIFY2(!line.contains(QLatin1String("39 33 35 31")), qPrintable(line));
        }
    }

    void sentThroughTheLink()
    {
        TeskGlobalConfig::instance()->setPacketHeaderLayout(599);
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        QSignalSpy pending(SyncClient::instance(), &SyncClient::loginRequestSent);
        AUK_40001 *popup = pushed(false, false);
        pressKeys(popup, {"0", "7", "1", "2", "3", "4", "OK"});
        const QByteArrayList packets = lkSpeakSent(sent);
        QCOMPARE(packets.size(), 1);
        QVERIFY2(packets.first().endsWith(hex("02 07 00 04 31 32 33 34")), packets.first().toHex(' ').constData());
        QCOMPARE(pending.count(), 1);
    }

    void noDirectLoginSendsNothing()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        pressKeys(pushed(false, true), {"0", "7", "1", "2", "3", "4", "OK"});
        QVERIFY(lkSpeakSent(sent).isEmpty());
    }

    void cardLogOn_data()
    {
        QTest::addColumn<bool>("otherPageOnTop");
        QTest::newRow("popup on top") << false;
        QTest::newRow("another page on top") << true;
    }

    void cardLogOn()
    {
        QFETCH(bool, otherPageOnTop);
        QPointer<AUK_40001> popup = pushed();
        QSignalSpy login(popup.data(), &AUK_40001::login);
        if (otherPageOnTop)
            PageStack::instance()->push(new AUK_90001A);
        emit DB_RFIDinterface::instance()->loginAttemptedFromPopup(QStringLiteral("12"), QStringLiteral("4321"));
        QCOMPARE(login.count(), otherPageOnTop ? 0 : 1);
        QCOMPARE(PageStack::instance()->containsPage(QStringLiteral("AUK_40001")), otherPageOnTop);
        if (!otherPageOnTop)
            QCOMPARE(login.first(), (QList<QVariant>{"12", "4321"}));
    }

    // A card held to the reader while the popup is on top logs its user on
    // once: the reader sends the log-on, and the popup closes.
    void cardOnThePopupLogsOnOnce()
    {
        EnginePanelEnvironment environment;
        DB_RFIDinterface *reader = DB_RFIDinterface::instance();
        reader->setEnvironment(&environment);
        TeskGlobalConfig::instance()->setPacketHeaderLayout(599);
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        pushed(false, false);
        reader->RFIDReceiveBlockData(QStringLiteral("071234"));
        reader->setEnvironment(nullptr);
        const QByteArrayList packets = lkSpeakSent(sent);
        QCOMPARE(packets.size(), 1);
        QVERIFY2(packets.first().endsWith(hex("02 07 00 04 31 32 33 34")), packets.first().toHex(' ').constData());
        QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_40001")));
    }

    void cardWriting()
    {
        QPointer<AUK_40001> popup = pushed(true, false);
        QSignalSpy written(popup.data(), &AUK_40001::rfidCredentialsSent);
        QSignalSpy login(popup.data(), &AUK_40001::login);
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        QCOMPARE(popup->title(), QStringLiteral("_WRITE_RFID_POPUPTITLEWIDE"));
        pressKeys(popup, {"0", "7", "1", "2", "3", "4", "OK"});
        QCOMPARE(written.count(), 1);
        QCOMPARE(written.first(), (QList<QVariant>{"07", "1234", 5}));
        pressKeys(popup, {"OK"});
        QCOMPARE(written.count(), 1);
        QVERIFY(login.isEmpty());
        QVERIFY(lkSpeakSent(sent).isEmpty());
        // The popup stays for the result; its own Cancel closes it.
        QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40001")));
        emit popup->rightButtonClicked();
        QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_40001")));
    }

    void startupForm()
    {
        setMasterPanel(true);
        QPointer<AUK_40001> popup = pushed();
        QVERIFY(!popup->rightButtonVisible());
        QCOMPARE(popup->title(), QStringLiteral("_LOGIN_STARTUP_POPUPTITLEWIDE"));
        pressKeys(popup, {"0", "7", "1", "OK"});
        QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_40001")));
        QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40026")));
        auto *wait = PageStack::instance()->findChild<AUK_40026 *>();
        QVERIFY(wait);
        QCOMPARE(wait->kind(), 3);
    }

    void ordinaryFormHasCancel()
    {
        setMasterPanel(false);
        AUK_40001 *popup = pushed();
        QVERIFY(popup->rightButtonVisible());
        QCOMPARE(popup->title(), QStringLiteral("_LOGIN_POPUPTITLEWIDE"));
    }

    void pushLogOnCancelGoesBack()
    {
        AUK_40001 *popup = AUK_40001::pushLogOn();
        QVERIFY(PageStack::instance()->isTopPage(QStringLiteral("AUK_40001")));
        emit popup->rightButtonClicked();
        QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_40001")));
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<bool>("rfidWriteMode");
        QTest::addColumn<bool>("master");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("empty") << "" << false << false << QStringList{};
        QTest::newRow("typed") << "_typed" << false << false << QStringList{"0", "7", "1", "2", "3"};
        QTest::newRow("start-up") << "_startup" << false << true << QStringList{"1"};
        QTest::newRow("card writing") << "_writecard" << true << false << QStringList{"2", "3", "5", "5", "5", "5"};
    }

    void screenshots()
    {
        QFETCH(QString, variant);
        QFETCH(bool, rfidWriteMode);
        QFETCH(bool, master);
        QFETCH(QStringList, keys);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        setMasterPanel(master);
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        AUK_40001 *popup = pushed(rfidWriteMode);
        pressKeys(popup, keys);
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, QStringLiteral("AUK_40001") + variant);
        QVERIFY(popup->title() != QLatin1String("_LOGIN_POPUPTITLEWIDE"));
    }
};

QTEST_MAIN(tst_LogonPopup)
#include "tst_logonpopup.moc"
