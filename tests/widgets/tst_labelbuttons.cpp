#include "widgets/AUK_90002.h"
#include "widgets/AUK_90005.h"
#include "widgets/AUK_90007.h"
#include "widgets/AUK_90046.h"
#include "widgets/AUK_90049.h"
#include "widgets/KeypadButton.h"

#include "ArtworkDir.h"
#include "WidgetShot.h"

#include <QtTest>

#include <memory>

class tst_LabelButtons : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ArtworkDir> m_artwork;
    QWidget m_window;

    static QString labelText(QWidget &button, const char *name)
    {
        return button.findChild<QLabel *>(QLatin1String(name))->text();
    }

private slots:
    void initTestCase()
    {
        m_artwork = std::make_unique<ArtworkDir>();
        QVERIFY(m_artwork->isValid());
        m_window.resize(640, 480);
        m_window.show();
    }

    void cleanupTestCase() { m_artwork.reset(); }

    void sizesAndSkins()
    {
        AUK_90002 icon(&m_window);
        AUK_90005 softKey(&m_window);
        AUK_90007 scrollKey(&m_window);
        AUK_90046 popupKey(&m_window);
        AUK_90049 arrowKey(&m_window);
        KeypadButton numberKey(&m_window);
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
        AUK_90002 button(&m_window);
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
        AUK_90005 key(&m_window);
        key.setText(QStringLiteral("old"));
        key.setTextById(id);
        QCOMPARE(key.text(), text);
    }

    void popupKeyTexts()
    {
        AUK_90046 key(&m_window);
        key.setTextById(1);
        QCOMPARE(key.text(), QStringLiteral("_ABORT_POPUPSK"));
        key.setTextById(12);
        QCOMPARE(key.text(), QStringLiteral("_WRITE_POPUPSK"));
        key.setTextById(13);
        QCOMPARE(key.text(), QString());
    }

    void dayNightOffersTheOtherMode()
    {
        AUK_90002 button(&m_window);
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
        AUK_90046 key(&m_window);
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
        AUK_90007 key(&m_window);
        QVERIFY(key.setProperty("text", QStringLiteral("up")));
        QCOMPARE(key.property("text").toString(), QStringLiteral("up"));
        QCOMPARE(key.label()->text(), QString());
    }

    void scrollKeyLongPressThenClick()
    {
        AUK_90007 key(&m_window);
        key.show();
        QSignalSpy presses(&key, &BaseButton::longPress);
        QSignalSpy clicks(&key, &BaseButton::clicked);
        QElapsedTimer held;
        held.start();
        QTest::mousePress(&key, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(presses.wait(5000));
        QVERIFY(held.elapsed() >= 450);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(&key, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicks.count(), 1);
    }

    void labelButtonsPaintTheirText()
    {
        AUK_90005 key(&m_window);
        key.setText(QStringLiteral("MENU"));
        key.show();
        const QImage shot = WidgetShot::grab(&key);
        WidgetShot::saveForReview(shot, QStringLiteral("AUK_90005_soft_key"));
        // White text on the dark face of the key.
        QVERIFY(WidgetShot::fractionNear(shot, QRect(60, 20, 100, 24), Qt::white, 60) > 0.03);
        QTest::mousePress(&key, Qt::LeftButton, {}, QPoint(5, 5));
        const QImage down = WidgetShot::grab(&key);
        WidgetShot::saveForReview(down, QStringLiteral("AUK_90005_soft_key_down"));
        QVERIFY(WidgetShot::averageColour(down, QRect(4, 30, 8, 8)).blue() > 150);
        QTest::mouseRelease(&key, Qt::LeftButton, {}, QPoint(5, 5));
    }
};

QTEST_MAIN(tst_LabelButtons)
#include "tst_labelbuttons.moc"
