#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90046.h"
#include "widgets/AUK_90050.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

// The alarm-delay side panel of the fire screen.
class tst_DelayPanel : public WidgetTest
{
    Q_OBJECT

private slots:
    void freshPanel()
    {
        AUK_90050 panel(window());
        QCOMPARE(panel.size(), QSize(210, 338));
        QCOMPARE(panel.timeLeft(), QStringLiteral("     "));
        QCOMPARE(panel.title(), QStringLiteral("_ALARM_DELAY_INFOTITLE"));
        QCOMPARE(panel.property("title").toString(), QStringLiteral("_ALARM_DELAY_INFOTITLE"));
        QCOMPARE(panel.findChild<AUK_90046 *>(QStringLiteral("delayBtn"))->text(),
                 QStringLiteral("_INVESTIGATE_DELAY_POPUPSK"));
        QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("sounderInfoText"))->text(),
                 QStringLiteral("_SOUNDERS_SILENCED_INFOTEXT"));
        QVERIFY(panel.delayButtonEnabled());
    }

    void timeLeft_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2:00") << 2 << 0 << "02:00";
        QTest::newRow("125 s") << 0 << 125 << "02:05";
        QTest::newRow("9 s") << 0 << 9 << "00:09";
        QTest::newRow("nothing left") << 0 << 0 << "     ";
    }

    void timeLeft()
    {
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        AUK_90050 panel(window());
        panel.setTimeLeft(5, 5);
        panel.setTimeLeft(minutes, seconds);
        QCOMPARE(panel.timeLeft(), shown);
        QVERIFY(!panel.findChild<QLabel *>(QStringLiteral("timeFrame"))->isHidden());
    }

    void keyClicks_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("expected");
        QTest::newRow("enabled") << true << 1;
        QTest::newRow("disabled") << false << 0;
    }

    void keyClicks()
    {
        QFETCH(bool, enabled);
        QFETCH(int, expected);
        AUK_90050 panel(window());
        panel.show();
        panel.setProperty("delayButtonEnabled", enabled);
        QCOMPARE(panel.delayButtonEnabled(), enabled);
        auto *key = panel.findChild<AUK_90046 *>(QStringLiteral("delayBtn"));
        QCOMPARE(key->label()->isVisible(), enabled);
        QSignalSpy clicked(&panel, &AUK_90050::on_delayBtn_clicked);
        QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(80, 30));
        QCOMPARE(clicked.count(), expected);
    }

    void partsShowAndHide()
    {
        AUK_90050 panel(window());
        panel.setCountdownVisible(false);
        for (const char *name : {"title", "timeFrame", "timeLeft"})
            QVERIFY2(panel.findChild<QLabel *>(QLatin1String(name))->isHidden(), name);
        panel.setSounderInfoVisible(false);
        QVERIFY(panel.findChild<QLabel *>(QStringLiteral("sounderInfoText"))->isHidden());
        panel.setSounderInfoText(QStringLiteral("quiet"));
        QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("sounderInfoText"))->text(), QStringLiteral("quiet"));
        panel.setProperty("text", QStringLiteral("Check zone 3"));
        QCOMPARE(panel.text(), QStringLiteral("Check zone 3"));
    }

    void timeIsDrawnOverItsFrame()
    {
        AUK_90050 panel(window());
        panel.setTimeLeft(0, 0);
        const QImage blank = WidgetShot::grab(&panel);
        panel.setTimeLeft(8, 8);
        const QImage counting = WidgetShot::grab(&panel);
        const QRect digits(67, 53, 75, 21);
        QVERIFY(blank.copy(digits) != counting.copy(digits));
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        AUK_90050 panel(window());
        panel.setTimeLeft(1, 65);
        panel.setText(QStringLiteral("Zone 3: Kitchen"));
        panel.show();
        QVERIFY(panel.title() != QStringLiteral("_ALARM_DELAY_INFOTITLE"));
        WidgetShot::saveForReview(WidgetShot::grab(&panel), QStringLiteral("AUK_90050"));
        QCOMPARE(WidgetShot::textProblems(&panel), QString());
    }
};

QTEST_MAIN(tst_DelayPanel)
#include "tst_delaypanel.moc"
