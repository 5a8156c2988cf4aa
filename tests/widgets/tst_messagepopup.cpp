#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "screens/popups/AUK_40040.h"
#include "widgets/AUK_90001A.h"
#include "widgets/FontRepository.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

QLabel *label(const AUK_40040 *popup, const char *name)
{
    auto *found = popup->findChild<QLabel *>(QLatin1String(name));
    if (!found)
        qFatal("no label %s", name);
    return found;
}

bool sameFont(const QFont &a, const QFont &b)
{
    return a.family() == b.family() && a.pixelSize() == b.pixelSize() && a.pointSize() == b.pointSize()
           && a.weight() == b.weight();
}

bool isBold(const QLabel *label)
{
    return sameFont(label->font(), FontRepository::instance()->bold15());
}

bool isNormal(const QLabel *label)
{
    return sameFont(label->font(), FontRepository::instance()->normal15());
}

// The popup pushed over the screen at the bottom of the page stack.
QPointer<AUK_40040> pushed(bool connectButtons, bool closeOnCompletion)
{
    QPointer<AUK_40040> popup = new AUK_40040(nullptr, connectButtons, closeOnCompletion);
    PageStack::instance()->push(popup);
    return popup;
}

} // namespace

// The message popup: the three message tables with their alternative
// labels and fonts, the keys, and the turn from waiting to result.
class tst_MessagePopup : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

private slots:
    void init()
    {
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup() { m_page.reset(); }

    void bottomMessages_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::newRow("0 is empty") << 0 << QString() << false;
        QTest::newRow("113 has no key") << 113 << QString() << false;
        QTest::newRow("124 is past the table") << 124 << QString() << false;
        QTest::newRow("-1 is before the table") << -1 << QString() << false;
        QTest::newRow("1 first") << 1 << "_ACTION_NOT_AVAILABLE_POPUPTEXT3INFO" << false;
        QTest::newRow("9 disable body") << 9 << "_CONFIRM_DISABLE_POPUPTEXT3BODY" << true;
        QTest::newRow("28 initialise tool") << 28 << "_INITIALISE_TOOL_POPUPTEXT3INFO" << false;
        QTest::newRow("29 integrity check") << 29 << "_INTEGRITY_CHECK_FAILED_POPUPTEXT3INFO" << false;
        QTest::newRow("50 not supported") << 50 << "_OP_FAILED_NOT_SUPPORTED_POPUPTEXT1BODY" << true;
        QTest::newRow("51 not configured") << 51 << "_OP_FAILED_NOT_CONFIGURED_POPUPTEXT1BODY" << true;
        QTest::newRow("54 after the bodies") << 54 << "_PANEL_NOT_FOUND_POPUPTEXT3INFO" << false;
        QTest::newRow("112 before the gap") << 112 << "_USB_PDF_POPUPTEXT3INFO" << false;
        QTest::newRow("114 after the gap") << 114 << "_USER_ALREADY_LOGGED_ON_POPUPTEXT3INFO" << false;
        QTest::newRow("123 last") << 123 << "_WALKTEST_TIMEOUT_POPUPTEXT3INFO" << false;
    }

    void bottomMessages()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        AUK_40040 popup(nullptr, true, false);
        popup.setBottomText(QStringLiteral("before"));
        popup.setBottomMessage(id);
        QLabel *bottom = label(&popup, "bottomLabel");
        QCOMPARE(bottom->text(), text);
        QCOMPARE(isBold(bottom), bold);
        QCOMPARE(isNormal(bottom), !bold);
        QVERIFY(bottom->isEnabled());
        QVERIFY(!label(&popup, "bottomLabel212")->isEnabled());
        QCOMPARE(label(&popup, "bottomLabel212")->text(), QString());
    }

    void alternativeBottomLabelStaysSwitched()
    {
        AUK_40040 popup(nullptr, true, false);
        popup.setBottomMessage(34);
        QLabel *bottom = label(&popup, "bottomLabel");
        QLabel *alternative = label(&popup, "bottomLabel212");
        QCOMPARE(alternative->text(), QStringLiteral("_KILL_WALK_TEST_WARNING_POPUPTEXT3INFO"));
        QVERIFY(alternative->isEnabled());
        QVERIFY(!bottom->isEnabled());
        QCOMPARE(bottom->text(), QString());

        popup.setBottomMessage(37);
        QCOMPARE(bottom->text(), QStringLiteral("_LOGIN_FAILED_POPUPTEXT3INFO"));
        QVERIFY(!bottom->isEnabled());
        QCOMPARE(alternative->text(), QStringLiteral("_KILL_WALK_TEST_WARNING_POPUPTEXT3INFO"));
    }

    void boldBottomFontIsKept()
    {
        AUK_40040 popup(nullptr, true, false);
        popup.setBottomMessage(9);
        popup.setBottomMessage(37);
        QCOMPARE(label(&popup, "bottomLabel")->text(), QStringLiteral("_LOGIN_FAILED_POPUPTEXT3INFO"));
        QVERIFY(isBold(label(&popup, "bottomLabel")));
    }

    void topMessages_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::newRow("1") << QList<int>{1} << "_ABORTED_POPUPTEXT1BODY" << true;
        QTest::newRow("33 last") << QList<int>{33} << "_WAITING_FOR_UPDATE_COMMIT_POPUPTEXT1BODY" << true;
        QTest::newRow("25 normal") << QList<int>{25} << "_BAD_CONFIG_POPUPTEXT1INFO" << false;
        QTest::newRow("25 then 1 bold again") << QList<int>{25, 1} << "_ABORTED_POPUPTEXT1BODY" << true;
        QTest::newRow("0 empty") << QList<int>{1, 0} << QString() << true;
        QTest::newRow("34 past the table") << QList<int>{34} << QString() << true;
    }

    void topMessages()
    {
        QFETCH(QList<int>, ids);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        AUK_40040 popup(nullptr, true, false);
        for (int id : ids)
            popup.setTopMessage(id);
        QLabel *top = label(&popup, "topLabel");
        QCOMPARE(top->text(), text);
        QCOMPARE(isBold(top), bold);
        QCOMPARE(isNormal(top), !bold);
        QVERIFY(top->isEnabled());
        QVERIFY(!label(&popup, "topLabel212")->isEnabled());
    }

    void topAlternativeIsNormal()
    {
        AUK_40040 popup(nullptr, true, false);
        popup.setTopMessage(12);
        QLabel *alternative = label(&popup, "topLabel212");
        QCOMPARE(alternative->text(), QStringLiteral("_KILL_WALK_TEST_WARNING_POPUPTEXT1INFO"));
        QVERIFY(alternative->isEnabled());
        QVERIFY(isNormal(alternative));
        QVERIFY(!label(&popup, "topLabel")->isEnabled());
        QCOMPARE(label(&popup, "topLabel")->text(), QString());
    }

    void middleMessages_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QString>("ordinary");
        QTest::addColumn<QString>("alternative");
        QTest::newRow("5 wide") << 5 << true << QString() << "_PRESENT_CARD_DESCRIPTION_POPUPTEXT1BODY";
        QTest::newRow("5 narrow") << 5 << false << "_PRESENT_CARD_DESCRIPTION_POPUPTEXT1BODY" << QString();
        QTest::newRow("12 last") << 12 << false << "_WRITE_SUCCESSFUL_DESCRIPTION_POPUPTEXT1BODY" << QString();
        QTest::newRow("13 past the table") << 13 << false << QString() << QString();
    }

    void middleMessages()
    {
        QFETCH(int, id);
        QFETCH(bool, wide);
        QFETCH(QString, ordinary);
        QFETCH(QString, alternative);
        AUK_40040 popup(nullptr, true, false);
        popup.setMiddleMessage(id, wide);
        QCOMPARE(label(&popup, "middleLabel")->text(), ordinary);
        QCOMPARE(label(&popup, "middleLabel212")->text(), alternative);
        QCOMPARE(label(&popup, "middleLabel")->isEnabled(), !wide);
        QCOMPARE(label(&popup, "middleLabel212")->isEnabled(), wide);
        QVERIFY(isBold(label(&popup, "middleLabel")));
    }

    void geometryAndKeys()
    {
        AUK_40040 popup(window(), true, false);
        popup.show();
        QCOMPARE(label(&popup, "topLabel")->geometry(), QRect(134, 126, 370, 20));
        QCOMPARE(label(&popup, "middleLabel")->geometry(), QRect(134, 146, 370, 20));
        QCOMPARE(label(&popup, "bottomLabel")->geometry(), QRect(134, 166, 370, 65));
        QCOMPARE(label(&popup, "topLabel212")->geometry(), QRect(134, 126, 370, 40));
        QCOMPARE(label(&popup, "middleLabel212")->geometry(), QRect(134, 166, 370, 20));
        QCOMPARE(label(&popup, "bottomLabel212")->geometry(), QRect(134, 186, 370, 40));
        QVERIFY(!label(&popup, "topLabel212")->wordWrap());
        QVERIFY(label(&popup, "bottomLabel")->wordWrap());
        QCOMPARE(popup.leftButtonText(), QStringLiteral("_OK_POPUPSK"));
        QCOMPARE(popup.rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
        popup.showCloseButtonOnly();
        QCOMPARE(popup.rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
        QVERIFY(!popup.leftButtonVisible());
        QVERIFY(popup.rightButtonVisible());
        popup.hideButtons();
        QVERIFY(!popup.rightButtonVisible());
    }

    void keysClose_data()
    {
        QTest::addColumn<bool>("connectButtons");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("closes");
        QTest::newRow("connected OK") << true << true << true;
        QTest::newRow("connected cancel") << true << false << true;
        QTest::newRow("owner's OK") << false << true << false;
        QTest::newRow("owner's cancel") << false << false << false;
    }

    void keysClose()
    {
        QFETCH(bool, connectButtons);
        QFETCH(bool, left);
        QFETCH(bool, closes);
        QPointer<AUK_40040> popup = pushed(connectButtons, false);
        if (left)
            emit popup->leftButtonClicked();
        else
            emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), closes ? 1 : 2);
    }

    void cancelReturnsHome_data()
    {
        QTest::addColumn<bool>("showMainScreen");
        QTest::addColumn<QStringList>("pages");
        const QString screen = QStringLiteral("AUK_90001A");
        QTest::newRow("home") << true << QStringList{screen, screen};
        QTest::newRow("stays") << false << QStringList{screen};
    }

    void cancelReturnsHome()
    {
        QFETCH(bool, showMainScreen);
        QFETCH(QStringList, pages);
        PageStack::instance()->setHomeScreenFactory([](int, int) { return new AUK_90001A; });
        QPointer<AUK_40040> popup = pushed(true, false);
        popup->setShowMainScreenOnCancel(showMainScreen);
        popup->cancelClicked();
        QCOMPARE(PageStack::instance()->pageNames(), pages);
    }

    void actionCompleted_data()
    {
        QTest::addColumn<bool>("closeOnCompletion");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("failureId");
        QTest::addColumn<QString>("text");
        QTest::newRow("closes at once") << true << true << 37 << QString();
        QTest::newRow("closes on failure too") << true << false << 37 << QString();
        QTest::newRow("success id") << false << true << 37 << "_SAVING_SUCCESS_POPUPTEXT3INFO";
        QTest::newRow("failure id") << false << false << 74 << "_SAVING_FAILED_POPUPTEXT3INFO";
        QTest::newRow("failure id 0 keeps the waiting text") << false << false << 0 << "_SAVE_WAIT_POPUPTEXT3INFO";
    }

    // A waiting popup without keys, as an owner sets it up before its command
    // runs; the result makes the right key visible and let it close the popup.
    void actionCompleted()
    {
        QFETCH(bool, closeOnCompletion);
        QFETCH(bool, ok);
        QFETCH(int, failureId);
        QFETCH(QString, text);
        QPointer<AUK_40040> popup = pushed(false, closeOnCompletion);
        popup->setBottomMessage(73);
        popup->hideButtons();
        popup->setCompletionMessages(76, failureId);
        popup->actionCompleted(ok);
        if (closeOnCompletion) {
            QCOMPARE(PageStack::instance()->count(), 1);
            return;
        }
        QCOMPARE(PageStack::instance()->count(), 2);
        QCOMPARE(label(popup, "bottomLabel")->text(), text);
        QVERIFY(popup->rightButtonVisible());
        QVERIFY(!popup->leftButtonVisible());
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    // The keys of a connected popup already close it; after the result the
    // right key closes it once, and the second removal finds nothing.
    void connectedPopupClosesOnceAfterResult()
    {
        QPointer<AUK_40040> popup = pushed(true, false);
        popup->actionCompleted(true);
        popup->actionCompleted(true);
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->pageNames(), QStringList{QStringLiteral("AUK_90001A")});
        QVERIFY(QTest::qWaitFor([&popup] { return popup.isNull(); }));
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("confirmation") << "AUK_40040_confirm";
        QTest::newRow("walk-test warning") << "AUK_40040_walktest_warning";
        QTest::newRow("result") << "AUK_40040_result";
    }

    void screenshots()
    {
        QFETCH(QString, name);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The page beneath writes its date in the language it is built in.
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        AUK_40040 *popup = new AUK_40040(nullptr, true, false);
        if (name.endsWith(QLatin1String("confirm"))) {
            popup->setTopMessage(4);
            popup->setBottomMessage(15);
        } else if (name.endsWith(QLatin1String("warning"))) {
            popup->setTopMessage(12);
            popup->setBottomMessage(34);
        } else {
            popup->setTopMessage(8);
            popup->setMiddleMessage(6, false);
            popup->setBottomMessage(76);
            popup->showCloseButtonOnly();
        }
        QVERIFY(PageStack::instance()->push(popup));
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, name);
        // The popup's lines are drawn: the text area is not a single colour.
        const QRect lines(134, 36 + 126, 370, 100);
        QVERIFY(WidgetShot::fractionNear(image, lines, WidgetShot::colourAt(image, lines.topLeft())) < 0.99);
    }
};

QTEST_MAIN(tst_MessagePopup)
#include "tst_messagepopup.moc"
