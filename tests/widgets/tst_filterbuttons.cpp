#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90033.h"
#include "widgets/QLabelWithCursor.h"

#include <QtTest>

class tst_FilterButtons : public WidgetTest
{
    Q_OBJECT

private:
    static QLabel *child(QWidget &button, const char *name) { return button.findChild<QLabel *>(QLatin1String(name)); }

private slots:
    void counterPadsToItsWidth_data()
    {
        QTest::addColumn<QString>("counter");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one digit") << "5"
                                   << "(005)";
        QTest::newRow("full") << "123"
                              << "(123)";
        QTest::newRow("longer than the field") << "1234"
                                               << "(1234)";
    }

    void counterPadsToItsWidth()
    {
        QFETCH(QString, counter);
        QFETCH(QString, shown);
        AUK_90008 button(window());
        button.show();
        button.setButtonValue(QStringLiteral("Zone 1"));
        button.setButtonCounter(counter, 3, QLatin1Char('0'));
        QCOMPARE(child(button, "buttonCounter")->text(), shown);
        QVERIFY(child(button, "buttonCounter")->isVisible());
        QCOMPARE(button.buttonCounter(), shown.mid(1, shown.size() - 2));
    }

    void counterProperty()
    {
        AUK_90008 button(window());
        QVERIFY(button.setProperty("buttonCounter", QStringLiteral("7")));
        QCOMPARE(child(button, "buttonCounter")->text(), QStringLiteral("(007)"));
        QCOMPARE(button.property("buttonCounter").toString(), QStringLiteral("007"));
        button.setButtonCounter(QString(), 3, QLatin1Char('0'));
        QVERIFY(child(button, "buttonCounter")->isHidden());
        QCOMPARE(button.buttonCounter(), QString());
    }

    void clearingHidesTheCounterUntilSetAgain()
    {
        AUK_90008 button(window());
        button.show();
        button.setButtonValue(QStringLiteral("Panel 2"));
        button.setButtonCounter(QStringLiteral("12"), 3, QLatin1Char('0'));
        button.setButtonValue(QString());
        QVERIFY(child(button, "buttonCounter")->isHidden());
        button.setButtonValue(QStringLiteral("Panel 3"));
        QVERIFY(child(button, "buttonCounter")->isHidden());
        button.setButtonCounter(QStringLiteral("3"), 3, QLatin1Char('0'));
        QVERIFY(child(button, "buttonCounter")->isVisible());
    }

    void promptShowsInItalicsAndReadsEmpty()
    {
        AUK_90008 wide(window());
        AUK_90033 tile(window());
        for (FilterButton *button : std::initializer_list<FilterButton *>{&wide, &tile}) {
            QLabel *value = child(*button, "buttonValue");
            QCOMPARE(button->buttonValue(), QString());
            button->setButtonValue(QStringLiteral("42"));
            QCOMPARE(button->buttonValue(), QStringLiteral("42"));
            QVERIFY(value->font().bold());
            button->setButtonValue(QString());
            QCOMPARE(value->text(), QStringLiteral("_CLICK_TO_SELECT_SELPROMPT"));
            QVERIFY(value->font().italic());
            QCOMPARE(button->buttonValue(), QString());

            // A new prompt shows only at the next clear.
            button->setButtonEmptyValue(QStringLiteral("pick one"));
            QCOMPARE(value->text(), QStringLiteral("_CLICK_TO_SELECT_SELPROMPT"));
            button->setButtonValue(QString());
            QCOMPARE(value->text(), QStringLiteral("pick one"));
        }
    }

    void clearAndDisableOrEnable()
    {
        AUK_90008 wide(window());
        AUK_90033 tile(window());
        for (FilterButton *button : std::initializer_list<FilterButton *>{&wide, &tile}) {
            button->setButtonValue(QStringLiteral("x"));
            button->clearAndDisable();
            QVERIFY(!button->isEnabled());
            QVERIFY(child(*button, "buttonValue")->font().italic());
            button->clearAndEnable();
            QVERIFY(button->isEnabled());
            QCOMPARE(button->buttonValue(), QString());
        }
        wide.setButtonCounter(QStringLiteral("9"), 3, QLatin1Char('0'));
        wide.clearAndEnable();
        QCOMPARE(wide.buttonCounter(), QString());
    }

    void counterTileLooksAndLabels()
    {
        const EnglishTexts english;
        QVERIFY(english.isLoaded());
        AUK_90033 tile(window());
        QCOMPARE(tile.size(), QSize(186, 64));
        tile.setButtonLabel(QStringLiteral("_FAULTS_COUNTBTN"));
        QVERIFY(tile.setProperty("buttonLabel", QStringLiteral("Faults")));
        QCOMPARE(tile.buttonLabel(), QStringLiteral("Faults"));
        tile.setValueAlignment(Qt::AlignCenter);
        QCOMPARE(child(tile, "buttonValue")->alignment(), Qt::AlignCenter);
        tile.setButtonValue(QStringLiteral("17"));
        tile.setCheckable(true);
        tile.setChecked(true);
        tile.show();
        const QImage shot = WidgetShot::grab(&tile);
        WidgetShot::saveForReview(shot, QStringLiteral("AUK_90033_checked"));
        QCOMPARE(WidgetShot::textProblems(&tile), QString());
        // Checked draws the pressed (blue) skin under the white value box.
        QVERIFY(WidgetShot::averageColour(shot, QRect(3, 28, 5, 8)).blue() > 150);
        QVERIFY(WidgetShot::fractionNear(shot, QRect(95, 15, 70, 34), Qt::white, 10) > 0.5);
    }

    void cursorFollowsTheText()
    {
        QLabelWithCursor label(window());
        label.resize(120, 40);
        label.setAutoFillBackground(true);
        QPalette white;
        white.setColor(QPalette::Window, Qt::white);
        label.setPalette(white);
        label.show();
        label.setCursorVisible(true);
        QImage shot = WidgetShot::grab(&label);
        QCOMPARE(WidgetShot::colourAt(shot, QPoint(1, 20)), QColor(Qt::black));
        QVERIFY(!WidgetShot::isNear(WidgetShot::colourAt(shot, QPoint(5, 20)), Qt::black));

        label.setText(QStringLiteral("123"));
        shot = WidgetShot::grab(&label);
        QCOMPARE(WidgetShot::colourAt(shot, QPoint(1, 20)).rgb(), QColor(Qt::white).rgb());
        const int x = QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("123")) + 1;
        QVERIFY(WidgetShot::fractionNear(shot, QRect(x - 1, 15, 3, 10), Qt::black, 0) > 0.3);

        label.setCursorVisible(false);
        shot = WidgetShot::grab(&label);
        QCOMPARE(WidgetShot::fractionNear(shot, QRect(x - 1, 15, 3, 10), Qt::black, 0), 0.0);
    }

    void typingLookShowsTheCursor()
    {
        AUK_90008 button(window());
        auto *value = button.findChild<QLabelWithCursor *>(QStringLiteral("buttonValue"));
        QVERIFY(value);
        button.setCurrentLook(true);
        QVERIFY(value->cursorVisible());
        button.setCurrentLook(false);
        QVERIFY(!value->cursorVisible());
    }
};

QTEST_MAIN(tst_FilterButtons)
#include "tst_filterbuttons.moc"
