#include "../pointmodels/ScriptedSite.h"
#include "NamedChild.h"
#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "core/TeskGlobalConfig.h"
#include "screens/popups/AUK_40026.h"
#include "widgets/AUK_90001A.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int EngineBucket = 0;

} // namespace

// The countdown popup: the time display, the texts and keys of each kind,
// a language change and the way out of the start-up log-on wait.
class tst_CountdownPopup : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

    static QPointer<AUK_40026> pushed(int kind)
    {
        QPointer<AUK_40026> popup = new AUK_40026(kind, nullptr);
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

    void timeLeft_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << 0 << "--:--";
        QTest::newRow("59") << 59 << "00:59";
        QTest::newRow("60") << 60 << "01:00";
        QTest::newRow("125") << 125 << "02:05";
        QTest::newRow("6000") << 6000 << "100:00";
    }

    void timeLeft()
    {
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        QPointer<AUK_40026> popup = pushed(0);
        QCOMPARE(namedChild<QLabel>(popup, "timeLeft")->text(), QStringLiteral("2:00"));
        popup->showTimeLeft(seconds);
        QCOMPARE(namedChild<QLabel>(popup, "timeLeft")->text(), shown);
    }

    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("general");
        QTest::addColumn<bool>("timeShown");
        QTest::addColumn<bool>("cancelKey");
        const QString remaining = QStringLiteral("_TIME_REMAINING_285_60_INFOTEXTSTYLE");
        QTest::newRow("0 fire reset") << 0 << "_FIRE_RESET_IN_PROGRESS_POPUPTITLE"
                                      << "_FIRE_RESET_IN_PROGRESS_289_20_BODYTEXTSTYLE" << remaining << true << false;
        QTest::newRow("1 time only") << 1 << QString() << QString() << remaining << true << false;
        QTest::newRow("2 synchronisation")
            << 2 << "_PANEL_SYNC_IN_PROGRESS_POPUPTITLE"
            << "_PANEL_SYNC_IN_PROGRESS_289_20_BODYTEXTSTYLE" << remaining << true << false;
        QTest::newRow("3 start-up log-on")
            << 3 << "_PANEL_STARTUP_WAIT_LOGIN_RESPONSE_POPUPTITLE"
            << "_PANEL_INIT_WAIT_289_20_BODYTEXTSTYLE"
            << "_PANEL_STARTUP_WAIT_LOGIN_RESPONSE_285_60_INFOTEXTSTYLE" << false << true;
        QTest::newRow("7 as time only") << 7 << QString() << QString() << remaining << true << false;
    }

    // Kind 3 keeps its time display hidden even when the owner counts.
    void kinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QString, warning);
        QFETCH(QString, general);
        QFETCH(bool, timeShown);
        QFETCH(bool, cancelKey);
        QPointer<AUK_40026> popup = pushed(kind);
        popup->showTimeLeft(90);
        QCOMPARE(popup->title(), title);
        QCOMPARE(namedChild<QLabel>(popup, "lblWarning")->text(), warning);
        QCOMPARE(namedChild<QLabel>(popup, "lblGeneralText")->text(), general);
        QCOMPARE(namedChild<QLabel>(popup, "timeLeft")->isVisible(), timeShown);
        QCOMPARE(namedChild<QLabel>(popup, "timeFrame")->isVisible(), timeShown);
        QVERIFY(!popup->leftButtonVisible());
        QCOMPARE(popup->rightButtonVisible(), cancelKey);
        if (cancelKey)
            QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
    }

    void languageChangeTranslatesAgain()
    {
        QPointer<AUK_40026> popup = pushed(2);
        popup->showTimeLeft(75);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        emit TeskGlobalConfig::instance()->updateLanguage();
        QCOMPARE(popup->title(), QCoreApplication::translate("AUK_40026", "_PANEL_SYNC_IN_PROGRESS_POPUPTITLE"));
        QVERIFY(!popup->title().startsWith(QLatin1Char('_')));
        QVERIFY(!namedChild<QLabel>(popup, "lblWarning")->text().startsWith(QLatin1Char('_')));
        QVERIFY(!namedChild<QLabel>(popup, "lblGeneralText")->text().startsWith(QLatin1Char('_')));
        QCOMPARE(namedChild<QLabel>(popup, "timeLeft")->text(), QStringLiteral("01:15"));
    }

    void cancel_data()
    {
        QTest::addColumn<QString>("masterState");
        QTest::addColumn<int>("homeReturns");
        QTest::addColumn<int>("pagesLeft");
        QTest::newRow("start-up state returns home") << "1" << 1 << 1;
        QTest::newRow("otherwise just closes") << "0" << 0 << 2;
    }

    void cancel()
    {
        QFETCH(QString, masterState);
        QFETCH(int, homeReturns);
        QFETCH(int, pagesLeft);
        ScriptedSite::setValue(EngineBucket, QStringLiteral("mstrstat"), masterState);
        // Returning to the main screen drops the screen below the popup too,
        // and on a panel in its start-up state asks for the log-on again.
        PageStack *stack = PageStack::instance();
        QSignalSpy loggedOut(stack, &PageStack::loginAtStartupMode);
        QSignalSpy loggedIn(stack, &PageStack::alreadyLoggedInAtStartupMode);
        QVERIFY(stack->push(new AUK_90001A));
        QPointer<AUK_40026> popup = pushed(3);
        emit popup->rightButtonClicked();
        QVERIFY(!stack->containsPage(QStringLiteral("AUK_40026")));
        QCOMPARE(stack->count(), pagesLeft);
        QCOMPARE(loggedOut.count() + loggedIn.count(), homeReturns);
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("kind");
        for (int kind = 0; kind <= 3; ++kind)
            QTest::newRow(qPrintable(QStringLiteral("AUK_40026_kind%1").arg(kind))) << kind;
    }

    void screenshots()
    {
        QFETCH(int, kind);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The page beneath writes its date in the language it is built in.
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        QPointer<AUK_40026> popup = pushed(kind);
        popup->showTimeLeft(125);
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, QString::fromLatin1(QTest::currentDataTag()));
        const QRect texts(190, 36 + 126, 289, 80);
        QVERIFY(WidgetShot::fractionNear(image, texts, WidgetShot::colourAt(image, texts.topLeft())) < 0.99);
    }
};

QTEST_MAIN(tst_CountdownPopup)
#include "tst_countdownpopup.moc"
