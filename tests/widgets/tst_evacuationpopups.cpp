#include "../pointmodels/ScriptedSite.h"
#include "NamedChild.h"
#include "PacketBytes.h"
#include "PageUnderPopups.h"
#include "SentPackets.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "screens/popups/AUK_40002.h"
#include "screens/popups/AUK_40013.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr quint8 LocalPanel = 1;
constexpr quint8 OperatorActions = 1;
constexpr quint8 EvacuateInput = 1;
// The evacuation input pulsed: group 1, input 1 active, then inactive.
constexpr char EvacuationChange[] = "01 81 01 01";

void setInvestigateDelay(quint8 panel, quint16 seconds)
{
    PanelRecord record;
    record.investigateDelay = seconds;
    PanelConfiguration::instance()->setPanelRecord(panel, record);
}

} // namespace

// The fire screens' two confirmations: the evacuation, which alone makes
// the controller evacuate, and the investigation delay with its length.
class tst_EvacuationPopups : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

    template <typename Popup> static QPointer<Popup> pushed()
    {
        QPointer<Popup> popup = new Popup;
        PageStack::instance()->push(popup);
        return popup;
    }

private slots:
    void init()
    {
        ScriptedSite::reset();
        TeskGlobalConfig *config = TeskGlobalConfig::instance();
        config->setPanelNumber(LocalPanel);
        config->setInputPointChannel(5);
        config->setRbusAddress(15);
        ScriptedSite::addPoint(LocalPanel, ChannelAddress(5, 15, OperatorActions), ScriptedSite::record(EvacuateInput));
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup()
    {
        m_page.reset();
        SyncClient::destroyInstance();
    }

    void evacuationForm()
    {
        QPointer<AUK_40002> popup = pushed<AUK_40002>();
        QCOMPARE(popup->objectName(), QStringLiteral("AUK_40002"));
        QCOMPARE(popup->title(), QStringLiteral("_EVACUATE_POPUPTITLEWIDE"));
        QCOMPARE(namedChild<QLabel>(popup, "label_2")->text(), QStringLiteral("_PLEASE_CONFIRM_270_25_EN54INFOSTYLE"));
        QCOMPARE(namedChild<QLabel>(popup, "label_3")->text(), QStringLiteral("_EVACUATE_270_38_EN54EVENTSTYLE"));
        QCOMPARE(namedChild<QLabel>(popup, "label_4")->text(),
                 QStringLiteral("_EVACUATE_CONSEQUENCE_270_75_EN54INFOSTYLE"));
        QVERIFY(namedChild<QLabel>(popup, "label_3")->font().bold());
        QVERIFY(!namedChild<QLabel>(popup, "label_4")->font().bold());
        QCOMPARE(namedChild<QLabel>(popup, "label_4")->geometry(), QRect(294, 202, 270, 75));
        QVERIFY(!namedChild<QLabel>(popup, "lblIcon")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(popup->leftButtonText(), QStringLiteral("_CONFIRM_POPUPSK"));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
    }

    void evacuationKeys_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("packets");
        QTest::newRow("confirm evacuates and closes") << true << 1;
        QTest::newRow("cancel sends nothing and closes") << false << 0;
    }

    void evacuationKeys()
    {
        QFETCH(bool, confirm);
        QFETCH(int, packets);
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        QPointer<AUK_40002> popup = pushed<AUK_40002>();
        if (confirm)
            emit popup->leftButtonClicked();
        else
            emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
        const QByteArrayList lkSpeak = lkSpeakSent(sent);
        QCOMPARE(lkSpeak.size(), packets);
        if (packets)
            QVERIFY2(lkSpeak.first().endsWith(hex(EvacuationChange)), lkSpeak.first().toHex(' ').constData());
        // A second press on a popup already gone sends nothing more.
        if (popup)
            emit popup->leftButtonClicked();
        QCOMPARE(lkSpeakSent(sent).size(), packets);
    }

    void delay_data()
    {
        QTest::addColumn<int>("recordPanel");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("90 s") << int(LocalPanel) << 90 << "01:30";
        QTest::newRow("none") << int(LocalPanel) << 0 << "00:00";
        QTest::newRow("59 s") << int(LocalPanel) << 59 << "00:59";
        // An hour or more counts on in minutes.
        QTest::newRow("3661 s") << int(LocalPanel) << 3661 << "61:01";
        QTest::newRow("largest") << int(LocalPanel) << 65535 << "1092:15";
        QTest::newRow("another panel's delay") << 2 << 90 << "00:00";
    }

    void delay()
    {
        QFETCH(int, recordPanel);
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        setInvestigateDelay(quint8(recordPanel), quint16(seconds));
        QPointer<AUK_40013> popup = pushed<AUK_40013>();
        QCOMPARE(namedChild<QLabel>(popup, "timeValue")->text(), shown);
        // Read once: a new configuration does not change an open popup.
        setInvestigateDelay(LocalPanel, 30);
        QCOMPARE(namedChild<QLabel>(popup, "timeValue")->text(), shown);
    }

    void delayForm()
    {
        QPointer<AUK_40013> popup = pushed<AUK_40013>();
        QCOMPARE(popup->objectName(), QStringLiteral("AUK_40013"));
        QCOMPARE(popup->title(), QStringLiteral("_INVESTIGATE_DELAY_POPUPTITLE"));
        QCOMPARE(namedChild<QLabel>(popup, "lblAlarmDelay")->text(),
                 QStringLiteral("_INVESTIGATE_DELAY_DESCRIPTION1_POPUPTEXT1EN54"));
        QCOMPARE(namedChild<QLabel>(popup, "lblAlarmWarn")->text(),
                 QStringLiteral("_INVESTIGATE_DELAY_DESCRIPTION2_POPUPTEXT2EN54"));
        QVERIFY(namedChild<QLabel>(popup, "timeValue")->font().bold());
        QCOMPARE(namedChild<QLabel>(popup, "timeValue")->geometry(), QRect(220, 156, 200, 30));
        QCOMPARE(popup->leftButtonText(), QStringLiteral("_OK_POPUPSK"));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
        // Its keys belong to the screen that opened it.
        QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
        emit popup->leftButtonClicked();
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 2);
        QCOMPARE(sent.count(), 0);
    }

    void screenshots()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The page beneath writes its date in the language it is built in.
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        setInvestigateDelay(LocalPanel, 90);
        pushed<AUK_40013>();
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        WidgetShot::saveForReview(WidgetShot::grab(PageStack::instance()), QStringLiteral("AUK_40013"));
        // A popup pushed over a popup takes its place.
        pushed<AUK_40002>();
        QCOMPARE(PageStack::instance()->count(), 2);
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, QStringLiteral("AUK_40002"));
        // The evacuation picture is drawn left of the texts.
        const QRect icon(76, 36 + 90, 160, 203);
        QVERIFY(WidgetShot::fractionNear(image, icon, WidgetShot::colourAt(image, icon.topLeft())) < 0.99);
    }
};

QTEST_MAIN(tst_EvacuationPopups)
#include "tst_evacuationpopups.moc"
