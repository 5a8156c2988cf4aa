#include "FakeClock.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90002.h"
#include "widgets/AUK_90003.h"
#include "widgets/AUK_90005.h"
#include "widgets/AUK_90007.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90046.h"
#include "widgets/AUK_90049.h"
#include "widgets/AUK_90053.h"
#include "widgets/AUK_90054.h"
#include "widgets/KeypadButton.h"
#include "widgets/PaletteRepository.h"

#include <QtTest>

class tst_LabelButtons : public WidgetTest
{
    Q_OBJECT

private:
    FakeClock m_clock;

    static QString labelText(QWidget &button, const char *name)
    {
        return button.findChild<QLabel *>(QLatin1String(name))->text();
    }

private slots:
    void sizesAndSkins()
    {
        AUK_90002 icon(window());
        AUK_90005 softKey(window());
        AUK_90007 scrollKey(window());
        AUK_90046 popupKey(window());
        AUK_90049 arrowKey(window());
        KeypadButton numberKey(window());
        QCOMPARE(icon.size(), QSize(110, 110));
        QCOMPARE(softKey.size(), QSize(220, 64));
        QCOMPARE(softKey.buttonType(), BaseButton::BUTTON_BAR);
        QCOMPARE(scrollKey.size(), QSize(110, 64));
        QCOMPARE(scrollKey.longPressDelay(), 500);
        QCOMPARE(popupKey.size(), QSize(166, 64));
        QCOMPARE(arrowKey.buttonType(), BaseButton::HORIZONTAL_LEFT_SCROLL_BUTTON);
        QCOMPARE(arrowKey.minimumSize(), QSize(56, 60));
        QCOMPARE(numberKey.size(), QSize(56, 60));
        QCOMPARE(softKey.objectName(), QStringLiteral("AUK_90005"));
        QCOMPARE(softKey.label()->geometry(), QRect(14, 10, 192, 44));
        QCOMPARE(icon.findChild<QLabel *>(QStringLiteral("labelText"))->property("typeface").toString(),
                 QStringLiteral("ButtonText"));
    }

    void iconButtonTexts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 1 << "_ADD_RFID_ICONBTN";
        QTest::newRow("tenth") << 10 << "_BY_ZONE_ICONBTN";
        QTest::newRow("71") << 71 << "_UPDATE_TESK_ICONBTN";
        QTest::newRow("last") << 78 << "_DEBUG_SETTINGS_ICONBTN";
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("past the end") << 79 << "";
        QTest::newRow("negative") << -3 << "";
    }

    void iconButtonTexts()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        AUK_90002 button(window());
        button.setText(QStringLiteral("old"));
        button.setTextById(id);
        QCOMPARE(button.text(), text);
    }

    void softKeyTexts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 1 << "_ACCEPT_EVENT_SK";
        QTest::newRow("25") << 25 << "_KILL_WALK_TEST_SK";
        QTest::newRow("26 none") << 26 << "";
        QTest::newRow("27") << 27 << "_LIST_VIEW_SK";
        QTest::newRow("28 none") << 28 << "";
        QTest::newRow("29") << 29 << "_LOGIN_SK";
        QTest::newRow("56") << 56 << "_UPDATE_SK";
        QTest::newRow("57 none") << 57 << "";
        QTest::newRow("58") << 58 << "_VIEW_SK";
        QTest::newRow("last") << 60 << "_ZONES_IN_FIRE_SK";
        QTest::newRow("past the end") << 61 << "";
    }

    void softKeyTexts()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        AUK_90005 key(window());
        key.setText(QStringLiteral("old"));
        key.setTextById(id);
        QCOMPARE(key.text(), text);
    }

    void popupKeyTexts()
    {
        AUK_90046 key(window());
        key.setTextById(1);
        QCOMPARE(key.text(), QStringLiteral("_ABORT_POPUPSK"));
        key.setTextById(12);
        QCOMPARE(key.text(), QStringLiteral("_WRITE_POPUPSK"));
        key.setTextById(13);
        QCOMPARE(key.text(), QString());
    }

    // The check the screenshots make: a key left untranslated, or a text
    // cut off by its button, is named.
    void textCheckSeesKeysAndOverflow()
    {
        AUK_90002 button(window());
        button.show();
        button.setText(QStringLiteral("Event log"));
        QCOMPARE(WidgetShot::textProblems(&button), QString());
        button.setText(QStringLiteral("_EVENT_LOG_ICONBTN"));
        QCOMPARE(WidgetShot::textProblems(&button),
                 QStringLiteral("AUK_90002/labelText shows the key _EVENT_LOG_ICONBTN"));
        button.setText(QStringLiteral("Sensitivity of every detector"));
        QVERIFY(WidgetShot::textProblems(&button).contains(QStringLiteral("is too long for")));
        AUK_90046 key(window());
        key.show();
        key.setText(QStringLiteral("Acknowledge every alarm of every panel"));
        QVERIFY(WidgetShot::textProblems(&key).contains(QStringLiteral("is too long for")));
    }

    // Every fixed text of the icon buttons, soft keys and popup keys, in
    // English, fits its key.
    void englishTextsFitTheirKeys()
    {
        const EnglishTexts english;
        QVERIFY(english.isLoaded());
        QStringList problems;
        const auto check = [&problems](auto &key, int lastId) {
            key.show();
            for (int id = 1; id <= lastId; ++id) {
                key.setTextById(id);
                const QString found = WidgetShot::textProblems(&key);
                if (!key.text().isEmpty() && !found.isEmpty())
                    problems << QStringLiteral("%1 %2").arg(id).arg(found);
            }
        };
        AUK_90002 icon(window());
        check(icon, 78);
        AUK_90005 softKey(window());
        check(softKey, 60);
        AUK_90046 popupKey(window());
        check(popupKey, 12);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void dayNightOffersTheOtherMode()
    {
        AUK_90002 button(window());
        button.setDayNightModeIcon(true);
        QCOMPARE(button.text(), QStringLiteral("_NIGHT_MODE_ICONBTN"));
        QVERIFY(!button.icon().isNull());
        const qint64 night = button.icon().toImage().cacheKey();
        button.setDayNightModeIcon(false);
        QCOMPARE(button.text(), QStringLiteral("_DAY_MODE_ICONBTN"));
        QVERIFY(button.icon().toImage().cacheKey() != night);
    }

    void disabledPopupKeyShowsNothing()
    {
        AUK_90046 key(window());
        key.setText(QStringLiteral("OK"));
        key.show();
        key.setEnabled(false);
        QVERIFY(key.label()->isHidden());
        const QImage off = WidgetShot::grab(&key);
        QVERIFY(WidgetShot::isTransparent(off, off.rect()));
        key.setEnabled(true);
        QVERIFY(!key.label()->isHidden());
        QCOMPARE(key.text(), QStringLiteral("OK"));
        const QImage on = WidgetShot::grab(&key);
        QVERIFY(!WidgetShot::isTransparent(on, on.rect()));
    }

    void scrollKeyTextIsNotDrawn()
    {
        AUK_90007 key(window());
        QVERIFY(key.setProperty("text", QStringLiteral("up")));
        QCOMPARE(key.property("text").toString(), QStringLiteral("up"));
        QCOMPARE(key.label()->text(), QString());
    }

    void scrollKeyLongPressThenClick()
    {
        AUK_90007 key(window());
        key.show();
        QSignalSpy presses(&key, &BaseButton::longPress);
        QSignalSpy clicks(&key, &BaseButton::clicked);
        QTest::mousePress(&key, Qt::LeftButton, {}, QPoint(20, 20));
        m_clock.advance(499);
        QCOMPARE(presses.count(), 0);
        m_clock.advance(1);
        QCOMPARE(presses.count(), 1);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(&key, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicks.count(), 1);
    }

    void labelButtonsPaintTheirText()
    {
        const EnglishTexts english;
        QVERIFY(english.isLoaded());
        AUK_90005 key(window());
        key.setText(QStringLiteral("MENU"));
        key.show();
        const QImage shot = WidgetShot::grab(&key);
        WidgetShot::saveForReview(shot, QStringLiteral("AUK_90005_soft_key"));
        QCOMPARE(WidgetShot::textProblems(&key), QString());
        // White text on the dark face of the key.
        QVERIFY(WidgetShot::fractionNear(shot, QRect(60, 20, 100, 24), Qt::white, 60) > 0.03);
        QTest::mousePress(&key, Qt::LeftButton, {}, QPoint(5, 5));
        const QImage down = WidgetShot::grab(&key);
        WidgetShot::saveForReview(down, QStringLiteral("AUK_90005_soft_key_down"));
        QVERIFY(WidgetShot::averageColour(down, QRect(4, 30, 8, 8)).blue() > 150);
        QTest::mouseRelease(&key, Qt::LeftButton, {}, QPoint(5, 5));
    }

    // A page of buttons in their states, for review by eye; every button
    // must have drawn something.
    void buttonSampleSheet()
    {
        const EnglishTexts english;
        QVERIFY(english.isLoaded());
        QWidget sheet(window());
        sheet.resize(640, 480);
        sheet.setAutoFillBackground(true);
        sheet.setPalette(PaletteRepository::instance()->greyPalette());

        auto *icon = new AUK_90002(&sheet);
        icon->setTextById(24);
        icon->setIcon(QPixmap(QStringLiteral("../resources/icons/AUK_80060_eventlog_lrg_white.png")));
        icon->move(10, 10);
        auto *pressedIcon = new AUK_90002(&sheet);
        pressedIcon->setTextById(74);
        pressedIcon->setIcon(QPixmap(QStringLiteral("../resources/icons/AUK_80201_walk_lrg_white.png")));
        pressedIcon->move(130, 10);
        pressedIcon->setDown(true);
        auto *disabledIcon = new AUK_90002(&sheet);
        disabledIcon->setTextById(15);
        disabledIcon->setIcon(QPixmap(QStringLiteral("../resources/icons/AUK_80238_date_time_icon.png")));
        disabledIcon->move(250, 10);
        disabledIcon->setEnabled(false);
        auto *softKey = new AUK_90005(&sheet);
        softKey->setText(QStringLiteral("Main menu"));
        softKey->move(10, 130);
        auto *scrollKey = new AUK_90007(&sheet);
        scrollKey->setIcon(QPixmap(QStringLiteral("../resources/icons/AUK_80254_scroll_arrow_icon.png")));
        scrollKey->move(240, 130);
        auto *popupKey = new AUK_90046(&sheet);
        popupKey->setText(QStringLiteral("Confirm"));
        popupKey->move(360, 130);
        auto *litPopupKey = new AUK_90046(&sheet);
        litPopupKey->setText(QStringLiteral("Cancel"));
        litPopupKey->setLight(true);
        litPopupKey->move(360, 200);
        auto *filter = new AUK_90008(&sheet);
        filter->setButtonLabel(QStringLiteral("Zone"));
        filter->setButtonValue(QStringLiteral("001 Reception"));
        filter->setButtonCounter(QStringLiteral("7"), 3, QLatin1Char('0'));
        filter->move(10, 210);
        auto *emptyFilter = new AUK_90008(&sheet);
        emptyFilter->setButtonLabel(QStringLiteral("Panel"));
        emptyFilter->setButtonValue(QString());
        emptyFilter->move(10, 280);
        auto *address = new AUK_90053(&sheet);
        address->setButtonLabel(QStringLiteral("Address"));
        address->setDigits(QStringLiteral("12345"));
        address->move(10, 350);
        auto *radio = new AUK_90003(&sheet);
        radio->setText(QStringLiteral("All"));
        radio->setChecked(true);
        radio->setGeometry(360, 280, 200, 34);
        auto *check = new AUK_90003(&sheet);
        check->setCheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80131_Check_on.png")));
        check->setNotCheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80130_Check_off.png")));
        check->setText(QStringLiteral("Unrestored only"));
        check->setAutoExclusive(false);
        check->setGeometry(360, 320, 200, 34);
        auto *day = new AUK_90054(&sheet);
        day->setButtonValue(QStringLiteral("24"));
        day->move(360, 370);
        auto *month = new AUK_90054(&sheet);
        month->setButtonValue(QStringLiteral("12"));
        month->setCheckable(true);
        month->setChecked(true);
        month->move(420, 370);
        auto *numberKey = new KeypadButton(&sheet);
        numberKey->setText(QStringLiteral("7"));
        numberKey->move(490, 370);
        sheet.show();

        const QImage shot = WidgetShot::grab(&sheet);
        WidgetShot::saveForReview(shot, QStringLiteral("buttons_sample"));
        QCOMPARE(WidgetShot::textProblems(&sheet), QString());
        const QColor grey = PaletteRepository::lightGrey();
        for (QWidget *button : std::initializer_list<QWidget *>{icon, pressedIcon, disabledIcon, softKey, scrollKey,
                                                                popupKey, filter, address, day, numberKey})
            QVERIFY(WidgetShot::fractionNear(shot, button->geometry(), grey, 6) < 0.5);
        QVERIFY(WidgetShot::averageColour(shot, QRect(pressedIcon->geometry().center(), QSize(4, 4))).blue() > 150);
    }
};

QTEST_MAIN(tst_LabelButtons)
#include "tst_labelbuttons.moc"
