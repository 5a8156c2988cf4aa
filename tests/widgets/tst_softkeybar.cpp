#include "FakeClock.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90005.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90007.h"
#include "widgets/PaletteRepository.h"

#include <QSignalSpy>
#include <QTransform>
#include <QtTest>

// The soft-key bar: its keys' places and defaults, its own signals for taps
// and holds, and the properties the screens' forms set.
class tst_SoftKeyBar : public WidgetTest
{
    Q_OBJECT

private:
    FakeClock m_clock;

    template <typename T> static T *key(AUK_90006 &bar, const char *name)
    {
        return bar.findChild<T *>(QLatin1String(name));
    }

private slots:
    void defaults()
    {
        AUK_90006 bar(window());
        bar.show();
        QCOMPARE(bar.size(), QSize(640, 71));
        QCOMPARE(bar.objectName(), QStringLiteral("AUK_90006"));
        QVERIFY(!bar.scrollButtonsVisible());
        QVERIFY(!bar.upScrollButtonEnabled());
        QVERIFY(!bar.downScrollButtonEnabled());
        for (const char *name : {"leftButton", "middleButton", "rightButton"}) {
            QVERIFY(key<AUK_90005>(bar, name)->isVisible());
            QVERIFY(key<AUK_90005>(bar, name)->isEnabled());
            QCOMPARE(key<AUK_90005>(bar, name)->text(), QString());
        }
        QCOMPARE(key<AUK_90005>(bar, "leftButton")->x(), -5);
        QCOMPARE(key<AUK_90005>(bar, "middleButton")->x(), 209);
        QCOMPARE(key<AUK_90005>(bar, "rightButton")->x(), 423);
        QCOMPARE(key<AUK_90007>(bar, "scrollDownButton")->pos(), QPoint(423, 6));
        QCOMPARE(key<AUK_90007>(bar, "scrollUpButton")->pos(), QPoint(536, 6));
        QVERIFY(!bar.scrollButtonsImage().isNull());

        // Shadow cast upwards: clear at the top, mid grey at the keys.
        const QImage shot = WidgetShot::grab(&bar);
        QVERIFY(WidgetShot::colourAt(shot, {320, 0}).alpha() < 30);
        const QColor bottom = WidgetShot::colourAt(shot, {320, 5});
        QCOMPARE(bottom.rgb(), PaletteRepository::midGrey().rgb());
        QVERIFY(bottom.alpha() > 200);
    }

    void visibilityIsTheKeysOwn()
    {
        AUK_90006 bar(window());
        QVERIFY(!bar.leftButtonVisible()); // the bar itself is not shown
        bar.show();
        QVERIFY(bar.leftButtonVisible());
        key<AUK_90007>(bar, "scrollUpButton")->show();
        QVERIFY(!bar.scrollButtonsVisible());
        bar.setProperty("scrollButtonsVisible", true);
        QVERIFY(bar.scrollButtonsVisible());
        bar.setProperty("rightButtonVisible", false);
        QVERIFY(!bar.rightButtonVisible());
    }

    void textsAndStates()
    {
        AUK_90006 bar(window());
        bar.setLeftButtonTextById(2);
        bar.setMiddleButtonTextById(31);
        bar.setRightButtonTextById(26);
        QCOMPARE(bar.leftButtonText(), QStringLiteral("_ACCEPT_SK"));
        QCOMPARE(bar.property("middleButtonText").toString(), QStringLiteral("_MAIN_MENU_SK"));
        QCOMPARE(bar.rightButtonText(), QString());
        bar.setProperty("rightButtonText", QStringLiteral("Go"));
        QCOMPARE(key<AUK_90005>(bar, "rightButton")->text(), QStringLiteral("Go"));
        for (const char *property : {"leftButtonEnabled", "middleButtonEnabled", "rightButtonEnabled",
                                     "upScrollButtonEnabled", "downScrollButtonEnabled"}) {
            bar.setProperty(property, true);
            QVERIFY2(bar.property(property).toBool(), property);
            bar.setProperty(property, false);
            QVERIFY2(!bar.property(property).toBool(), property);
        }
    }

    void downArrowIsTheUpArrowTurnedOver()
    {
        AUK_90006 bar(window());
        QImage arrow(8, 8, QImage::Format_ARGB32);
        arrow.fill(Qt::transparent);
        for (int x = 0; x < 8; ++x)
            arrow.setPixelColor(x, 0, Qt::white); // a bar along the top edge
        bar.setScrollButtonsImage(QPixmap::fromImage(arrow));
        const QImage down = key<AUK_90007>(bar, "scrollDownButton")->label()->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(down.pixelColor(3, 7), QColor(Qt::white));
        QCOMPARE(down.pixelColor(3, 0).alpha(), 0);
        QCOMPARE(bar.scrollButtonsImage().toImage(), QPixmap::fromImage(arrow).toImage());
    }

    void textKeysClick_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("which"); // left, middle, right
        QTest::newRow("left") << "leftButton" << 0;
        QTest::newRow("middle") << "middleButton" << 1;
        QTest::newRow("right") << "rightButton" << 2;
    }

    void textKeysClick()
    {
        QFETCH(QString, name);
        QFETCH(int, which);
        AUK_90006 bar(window());
        bar.show();
        QSignalSpy left(&bar, &AUK_90006::leftButtonClicked);
        QSignalSpy middle(&bar, &AUK_90006::middleButtonClicked);
        QSignalSpy right(&bar, &AUK_90006::rightButtonClicked);
        QTest::mouseClick(bar.findChild<QWidget *>(name), Qt::LeftButton, {}, QPoint(100, 30));
        QCOMPARE(QList<int>({left.count(), middle.count(), right.count()}),
                 QList<int>({which == 0, which == 1, which == 2}));
    }

    void scrollTapAndHold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("heldFor");
        QTest::addColumn<int>("held");
        QTest::newRow("up tap") << "scrollUpButton" << true << 499 << 0;
        QTest::newRow("up hold") << "scrollUpButton" << true << 500 << 1;
        QTest::newRow("down tap") << "scrollDownButton" << false << 100 << 0;
        QTest::newRow("down hold") << "scrollDownButton" << false << 800 << 1;
    }

    void scrollTapAndHold()
    {
        QFETCH(QString, name);
        QFETCH(bool, up);
        QFETCH(int, heldFor);
        QFETCH(int, held);
        AUK_90006 bar(window());
        bar.show();
        bar.setScrollButtonsVisible(true);
        bar.setUpScrollButtonEnabled(true);
        bar.setDownScrollButtonEnabled(true);
        QSignalSpy clicks(&bar, up ? &AUK_90006::scrollUpButtonClicked : &AUK_90006::scrollDownButtonClicked);
        QSignalSpy holds(&bar, up ? &AUK_90006::scrollUpButtonHeld : &AUK_90006::scrollDownButtonHeld);
        QSignalSpy otherHolds(&bar, up ? &AUK_90006::scrollDownButtonHeld : &AUK_90006::scrollUpButtonHeld);
        QWidget *scrollKey = bar.findChild<QWidget *>(name);
        QTest::mousePress(scrollKey, Qt::LeftButton, {}, QPoint(20, 20));
        m_clock.advance(heldFor);
        QCOMPARE(holds.count(), held);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(scrollKey, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(holds.count(), held);
        QCOMPARE(otherHolds.count(), 0);
    }

    void disabledScrollKeyIsSilent()
    {
        AUK_90006 bar(window());
        bar.show();
        bar.setScrollButtonsVisible(true);
        QSignalSpy clicks(&bar, &AUK_90006::scrollUpButtonClicked);
        QSignalSpy holds(&bar, &AUK_90006::scrollUpButtonHeld);
        QWidget *scrollKey = bar.findChild<QWidget *>(QStringLiteral("scrollUpButton"));
        QTest::mousePress(scrollKey, Qt::LeftButton, {}, QPoint(20, 20));
        m_clock.advance(600);
        QTest::mouseRelease(scrollKey, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicks.count() + holds.count(), 0);
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        QWidget page(window());
        page.resize(640, 150);
        page.setPalette(PaletteRepository::instance()->greyPalette());
        page.setAutoFillBackground(true);
        AUK_90006 bar(&page);
        bar.move(0, 0);
        bar.setLeftButtonTextById(2);
        bar.setMiddleButtonTextById(31);
        bar.setRightButtonVisible(false);
        bar.setScrollButtonsVisible(true);
        bar.setUpScrollButtonEnabled(true);
        AUK_90006 second(&page);
        second.move(0, 75);
        second.setLeftButtonTextById(8);
        second.setMiddleButtonVisible(false);
        second.setRightButtonTextById(58);
        page.show();
        QCOMPARE(bar.leftButtonText(), QStringLiteral("Accept"));
        WidgetShot::saveForReview(WidgetShot::grab(&page), QStringLiteral("AUK_90006"));
        QCOMPARE(WidgetShot::textProblems(&page), QString());
    }
};

QTEST_MAIN(tst_SoftKeyBar)
#include "tst_softkeybar.moc"
