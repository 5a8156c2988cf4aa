#include "../pointmodels/ScriptedSite.h"
#include "MessageCapture.h"
#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "core/BucketKeys.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/InputSignaller.h"
#include "frontpanel/KeyDispatchEnvironment.h"
#include "frontpanel/Rbus.h"
#include "frontpanel/RbusEnvironment.h"
#include "screens/popups/AUK_40005.h"
#include "screens/popups/AUK_40025.h"
#include "screens/popups/AUK_40028.h"
#include "screens/popups/AUK_40030.h"
#include "screens/popups/AUK_40039.h"
#include "screens/popups/AUK_40056.h"
#include "screens/popups/AUK_40061.h"
#include "screens/popups/AUK_40064.h"
#include "widgets/AUK_90001A.h"
#include "widgets/PaletteRepository.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr int EngineBucket = 0;
constexpr int GlobalConfigDetailsBucket = 41;

QString labelText(const QWidget *popup, const char *name)
{
    auto *found = popup->findChild<QLabel *>(QLatin1String(name));
    return found ? found->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// Which keys show: "L" the left, "R" the right, with their texts.
QString keys(const BasePopup *popup)
{
    QStringList shown;
    if (popup->leftButtonVisible())
        shown << popup->leftButtonText();
    if (popup->rightButtonVisible())
        shown << popup->rightButtonText();
    return shown.join(QLatin1Char(' '));
}

// The E30 link as the bus driver sees it; the default device is missing,
// so every frame the driver tries to write is warned about with its size.
class E30Link final : public RbusEnvironment
{
public:
    int guiMode() const override { return 0; }
    int rbusMode() const override { return 1; }
    bool isRbusConnected() const override { return false; }
    bool isE30Connected() const override { return e30; }
    void disableBuzzer() override { }

    bool e30 = true;
};

// Just enough of the engine for the help key to reach its dispatch, which
// logs that the help screen is not built yet: one line per connection.
class HelpKeyEngine final : public KeyDispatchEnvironment
{
public:
    int guiMode() const override { return 0; }
    int rbusMode() const override { return 0; }
    bool isE30Connected() const override { return false; }
    bool isDisconnected() const override { return false; }
    bool isFireActive() const override { return false; }
    int accessLevel() const override { return 1; }
    bool hasPermission(int) const override { return false; }
    bool isMainScreenOnTop() const override { return true; }
    QStringList pageNames() const override { return {QStringLiteral("AUK_30002")}; }
    void showMainScreen() override { }
    void pop(int) override { }
    void popNonMatching(const QString &) override { }
    void disableBuzzer() override { }
    void setBuzzerOverride() override { }
    void showConfirmation(Confirmation) override { }
    void showActionPopup(int) override { }
    void showFiresScreen() override { }
    void showEventsSummary(EventsSummary) override { }
};

int helpConnections()
{
    MessageCapture log;
    emit DB_TESK_FP_Interface::instance()->helpPressed();
    return log.messages().filter(QStringLiteral("AUK_30079 is not built yet")).size();
}

using Factory = std::function<BasePopup *()>;

} // namespace

Q_DECLARE_METATYPE(Factory)

// The confirmation, log-on and print popups: their texts and keys by kind,
// what their keys do, and how they look.
class tst_ConfirmationPopups : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

    template <typename Popup> QPointer<Popup> pushed(Popup *popup)
    {
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

    void cleanup()
    {
        m_page.reset();
        Rbus::instance()->setEnvironment(nullptr);
        InputSignaller::setEnvironment(nullptr);
    }

    void serviceConfirmations_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QString>("keys");
        const QString both = QStringLiteral("_OK_POPUPSK _CANCEL_POPUPSK");
        QTest::newRow("0 update") << 0 << "_SVC_TESK_UPDATE_CONFIRM_POPUPTITLE"
                                  << "_SVC_TESK_UPDATE_CONFIRM_POPUPTEXT1BODY"
                                  << "_SVC_TESK_UPDATE_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO" << both;
        QTest::newRow("1 update warning") << 1 << "_SVC_TESK_UPDATE_WARNING_CONFIRM_POPUPTITLE"
                                          << "_SVC_TESK_UPDATE_WARNING_CONFIRM_POPUPTEXT1BODY"
                                          << "_SVC_TESK_UPDATE_WARNING_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO" << both;
        QTest::newRow("2 panel update") << 2 << "_SVC_PANEL_UPDATE_WARNING_CONFIRM_POPUPTITLE"
                                        << "_SVC_PANEL_UPDATE_WARNING_CONFIRM_POPUPTEXT1BODY"
                                        << "_SVC_PANEL_UPDATE_WARNING_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO" << both;
        QTest::newRow("3 loop scan, Cancel only") << 3 << "_SVC_TESK_LOOP_SCAN_POPUPTITLE"
                                                  << "_SVC_TESK_LOOP_SCAN_POPUPTEXT1BODY"
                                                  << "_SVC_TESK_LOOP_SCAN_CONSEQUENCE_POPUPTEXT3INFO"
                                                  << "_CANCEL_POPUPSK";
        QTest::newRow("4 IR link, both loops") << 4 << "_SVC_PANEL_IR_LINK_POPUPTITLE"
                                               << ""
                                               << "_SVC_PANEL_IR_LINK_POPUPTEXT3INFO" << both;
        QTest::newRow("5 dual shutdown") << 5 << "_SVC_PANEL_LOOP_SHUTDOWN_POPUPTITLE"
                                         << ""
                                         << "_SVC_PANEL_DUAL_LOOP_SHUTDOWN_POPUPTEXT3INFO" << both;
        QTest::newRow("6 single shutdown") << 6 << "_SVC_PANEL_LOOP_SHUTDOWN_POPUPTITLE"
                                           << ""
                                           << "_SVC_PANEL_SINGLE_LOOP_SHUTDOWN_POPUPTEXT3INFO" << both;
        QTest::newRow("7 application update") << 7 << "_SVC_TESK_UPDATE_CONFIRM_POPUPTITLE"
                                              << "_SVC_TESK_APPLICATION_UPDATE_CONFIRM_POPUPTEXT1BODY"
                                              << "_SVC_TESK_UPDATE_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO" << both;
        QTest::newRow("8 fire reset") << 8 << "_CONFIRM_RESET_POPUPTITLE"
                                      << ""
                                      << "_CONFIRM_RESET_POPUPTEXT3BODY" << both;
        QTest::newRow("9 silence") << 9 << "_SILENCE_SOUNDERS_POPUPTITLE"
                                   << "_CONFIRM_SOUNDERS_POPUPTEXT1BODY"
                                   << "_SILENCE_CONSEQUENCE_POPUPTEXT3INFO" << both;
        QTest::newRow("10 serialisation") << 10 << "_SERIALISATION_POPUPTITLE"
                                          << "_DIGITAL_ENROLMENT_CONFIRM_POPUPTEXT1BODY"
                                          << "_DIGITAL_ENROLMENT_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO" << both;
        QTest::newRow("11 unknown") << 11 << ""
                                    << ""
                                    << "" << both;
        QTest::newRow("-1 unknown") << -1 << ""
                                    << ""
                                    << "" << both;
    }

    void serviceConfirmations()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(QString, keys);
        QPointer<AUK_40030> popup = pushed(new AUK_40030(kind, false, 3, 4, nullptr));
        QCOMPARE(popup->kind(), kind);
        QCOMPARE(popup->title(), title);
        QCOMPARE(labelText(popup, "topLabel"), top);
        QCOMPARE(labelText(popup, "middleLabel"), QStringLiteral("_WARNING_POPUPTEXT1BODY"));
        QCOMPARE(labelText(popup, "bottomLabel"), bottom);
        QCOMPARE(::keys(popup), keys);
    }

    // Without translations a key has no %1; English puts the loops in.
    void loopsInTheTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("firstNamed");
        QTest::newRow("IR link names both") << 4 << true;
        QTest::newRow("dual shutdown names both") << 5 << true;
        QTest::newRow("single shutdown names the second") << 6 << false;
    }

    void loopsInTheTexts()
    {
        QFETCH(int, kind);
        QFETCH(bool, firstNamed);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // Loops named by number.
        ScriptedSite::setValue(GlobalConfigDetailsBucket, QLatin1String(BucketKeys::loopDspFmt), QStringLiteral("1"));
        QPointer<AUK_40030> popup = pushed(new AUK_40030(kind, false, 7, 8, nullptr));
        const QString bottom = labelText(popup, "bottomLabel");
        QVERIFY2(bottom.contains(QLatin1String("L08")), qPrintable(bottom));
        QCOMPARE(bottom.contains(QLatin1String("L07")), firstNamed);
        QVERIFY2(!bottom.contains(QLatin1Char('%')), qPrintable(bottom));
    }

    void serviceKeys_data()
    {
        QTest::addColumn<bool>("connectOwnKeys");
        QTest::addColumn<bool>("left");
        QTest::addColumn<int>("pagesLeft");
        QTest::newRow("own OK closes") << true << true << 1;
        QTest::newRow("own Cancel closes") << true << false << 1;
        QTest::newRow("the creator's OK") << false << true << 2;
        QTest::newRow("the creator's Cancel") << false << false << 2;
    }

    void serviceKeys()
    {
        QFETCH(bool, connectOwnKeys);
        QFETCH(bool, left);
        QFETCH(int, pagesLeft);
        QPointer<AUK_40030> popup = pushed(new AUK_40030(8, connectOwnKeys, 0, 0, nullptr));
        if (left)
            emit popup->leftButtonClicked();
        else
            emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), pagesLeft);
    }

    void actionPopups_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("e30");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("frameBytes"); // what OK sends, 0 nothing
        const QString both = QStringLiteral("_OK_POPUPSK _CANCEL_POPUPSK");
        QTest::newRow("0 disable") << 0 << true << "_CONFIRM_DISABLE_POPUPTITLE"
                                   << "_CONFIRM_DISABLE_POPUPTEXT3BODY" << both << 10;
        QTest::newRow("1 reset") << 1 << true << "_CONFIRM_RESET_POPUPTITLE"
                                 << "_CONFIRM_RESET_POPUPTEXT3BODY" << both << 6;
        QTest::newRow("2 silence") << 2 << true << "_CONFIRM_SILENCE_SOUNDERS_POPUPTITLE"
                                   << "_CONFIRM_SILENCE_SOUNDERS_POPUPTEXT3BODY" << both << 6;
        QTest::newRow("3 not available, OK only") << 3 << true << "_ACTION_NOT_AVAILABLE_POPUPTITLE"
                                                  << "_ACTION_NOT_AVAILABLE_POPUPTEXT3INFO"
                                                  << "_OK_POPUPSK" << 0;
        QTest::newRow("1 reset off the E30 link") << 1 << false << "_CONFIRM_RESET_POPUPTITLE"
                                                  << "_CONFIRM_RESET_POPUPTEXT3BODY" << both << 0;
        QTest::newRow("4 unknown") << 4 << true << ""
                                   << "" << both << 0;
    }

    void actionPopups()
    {
        QFETCH(int, kind);
        QFETCH(bool, e30);
        QFETCH(QString, title);
        QFETCH(QString, bottom);
        QFETCH(QString, keys);
        QFETCH(int, frameBytes);
        E30Link link;
        link.e30 = e30;
        Rbus::instance()->setEnvironment(&link);
        QPointer<AUK_40061> popup = pushed(new AUK_40061(kind, nullptr));
        QCOMPARE(popup->title(), title);
        QCOMPARE(labelText(popup, "topLabel"), QString());
        QCOMPARE(labelText(popup, "middleLabel"), QString());
        QCOMPARE(labelText(popup, "bottomLabel"), bottom);
        QCOMPARE(::keys(popup), keys);
        MessageCapture log;
        emit popup->leftButtonClicked();
        const QStringList sent = log.warnings().filter(QStringLiteral("rbusBasePacket::sendReply"));
        if (frameBytes == 0) {
            QVERIFY2(sent.isEmpty(), qPrintable(sent.join('\n')));
        } else {
            QCOMPARE(sent.size(), 1);
            QVERIFY2(sent.first().contains(QStringLiteral(" of %1 bytes").arg(frameBytes)), qPrintable(sent.first()));
        }
        // Closed all the same.
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void actionPopupCancelSendsNothing()
    {
        E30Link link;
        Rbus::instance()->setEnvironment(&link);
        QPointer<AUK_40061> popup = pushed(new AUK_40061(1, nullptr));
        MessageCapture log;
        emit popup->rightButtonClicked();
        QVERIFY(log.warnings().filter(QStringLiteral("rbusBasePacket")).isEmpty());
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void resoundConfirmation()
    {
        QPointer<AUK_40039> popup = pushed(new AUK_40039(true, nullptr));
        QCOMPARE(popup->title(), QStringLiteral("_RESOUND_SOUNDERS_POPUPTITLE"));
        QCOMPARE(labelText(popup, "topLabel"), QStringLiteral("_CONFIRM_RESOUND_POPUPTEXT1BODY"));
        QCOMPARE(labelText(popup, "middleLabel"), QStringLiteral("_WARNING_POPUPTEXT1BODY"));
        QCOMPARE(labelText(popup, "bottomLabel"), QStringLiteral("_RESOUND_CONSEQUENCE_POPUPTEXT3INFO"));
        QCOMPARE(::keys(popup), QStringLiteral("_OK_POPUPSK _CANCEL_POPUPSK"));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    // The owner decides what the keys do: unconnected, they close nothing.
    void enableActiveDeviceWarning()
    {
        QPointer<AUK_40064> popup = pushed(new AUK_40064(nullptr, false));
        QCOMPARE(popup->title(), QStringLiteral("_DISABLE_OFF_POPUPTITLE"));
        QCOMPARE(labelText(popup, "middleLabel"), QStringLiteral("_WARNING_POPUPTEXT1BODY"));
        QCOMPARE(labelText(popup, "bottomLabel"), QStringLiteral("_ENABLING_ACTIVE_DEVICES_WARNING_POPUPTEXT3INFO"));
        QCOMPARE(::keys(popup), QStringLiteral("_OK_POPUPSK _CANCEL_POPUPSK"));
        emit popup->leftButtonClicked();
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 2);
    }

    void logonResults_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("bottom");
        QTest::newRow("0 failed") << 0 << "_LOGIN_FAILED_POPUPTEXT3INFO";
        QTest::newRow("1 failed") << 1 << "_LOGIN_FAILED_POPUPTEXT3INFO";
        QTest::newRow("2 invalid user") << 2 << "_INVALID_USER_POPUPTEXT3INFO";
        QTest::newRow("3 already logged on") << 3 << "_USER_ALREADY_LOGGED_ON_POPUPTEXT3INFO";
        QTest::newRow("9 failed") << 9 << "_LOGIN_FAILED_POPUPTEXT3INFO";
    }

    void logonResults()
    {
        QFETCH(int, result);
        QFETCH(QString, bottom);
        QPointer<AUK_40028> popup = pushed(new AUK_40028(true, result, nullptr));
        QCOMPARE(popup->title(), QStringLiteral("_LOGIN_POPUPTITLE"));
        QCOMPARE(labelText(popup, "bottomLabel"), bottom);
        QCOMPARE(::keys(popup), QStringLiteral("_CLOSE_POPUPSK"));
    }

    void logonResultOnAMasterPanelGoesHome_data()
    {
        QTest::addColumn<QString>("master");
        QTest::addColumn<int>("pagesLeft");
        QTest::newRow("master panel, home") << "1" << 1;
        QTest::newRow("other panel, back where it was") << "0" << 2;
    }

    void logonResultOnAMasterPanelGoesHome()
    {
        QFETCH(QString, master);
        QFETCH(int, pagesLeft);
        ScriptedSite::setValue(EngineBucket, QStringLiteral("mstrstat"), master);
        PageStack::instance()->push(new AUK_90001A);
        QPointer<AUK_40028> popup = pushed(new AUK_40028(true, 0, nullptr));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), pagesLeft);
    }

    void logonResultLeavesOneHelpConnection_data()
    {
        QTest::addColumn<bool>("connectedBefore");
        QTest::addColumn<int>("popups");
        QTest::newRow("taken away by a card write") << false << 1;
        QTest::newRow("connected, one popup") << true << 1;
        QTest::newRow("connected, three popups") << true << 3;
    }

    void logonResultLeavesOneHelpConnection()
    {
        QFETCH(bool, connectedBefore);
        QFETCH(int, popups);
        HelpKeyEngine engine;
        InputSignaller::setEnvironment(&engine);
        InputSignaller::setKeysEnabled(true);
        DB_TESK_FP_Interface *frontPanel = DB_TESK_FP_Interface::instance();
        InputSignaller *input = InputSignaller::instance();
        QObject::disconnect(frontPanel, &DB_TESK_FP_Interface::helpPressed, input, &InputSignaller::helpPressed);
        if (connectedBefore)
            QObject::connect(frontPanel, &DB_TESK_FP_Interface::helpPressed, input, &InputSignaller::helpPressed);
        QCOMPARE(helpConnections(), connectedBefore ? 1 : 0);
        for (int i = 0; i < popups; ++i) {
            QPointer<AUK_40028> popup = pushed(new AUK_40028(true, 0, nullptr));
            emit popup->rightButtonClicked();
            QTRY_VERIFY(popup.isNull());
        }
        QCOMPARE(helpConnections(), 1);
    }

    void printResults_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("bottom");
        QTest::newRow("0 printed") << 0 << "_PRINT_OK_POPUPTEXT3INFO";
        QTest::newRow("1 offline") << 1 << "_PRINTER_OFFLINE_POPUPTEXT3INFO";
        QTest::newRow("2 rejected") << 2 << "_PRINT_REJECTED_POPUPTEXT3INFO";
        QTest::newRow("3 nothing to print") << 3 << "_PRINT_CONTAINER_EMPTY_POPUPTEXT3INFO";
        QTest::newRow("4 unknown") << 4 << "";
        QTest::newRow("-1 unknown") << -1 << "";
    }

    void printResults()
    {
        QFETCH(int, result);
        QFETCH(QString, bottom);
        QPointer<AUK_40056> popup = pushed(new AUK_40056(result, nullptr));
        QCOMPARE(popup->result(), result);
        QCOMPARE(popup->title(), QStringLiteral("_PRINT_POPUPTITLE"));
        QCOMPARE(labelText(popup, "bottomLabel"), bottom);
        QCOMPARE(::keys(popup), QStringLiteral("_CLOSE_POPUPSK"));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void logonHelp()
    {
        QPointer<AUK_40025> popup = pushed(new AUK_40025(nullptr));
        QCOMPARE(popup->title(), QStringLiteral("_LOGIN_POPUPTITLEWIDE"));
        QCOMPARE(::keys(popup), QStringLiteral("_CANCEL_POPUPSK"));
        auto *background = popup->findChild<QLabel *>(QStringLiteral("lblBG"));
        QVERIFY(background);
        QVERIFY(background->autoFillBackground());
        QCOMPARE(background->palette().color(QPalette::Inactive, QPalette::Window), PaletteRepository::shadowGrey());
        QVERIFY(!popup->findChild<QLabel *>(QStringLiteral("lblHelp"))->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!popup->findChild<QLabel *>(QStringLiteral("lblIcon"))->pixmap(Qt::ReturnByValue).isNull());
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void restartConfirmation_data()
    {
        QTest::addColumn<bool>("fourTexts");
        QTest::addColumn<QStringList>("texts"); // question, panel, warning, description
        QTest::newRow("panel restart keeps its own texts")
            << false
            << QStringList{"_PANEL_RESTART_CONFIRM_POPUPTEXT1BODY", "Panel 3", "_WARNING_POPUPTEXT1INFO",
                           "_PANEL_RESTART_DESCRIPTION_POPUPTEXT2INFO"};
        QTest::newRow("network restart") << true << QStringList{"question", "", "warning", "description"};
    }

    void restartConfirmation()
    {
        QFETCH(bool, fourTexts);
        QFETCH(QStringList, texts);
        QPointer<AUK_40005> popup =
            pushed(fourTexts ? new AUK_40005(texts.at(3), texts.at(0), texts.at(1), texts.at(2), nullptr)
                             : new AUK_40005(texts.at(1), nullptr));
        QCOMPARE(popup->title(), QStringLiteral("_PANEL_RESTART_POPUPTITLE"));
        QCOMPARE(labelText(popup, "lblPanelRestartText"), texts.at(0));
        QCOMPARE(labelText(popup, "lblPanelText"), texts.at(1));
        QCOMPARE(labelText(popup, "lblWarning"), texts.at(2));
        QCOMPARE(labelText(popup, "lblPanelRestartDescription"), texts.at(3));
        QCOMPARE(::keys(popup), QStringLiteral("_CONFIRM_POPUPSK _CANCEL_POPUPSK"));
        // The creator answers the keys.
        emit popup->leftButtonClicked();
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 2);
    }

    void screenshots_data()
    {
        QTest::addColumn<Factory>("factory");
        for (int kind = 0; kind <= 10; ++kind) {
            QTest::addRow("AUK_40030_kind%d", kind)
                << Factory([kind] { return new AUK_40030(kind, false, 2, 3, nullptr); });
        }
        for (int kind = 0; kind <= 3; ++kind)
            QTest::addRow("AUK_40061_kind%d", kind) << Factory([kind] { return new AUK_40061(kind, nullptr); });
        QTest::newRow("AUK_40039") << Factory([] { return new AUK_40039(false, nullptr); });
        for (int result : {0, 2, 3})
            QTest::addRow("AUK_40028_result%d", result)
                << Factory([result] { return new AUK_40028(true, result, nullptr); });
        for (int result = 0; result <= 3; ++result)
            QTest::addRow("AUK_40056_result%d", result) << Factory([result] { return new AUK_40056(result, nullptr); });
        QTest::newRow("AUK_40025") << Factory([] { return new AUK_40025(nullptr); });
        QTest::newRow("AUK_40064") << Factory([] { return new AUK_40064(nullptr, false); });
        QTest::newRow("AUK_40005") << Factory(
            [] { return new AUK_40005(QStringLiteral("Panel 3 - Main building"), nullptr); });
    }

    void screenshots()
    {
        QFETCH(Factory, factory);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The page beneath writes its date in the language it is built in.
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        pushed(factory());
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, QString::fromLatin1(QTest::currentDataTag()));
        // The popup's frame covers the middle of the page.
        const QRect middle(200, 150, 240, 60);
        QVERIFY(WidgetShot::fractionNear(image, middle, WidgetShot::colourAt(image, middle.topLeft())) < 0.99);
    }
};

QTEST_MAIN(tst_ConfirmationPopups)
#include "tst_confirmationpopups.moc"
