#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90003.h"
#include "widgets/AUK_90053.h"
#include "widgets/AUK_90054.h"

#include <QtTest>

#include <memory>

namespace {

QPixmap shownImage(AUK_90003 &button)
{
    const QList<QLabel *> labels = button.findChildren<QLabel *>();
    for (QLabel *label : labels) {
        const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
        if (!pixmap.isNull())
            return pixmap;
    }
    return QPixmap();
}

QStringList fields(const AUK_90053 &button)
{
    QStringList texts;
    for (int i = 0; i < AUK_90053::FieldCount; ++i)
        texts << button.fieldValue(i);
    return texts;
}

} // namespace

class tst_ToggleButtons : public WidgetTest
{
    Q_OBJECT

private:
    // A three-digit entry into fields 1, 3 and 5, as the address selectors use.
    std::unique_ptr<AUK_90053> threeDigitButton()
    {
        auto button = std::make_unique<AUK_90053>(window());
        button->setValueVisible_2(false);
        button->setValueVisible_4(false);
        button->clearValues(false);
        return button;
    }

private slots:
    void radioButtonTogglesItsImage()
    {
        AUK_90003 first(window());
        AUK_90003 second(window());
        first.setText(QStringLiteral("_ALL_TRIPLEFILTER"));
        first.show();
        second.show();
        QVERIFY(first.isCheckable());
        QCOMPARE(first.minimumSize(), QSize(30, 30));
        const qint64 off = shownImage(first).cacheKey();
        QCOMPARE(off, first.notCheckedImage().cacheKey());

        QTest::mouseClick(&first, Qt::LeftButton);
        QVERIFY(first.isChecked());
        QCOMPARE(shownImage(first).cacheKey(), first.checkedImage().cacheKey());
        QTest::mouseClick(&second, Qt::LeftButton);
        QVERIFY(second.isChecked());
        QVERIFY(!first.isChecked());
        QCOMPARE(shownImage(first).cacheKey(), off);
    }

    void imageChangesShowOnlyInTheirState()
    {
        AUK_90003 button(window());
        QPixmap bigger(40, 50);
        bigger.fill(Qt::red);
        button.setCheckedImage(bigger);
        QCOMPARE(shownImage(button).cacheKey(), button.notCheckedImage().cacheKey());
        QCOMPARE(button.minimumSize(), QSize(30, 30));
        button.setChecked(true);
        QCOMPARE(shownImage(button).cacheKey(), bigger.cacheKey());
        QPixmap smaller(20, 10);
        button.setNotCheckedImage(smaller);
        QCOMPARE(button.minimumSize(), QSize(20, 10));
        QCOMPARE(shownImage(button).cacheKey(), bigger.cacheKey());
    }

    void dateTimeBoxLooks()
    {
        AUK_90054 narrow(window());
        QCOMPARE(narrow.buttonType(), BaseButton::DATETIME);
        auto *box = narrow.findChild<QLabel *>(QStringLiteral("buttonValueBg"));
        QCOMPARE(box->size(), QSize(34, 38));
        const qint64 plain = box->pixmap(Qt::ReturnByValue).cacheKey();
        narrow.setCheckable(true);
        narrow.setChecked(true);
        QVERIFY(narrow.highlighted());
        QVERIFY(box->pixmap(Qt::ReturnByValue).cacheKey() != plain);
        narrow.setChecked(false);
        QVERIFY(!narrow.highlighted());

        AUK_90054 wide(window(), true);
        QCOMPARE(wide.buttonType(), BaseButton::DATETIME_WIDE);
        QCOMPARE(wide.findChild<QLabel *>(QStringLiteral("buttonValueBg"))->size(), QSize(58, 38));
        wide.move(50, 50);
        wide.setWide(false);
        QCOMPARE(wide.pos(), QPoint(0, 0));
        QCOMPARE(wide.findChild<QLabel *>(QStringLiteral("buttonValueBg"))->size(), QSize(34, 38));
        wide.setButtonValue(QStringLiteral("12"));
        QCOMPARE(wide.buttonValue(), QStringLiteral("12"));
    }

    void rightToLeftEntryFillsLikeACalculator()
    {
        auto button = threeDigitButton();
        QCOMPARE(button->cursor(), 4);
        button->insertValue(QStringLiteral("1"));
        QCOMPARE(fields(*button), QStringList({"", "", "", "", "1"}));
        button->insertValue(QStringLiteral("2"));
        QCOMPARE(fields(*button), QStringList({"", "", "1", "", "2"}));
        button->insertValue(QStringLiteral("3"));
        QCOMPARE(fields(*button), QStringList({"1", "", "2", "", "3"}));
        button->insertValue(QStringLiteral("4"));
        QCOMPARE(fields(*button), QStringList({"1", "", "2", "", "3"}));
        QCOMPARE(button->digits(), QStringLiteral("123"));
    }

    void leftToRightEntry()
    {
        AUK_90053 button(window());
        button.setGreyBox_2(true);
        button.setValue_2(QStringLiteral("-"));
        button.clearValues(true);
        QCOMPARE(button.value_2(), QStringLiteral("-"));
        for (const char *digit : {"1", "2", "3", "4", "5"})
            button.insertValue(true, QLatin1String(digit));
        QCOMPARE(fields(button), QStringList({"1", "-", "2", "3", "4"}));
        QCOMPARE(button.digits(), QStringLiteral("1-234"));

        AUK_90053 refused(window());
        refused.clearValues(true);
        refused.insertValue(false, QStringLiteral("9"));
        QCOMPARE(refused.digits(), QString());
    }

    void clearingKeepsGreyBoxes()
    {
        AUK_90053 button(window());
        button.setDigits(QStringLiteral("12345"));
        button.setGreyBox_5(true);
        button.clearAndDisable(false);
        QCOMPARE(fields(button), QStringList({"", "", "", "", "5"}));
        QCOMPARE(button.cursor(), 3);
        QVERIFY(!button.isEnabled());
        button.clearAndEnable(true);
        QVERIFY(button.isEnabled());
        QCOMPARE(button.cursor(), 0);
    }

    void setDigitsRightAligns()
    {
        auto button = threeDigitButton();
        button->setDigits(QStringLiteral("7"));
        QCOMPARE(button->digits(), QStringLiteral("007"));
        button->setDigits(QStringLiteral("98765"));
        QCOMPARE(button->digits(), QStringLiteral("765"));
        QCOMPARE(button->value_2(), QString());
    }

    // Whatever the order of operations, entry stays inside the fields and
    // the entered values.
    void entryNeverLeavesItsFields_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("forward after backward ran out") << "b<<<<<<f>>>";
        QTest::newRow("backward after forward ran out") << "f>>>>>>>b<<<";
        QTest::newRow("last field grey") << "g4b<<<<<";
        QTest::newRow("last field hidden") << "h4b<<<<<";
        QTest::newRow("first field hidden") << "h0h1h3b<<<<";
        QTest::newRow("all grey") << "g0g1g2g3g4b<<f>>d";
        QTest::newRow("all hidden") << "h0h1h2h3h4b<<f>>d";
        QTest::newRow("no clear") << "<<<<<<>>>>>>";
    }

    void entryNeverLeavesItsFields()
    {
        QFETCH(QString, script);
        AUK_90053 button(window());
        for (int i = 0; i < script.size(); ++i) {
            const QChar op = script.at(i);
            if (op == QLatin1Char('g'))
                button.setGreyBox(script.at(++i).digitValue(), true);
            else if (op == QLatin1Char('h'))
                button.setFieldVisible(script.at(++i).digitValue(), false);
            else if (op == QLatin1Char('b'))
                button.clearValues(false);
            else if (op == QLatin1Char('f'))
                button.clearValues(true);
            else if (op == QLatin1Char('<'))
                button.insertValue(QStringLiteral("7"));
            else if (op == QLatin1Char('>'))
                button.insertValue(true, QStringLiteral("8"));
            else if (op == QLatin1Char('d'))
                button.setDigits(QStringLiteral("123456"));
            QVERIFY(button.cursor() >= -1 && button.cursor() <= AUK_90053::FieldCount);
        }
        for (int i = 0; i < AUK_90053::FieldCount; ++i)
            QVERIFY(button.fieldValue(i).size() <= 1);
        QCOMPARE(button.fieldValue(-1), QString());
        QCOMPARE(button.fieldValue(AUK_90053::FieldCount), QString());
    }

    void propertiesReachTheFields()
    {
        AUK_90053 button(window());
        QVERIFY(button.setProperty("value_3", QStringLiteral("4")));
        QCOMPARE(button.fieldValue(2), QStringLiteral("4"));
        QVERIFY(button.setProperty("valueVisible_5", false));
        QVERIFY(!button.property("valueVisible_5").toBool());
        QVERIFY(button.setProperty("valueEnabled_1", false));
        QVERIFY(!button.fieldEnabled(0));
        QVERIFY(button.setProperty("greyBox_2", true));
        QVERIFY(button.greyBox(1));
        QCOMPARE(button.size(), QSize(326, 64));
    }
};

QTEST_MAIN(tst_ToggleButtons)
#include "tst_togglebuttons.moc"
