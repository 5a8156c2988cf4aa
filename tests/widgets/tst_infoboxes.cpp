#include "FakeClock.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90004.h"
#include "widgets/AUK_90058.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

// The info panes: counters and their row kinds, the no-faults and link
// icons, the message list, the second counters table, and touches.
class tst_InfoBoxes : public WidgetTest
{
    Q_OBJECT

private:
    FakeClock m_clock;

    static QTableWidget *counters(QWidget &pane)
    {
        return pane.findChild<QTableWidget *>(QStringLiteral("countersTableWidget"));
    }
    static QTableWidget *lower(QWidget &pane)
    {
        return pane.findChild<QTableWidget *>(QStringLiteral("messagesTableWidget"));
    }
    static QLabel *child(QWidget &pane, const char *name) { return pane.findChild<QLabel *>(QLatin1String(name)); }
    static QStringList row(QTableWidget *table, int row)
    {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            cells << (item ? item->text() : QStringLiteral("<none>"));
        }
        return cells;
    }
    static QStringList messages(AUK_90004 &pane)
    {
        QStringList texts;
        for (int i = 0; i < lower(pane)->rowCount(); ++i)
            texts << lower(pane)->item(i, 0)->text();
        return texts;
    }

private slots:
    void freshPane()
    {
        AUK_90004 pane(window());
        QCOMPARE(pane.size(), QSize(210, 338));
        QCOMPARE(pane.metaObject()->className(), "AUK_90004");
        QCOMPARE(pane.buttonType(), BaseButton::INFO_BUTTON);
        QCOMPARE(counters(pane)->rowCount(), 10);
        QCOMPARE(counters(pane)->columnWidth(0), 116);
        QCOMPARE(counters(pane)->columnWidth(1), 50);
        QCOMPARE(lower(pane)->rowCount(), 5);
        QCOMPARE(pane.text(), QString());
        QCOMPARE(pane.title(), QString());
        // No messages: the icon instead of the list.
        QVERIFY(!child(pane, "messagesLabel")->isHidden());
        QVERIFY(lower(pane)->isHidden());
    }

    void counts_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("7") << 7 << "0007";
        QTest::newRow("123") << 123 << "0123";
        QTest::newRow("12345") << 12345 << "12345";
        QTest::newRow("0") << 0 << "0000";
    }

    void counts()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        AUK_90004 pane(window());
        pane.setMessage(0, QStringLiteral("Faults"), AUK_90004Base::LabelAndCount);
        pane.setCounterNumber(0, number);
        QCOMPARE(row(counters(pane), 0), QStringList({"Faults", text}));
    }

    void rowKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("defined");
        QTest::addColumn<QStringList>("atZero");
        QTest::addColumn<QStringList>("atThree");
        QTest::addColumn<QStringList>("textZero");
        QTest::newRow("1000 label and count") << 1000 << QStringList{"Fires", "0000"} << QStringList{"Fires", "0000"}
                                              << QStringList{"Fires", "0003"} << QStringList{"Fires", "0"};
        QTest::newRow("1001 count when not zero") << 1001 << QStringList{"", ""} << QStringList{"", ""}
                                                  << QStringList{"Fires", "0003"} << QStringList{"", ""};
        QTest::newRow("1002 label only") << 1002 << QStringList{"Fires", ""} << QStringList{"Fires", ""}
                                         << QStringList{"Fires", ""} << QStringList{"Fires", ""};
    }

    void rowKinds()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, defined);
        QFETCH(QStringList, atZero);
        QFETCH(QStringList, atThree);
        QFETCH(QStringList, textZero);
        AUK_90004 pane(window());
        pane.setMessage(2, QStringLiteral("Fires"), kind);
        QCOMPARE(row(counters(pane), 2), defined);
        QCOMPARE(counters(pane)->item(2, 0)->type(), kind);
        pane.setCounterNumber(2, 0);
        QCOMPARE(row(counters(pane), 2), atZero);
        pane.setCounterNumber(2, 3);
        QCOMPARE(row(counters(pane), 2), atThree);
        pane.setCounterText(2, QStringLiteral(" 0 "));
        QCOMPARE(row(counters(pane), 2), textZero);
    }

    void labelsAndRenames()
    {
        AUK_90004 pane(window());
        pane.setMessage(0, QStringLiteral("Fires"), AUK_90004Base::LabelAndCount);
        pane.setCounterLabel(0, QStringLiteral("Alarms"));
        QCOMPARE(row(counters(pane), 0).first(), QStringLiteral("Alarms"));
        // The stored label comes back with the next value.
        pane.setCounterNumber(0, 1);
        QCOMPARE(row(counters(pane), 0).first(), QStringLiteral("Fires"));
        pane.renameCounter(0, QStringLiteral("Alarms"));
        pane.setCounterNumber(0, 2);
        QCOMPARE(row(counters(pane), 0), QStringList({"Alarms", "0002"}));
        pane.renameCounter(5, QStringLiteral("Ghost"));
        QCOMPARE(row(counters(pane), 5), QStringList({"<none>", "<none>"}));
    }

    void rowsOutsideTheTableAreIgnored_data()
    {
        QTest::addColumn<int>("rowNumber");
        QTest::newRow("negative") << -1;
        QTest::newRow("past the counters") << 10;
        QTest::newRow("far past") << 1000;
    }

    void rowsOutsideTheTableAreIgnored()
    {
        QFETCH(int, rowNumber);
        AUK_90058 pane(window());
        pane.setMessage(0, QStringLiteral("Fires"), AUK_90004Base::LabelAndCount);
        pane.setTableText(0, QStringLiteral("Loops"), AUK_90004Base::LabelAndCount);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no row")));
        pane.setMessage(rowNumber, QStringLiteral("Bad"), AUK_90004Base::LabelAndCount);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no row")));
        pane.setCounterNumber(rowNumber, 4);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no row")));
        pane.setCounterLabel(rowNumber, QStringLiteral("Bad"));
        pane.renameCounter(rowNumber, QStringLiteral("Bad"));
        // The lower table has five rows.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no row")));
        pane.setTableText(rowNumber < 0 ? rowNumber : 5, QStringLiteral("Bad"), AUK_90004Base::LabelAndCount);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no row")));
        pane.setTableNumber(rowNumber < 0 ? rowNumber : 5, 4);
        QCOMPARE(counters(pane)->rowCount(), 10);
        QCOMPARE(lower(pane)->rowCount(), 5);
        QCOMPARE(row(counters(pane), 0), QStringList({"Fires", "0000"}));
        QCOMPARE(row(lower(pane), 0), QStringList({"Loops", "0000"}));
    }

    void valuesForUndefinedRowsAreIgnored()
    {
        AUK_90058 pane(window());
        pane.setMessage(0, QStringLiteral("Fires"), AUK_90004Base::LabelAndCount);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("never defined")));
        pane.setCounterNumber(3, 9);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("never defined")));
        pane.setCounterLabel(3, QStringLiteral("Ghost"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("never defined")));
        pane.setTableNumber(2, 9);
        QCOMPARE(row(counters(pane), 3), QStringList({"<none>", "<none>"}));
        QCOMPARE(row(lower(pane), 2), QStringList({"", "<none>"}));
    }

    void noFaultsIcon_data()
    {
        QTest::addColumn<bool>("zeroIcon");
        QTest::addColumn<QList<int>>("values"); // -1 leaves the row as defined
        QTest::addColumn<bool>("iconShown");
        QTest::newRow("all zero") << true << QList<int>{0, 0} << true;
        QTest::newRow("as defined") << true << QList<int>{-1, -1} << true;
        QTest::newRow("one count") << true << QList<int>{0, 2} << false;
        QTest::newRow("icon off") << false << QList<int>{0, 0} << false;
    }

    void noFaultsIcon()
    {
        QFETCH(bool, zeroIcon);
        QFETCH(QList<int>, values);
        QFETCH(bool, iconShown);
        AUK_90004 pane(window());
        pane.panelConnected(true, false);
        pane.setMessage(0, QStringLiteral("Faults"), AUK_90004Base::LabelAndCount);
        pane.setMessage(1, QStringLiteral("Disabled"), AUK_90004Base::LabelAndCount);
        for (int i = 0; i < values.size(); ++i)
            if (values[i] >= 0)
                pane.setCounterNumber(i, values[i]);
        pane.setProperty("m_useCountersZeroIcon", zeroIcon);
        QCOMPARE(!child(pane, "counterLabel")->isHidden(), iconShown);
        QCOMPARE(counters(pane)->isHidden(), iconShown);
        if (iconShown)
            QCOMPARE(child(pane, "counterLabel")->pixmap(Qt::ReturnByValue).toImage(),
                     QPixmap(QStringLiteral("../resources/icons/AUK_80145_no_faults.png")).toImage());
    }

    void linkIconBlinks_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::addColumn<QList<bool>>("shown"); // the link icon after each 500 ms
        QTest::newRow("no backup") << false << QList<bool>{false, true, false, true};
        QTest::newRow("backup") << true << QList<bool>{true, true, true, true};
    }

    void linkIconBlinks()
    {
        QFETCH(bool, backup);
        QFETCH(QList<bool>, shown);
        AUK_90004 pane(window());
        pane.setText(QStringLiteral("Panel 1"));
        pane.setMessage(0, QStringLiteral("Faults"), AUK_90004Base::LabelAndCount);
        pane.panelConnected(false, backup);
        QLabel *icon = child(pane, "counterLabel");
        QVERIFY(!icon->isHidden());
        QVERIFY(counters(pane)->isHidden());
        QCOMPARE(icon->pixmap(Qt::ReturnByValue).toImage(),
                 QPixmap(QStringLiteral("../resources/icons/AUK_80055_Panel_link.png")).toImage());
        QCOMPARE(!child(pane, "labelText")->isHidden(), backup);
        for (int tick = 0; tick < shown.size(); ++tick) {
            m_clock.advance(499);
            const bool before = !icon->isHidden();
            m_clock.advance(1);
            QVERIFY2(!icon->isHidden() == shown[tick], qPrintable(QString::number(tick)));
            QVERIFY(counters(pane)->isHidden());
            if (tick > 0 && !backup)
                QVERIFY(before != shown[tick]);
        }
        // The link returns: the counters come back and stay.
        pane.panelConnected(true, false);
        QVERIFY(!counters(pane)->isHidden());
        QVERIFY(icon->isHidden());
        QVERIFY(!child(pane, "labelText")->isHidden());
        m_clock.advance(2000);
        QVERIFY(!counters(pane)->isHidden());
    }

    void messagesPushDown()
    {
        AUK_90004 pane(window());
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(pane.insertMessage(QStringLiteral("m%1").arg(i), 0, false), 0);
        QCOMPARE(messages(pane), QStringList({"m5", "m4", "m3", "m2", "m1"}));
        QVERIFY(!lower(pane)->isHidden());
        QVERIFY(child(pane, "messagesLabel")->isHidden());
        pane.insertMessage(QStringLiteral("m6"), 0, false);
        QCOMPARE(messages(pane), QStringList({"m6", "m5", "m4", "m3", "m2"}));
        pane.insertMessage(QStringLiteral("r"), 2, true);
        QCOMPARE(messages(pane), QStringList({"m6", "m5", "r", "m3", "m2"}));
        pane.insertMessage(QStringLiteral("late"), 7, false);
        QCOMPARE(messages(pane), QStringList({"m6", "m5", "r", "m3", "late"}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no row")));
        QCOMPARE(pane.insertMessage(QStringLiteral("bad"), -1, false), 5);
        QCOMPARE(messages(pane), QStringList({"m6", "m5", "r", "m3", "late"}));
    }

    void boxTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("labelWidth");
        QTest::addColumn<int>("valueWidth");
        QTest::newRow("0") << 0 << 86 << 80;
        QTest::newRow("1") << 1 << 116 << 50;
        QTest::newRow("2") << 2 << 108 << 60;
        QTest::newRow("3") << 3 << 136 << 30;
        QTest::newRow("4") << 4 << 170 << 0;
        QTest::newRow("5") << 5 << 116 << 50;
        QTest::newRow("-1") << -1 << 116 << 50;
    }

    void boxTypes()
    {
        QFETCH(int, type);
        QFETCH(int, labelWidth);
        QFETCH(int, valueWidth);
        AUK_90004 pane(window());
        pane.setBoxType(0);
        pane.setBoxType(type);
        QCOMPARE(counters(pane)->columnWidth(0), labelWidth);
        QCOMPARE(counters(pane)->columnWidth(1), valueWidth);
    }

    void wideLabelsDoubleTheRow()
    {
        AUK_90004 pane(window());
        const int line = QFontMetrics(FontRepository::instance()->bold18()).height();
        pane.setMessage(0, QStringLiteral("Fires"), AUK_90004Base::LabelAndCount);
        pane.setMessage(1, QStringLiteral("Disablements and faults"), AUK_90004Base::LabelAndCount);
        QCOMPARE(counters(pane)->rowHeight(0), 20);
        QCOMPARE(counters(pane)->rowHeight(1), 2 * line);
        pane.setCounterNumber(0, 4);
        QCOMPARE(counters(pane)->rowHeight(0), 20);
        pane.setCounterNumber(0, 123456789);
        QCOMPARE(counters(pane)->rowHeight(0), 2 * line);
    }

    void tallBox()
    {
        AUK_90004 pane(window());
        pane.setTallCountersBox(true);
        QCOMPARE(child(pane, "box1")->size(), QSize(188, 222));
        QCOMPARE(counters(pane)->size(), QSize(168, 202));
        QCOMPARE(child(pane, "counterLabel")->size(), QSize(168, 200));
        pane.setTallCountersBox(false);
        QCOMPARE(child(pane, "box1")->size(), QSize(188, 98));
        QCOMPARE(counters(pane)->size(), QSize(168, 80));
    }

    void visibilityProperties()
    {
        AUK_90004 pane(window());
        pane.show();
        pane.setProperty("countersVisible", false);
        QVERIFY(!pane.countersVisible());
        QVERIFY(counters(pane)->isHidden());
        QVERIFY(child(pane, "counterLabel")->isHidden());
        pane.setProperty("countersVisible", true);
        QVERIFY(pane.countersVisible());
        QVERIFY(!counters(pane)->isHidden());
        pane.setProperty("messagesVisible", false);
        QVERIFY(!pane.messagesVisible());
        QVERIFY(child(pane, "messagesLabel")->isHidden());
    }

    void touchesOnTablesClickThePane_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("counters") << "countersTableWidget";
        QTest::newRow("messages") << "messagesTableWidget";
    }

    void touchesOnTablesClickThePane()
    {
        QFETCH(QString, table);
        AUK_90004 pane(window());
        pane.show();
        pane.insertMessage(QStringLiteral("Loop 1 open"), 0, false);
        pane.setValue(QStringLiteral("pane"));
        QSignalSpy clicks(&pane, &BaseButton::clicked);
        auto *view = pane.findChild<QTableWidget *>(table);
        QVERIFY(view->isVisible());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.first().first().toString(), QStringLiteral("pane"));
    }

    void secondTable()
    {
        AUK_90058 pane(window());
        QVERIFY(child(pane, "messagesLabel")->isHidden());
        QCOMPARE(lower(pane)->columnCount(), 2);
        QCOMPARE(lower(pane)->columnWidth(0), 116);
        pane.setTableText(1, QStringLiteral("Loops"), AUK_90004Base::LabelAndCount);
        pane.setTableNumber(1, 42);
        QCOMPARE(row(lower(pane), 1), QStringList({"Loops", "0042"}));
        pane.setTableLabel(1, QStringLiteral("Lines"));
        QCOMPARE(row(lower(pane), 1).first(), QStringLiteral("Lines"));
        QVERIFY(!lower(pane)->isHidden());
    }

    void enabledLook()
    {
        AUK_90004 pane(window());
        pane.setEnabledLook(false);
        QVERIFY(!pane.isEnabled());
        QCOMPARE(child(pane, "title")->palette().color(QPalette::WindowText), PaletteRepository::darkGrey());
        pane.setEnabledLook(true);
        QCOMPARE(child(pane, "title")->palette().color(QPalette::WindowText), PaletteRepository::white());
    }

    void screenshots()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        QWidget board(window());
        board.resize(4 * 215, 338);
        board.setPalette(PaletteRepository::instance()->greyPalette());
        board.setAutoFillBackground(true);

        auto *counts = new AUK_90004(&board);
        counts->move(0, 0);
        counts->setTitle(QStringLiteral("System"));
        counts->setText(QStringLiteral("Panel 1 of 3"));
        counts->panelConnected(true, false);
        const char *labels[] = {"Fires", "Faults", "Disabled", "Tests"};
        for (int i = 0; i < 4; ++i) {
            counts->setMessage(i, QLatin1String(labels[i]), AUK_90004Base::LabelAndCount);
            counts->setCounterNumber(i, i * 7);
        }

        auto *list = new AUK_90004(&board);
        list->move(215, 0);
        list->setTitle(QStringLiteral("Messages"));
        list->panelConnected(true, false);
        list->setMessage(0, QStringLiteral("Faults"), AUK_90004Base::LabelAndCount);
        list->setCounterNumber(0, 3);
        list->insertMessage(QStringLiteral("Loop 1 open"), 0, false);
        list->insertMessage(QStringLiteral("Zone 4 fault"), 0, false);
        list->insertMessage(QStringLiteral("Mains failed"), 0, false);

        auto *lost = new AUK_90004(&board);
        lost->move(430, 0);
        lost->setTitle(QStringLiteral("Link lost"));
        lost->setText(QStringLiteral("Backup link"));
        lost->setMessage(0, QStringLiteral("Faults"), AUK_90004Base::LabelAndCount);
        lost->panelConnected(false, true);

        auto *quiet = new AUK_90058(&board);
        quiet->move(645, 0);
        quiet->setTitle(QStringLiteral("No faults"));
        quiet->setText(QStringLiteral("All clear"));
        quiet->panelConnected(true, false);
        quiet->setUseCountersZeroIcon(true);
        quiet->setMessage(0, QStringLiteral("Faults"), AUK_90004Base::LabelAndCount);
        quiet->setCounterNumber(0, 0);
        quiet->setTableText(0, QStringLiteral("Loops"), AUK_90004Base::LabelAndCount);
        quiet->setTableNumber(0, 2);
        quiet->setTableText(1, QStringLiteral("Zones"), AUK_90004Base::LabelAndCount);
        quiet->setTableNumber(1, 16);

        board.show();
        const QImage shot = WidgetShot::grab(&board);
        // Counter text is dark on the white box.
        QVERIFY(WidgetShot::fractionNear(shot, QRect(25, 45, 160, 75), PaletteRepository::darkGrey(), 40) > 0.01);
        WidgetShot::saveForReview(shot, QStringLiteral("AUK_90004"));
        QCOMPARE(WidgetShot::textProblems(&board), QString());
    }
};

QTEST_MAIN(tst_InfoBoxes)
#include "tst_infoboxes.moc"
