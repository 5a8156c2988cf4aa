#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90015.h"

#include <QtTest>

class tst_Keypad : public WidgetTest
{
    Q_OBJECT

private:
    static AUK_90055 *key(AUK_90015 &keypad, const QString &name) { return keypad.findChild<AUK_90055 *>(name); }

    // The key whose top-left corner is at the given place of its page.
    static AUK_90055 *keyAt(QWidget *page, const QPoint &at)
    {
        QWidget *found = page->childAt(at + QPoint(10, 10));
        while (found && !qobject_cast<AUK_90055 *>(found))
            found = found->parentWidget();
        auto *key = qobject_cast<AUK_90055 *>(found);
        return key && key->pos() == at ? key : nullptr;
    }

    static void tap(AUK_90055 *target)
    {
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(10, 10));
    }

    static QStringList letters(AUK_90015 &keypad)
    {
        QStringList shown;
        for (int i = 0; i < AUK_90015::LetterCount; ++i) {
            AUK_90055 *letter = key(keypad, QStringLiteral("letterKey_") + QChar('A' + i));
            shown << (letter->isEnabled() ? letter->label()->text() : QStringLiteral("-"));
        }
        return shown;
    }

private slots:
    void startsOnTheNumberPage()
    {
        AUK_90015 keypad;
        keypad.show();
        QCOMPARE(keypad.size(), QSize(310, 346));
        QCOMPARE(keypad.currentWidget()->objectName(), QStringLiteral("numeric"));
        QCOMPARE(keypad.visibleButtons(), 26);
        QVERIFY(keypad.shiftVisible());
        // Letter keys stay blank until they are labelled.
        QCOMPARE(key(keypad, QStringLiteral("letterKey_A"))->label()->text(), QString());
        QCOMPARE(keypad.okButtonText(), QStringLiteral("_OK_KEYPAD"));
        QCOMPARE(keypad.delButtonText(), QStringLiteral("_DEL_NUMPAD"));
    }

    void digitsReportTheirValue()
    {
        AUK_90015 keypad;
        keypad.show();
        QSignalSpy typed(&keypad, &AUK_90015::clicked);
        QSignalSpy oks(&keypad, &AUK_90015::ok);
        QSignalSpy dels(&keypad, &AUK_90015::del);
        QWidget *page = keypad.numericPage();
        tap(keyAt(page, QPoint(4, 20))); // 1
        tap(keyAt(page, QPoint(208, 122))); // 9
        tap(keyAt(page, QPoint(106, 173))); // 0
        tap(keyAt(page, QPoint(4, 275))); // OK
        tap(keyAt(page, QPoint(208, 275))); // delete
        tap(keyAt(page, QPoint(4, 173))); // blank
        QStringList values;
        for (const QList<QVariant> &signal : typed)
            values << signal.at(0).toString();
        QCOMPARE(values, QStringList({"1", "9", "0"}));
        QCOMPARE(oks.count(), 1);
        QCOMPARE(dels.count(), 1);
    }

    void zeroActivatesTheNumericDelete()
    {
        AUK_90015 keypad;
        keypad.show();
        AUK_90055 *del = keyAt(keypad.numericPage(), QPoint(208, 275));
        QVERIFY(del->light());
        tap(keyAt(keypad.numericPage(), QPoint(4, 20)));
        QVERIFY(del->light());
        tap(keyAt(keypad.numericPage(), QPoint(106, 173)));
        QVERIFY(!del->light());
        keypad.greyOutNumericDelButton();
        QVERIFY(del->light());
    }

    void visibleLettersFollowTheCount()
    {
        AUK_90015 keypad;
        keypad.setVisibleButtons(6);
        QCOMPARE(letters(keypad).mid(0, 7), QStringList({"A", "B", "C", "D", "E", "F", "-"}));
        QCOMPARE(letters(keypad).count(QStringLiteral("-")), 20);
        keypad.setVisibleButtons(0);
        QCOMPARE(letters(keypad).count(QStringLiteral("-")), 26);
        keypad.setVisibleButtons(26);
        QCOMPARE(letters(keypad).last(), QStringLiteral("Z"));
    }

    void shiftTogglesTheCase()
    {
        AUK_90015 keypad;
        keypad.setVisibleButtons(26);
        keypad.showAlphanumericKeypad();
        keypad.show();
        AUK_90055 *shift = keyAt(keypad.alphaPage(), QPoint(4, 224));
        QVERIFY(shift->isChecked());
        tap(shift);
        QVERIFY(!shift->isChecked());
        QCOMPARE(letters(keypad).first(), QStringLiteral("a"));
        QSignalSpy typed(&keypad, &AUK_90015::clicked);
        tap(key(keypad, QStringLiteral("letterKey_Q")));
        QCOMPARE(typed.takeFirst().at(0).toString(), QStringLiteral("q"));
        tap(shift);
        QVERIFY(shift->isChecked());
        QCOMPARE(letters(keypad).first(), QStringLiteral("A"));
        QCOMPARE(typed.count(), 0);
    }

    void letterPageSpecialKeys()
    {
        AUK_90015 keypad;
        keypad.showAlphanumericKeypad();
        keypad.show();
        QSignalSpy typed(&keypad, &AUK_90015::clicked);
        QSignalSpy oks(&keypad, &AUK_90015::ok);
        QSignalSpy dels(&keypad, &AUK_90015::del);
        QWidget *page = keypad.alphaPage();
        tap(keyAt(page, QPoint(208, 224))); // return
        tap(keyAt(page, QPoint(106, 275))); // space
        tap(keyAt(page, QPoint(4, 275))); // OK
        tap(keyAt(page, QPoint(259, 275))); // delete
        QCOMPARE(typed.count(), 2);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("\n"));
        QCOMPARE(typed.at(1).at(0).toString(), QStringLiteral(" "));
        QCOMPARE(oks.count(), 1);
        QCOMPARE(dels.count(), 1);

        // A blank letter key, never labelled, reports an empty value.
        tap(key(keypad, QStringLiteral("letterKey_B")));
        QCOMPARE(typed.count(), 3);
        QCOMPARE(typed.at(2).at(0).toString(), QString());

        tap(keyAt(page, QPoint(259, 224))); // "123"
        QCOMPARE(keypad.currentWidget(), keypad.numericPage());
        tap(keyAt(keypad.numericPage(), QPoint(208, 224))); // "abc"
        QCOMPARE(keypad.currentWidget(), keypad.alphaPage());
    }

    void onlyModesLockThePage()
    {
        AUK_90015 keypad;
        keypad.showAlphanumericKeypad();
        keypad.setNumericOnly(true);
        QVERIFY(keypad.numericOnly());
        QCOMPARE(keypad.currentWidget(), keypad.numericPage());
        AUK_90055 *abc = keyAt(keypad.numericPage(), QPoint(208, 224));
        QVERIFY(!abc->isEnabled());
        QCOMPARE(abc->label()->text(), QString());
        keypad.setNumericOnly(false);
        QVERIFY(abc->isEnabled());
        QCOMPARE(abc->label()->text(), QStringLiteral("abc"));
        QCOMPARE(keypad.currentWidget(), keypad.numericPage());

        keypad.setAlphanumericOnly(true);
        QVERIFY(keypad.alphanumericOnly());
        QCOMPARE(keypad.currentWidget(), keypad.alphaPage());
    }

    void propertiesOfTheKeys()
    {
        AUK_90015 keypad;
        keypad.setOkButtonVisible(false);
        QVERIFY(!keypad.okButtonVisible());
        QCOMPARE(keypad.okButtonText(), QString());
        keypad.setOkButtonVisible(true);
        QCOMPARE(keypad.okButtonText(), QStringLiteral("_OK_KEYPAD"));
        keypad.setOkButtonText(QStringLiteral("Go"));
        QCOMPARE(keypad.okButtonText(), QStringLiteral("Go"));
        keypad.setDelButtonText(QStringLiteral("Del"));
        QCOMPARE(keyAt(keypad.numericPage(), QPoint(208, 275))->text(), QStringLiteral("Del"));

        keypad.setSpaceVisible(false);
        QVERIFY(!keypad.spaceVisible());
        AUK_90055 *space = keyAt(keypad.alphaPage(), QPoint(106, 275));
        QVERIFY(space->label()->pixmap(Qt::ReturnByValue).isNull());
        keypad.setSpaceVisible(true);
        QVERIFY(!space->label()->pixmap(Qt::ReturnByValue).isNull());
        keypad.setReturnVisible(false);
        QVERIFY(!keypad.returnVisible());
        keypad.setShiftVisible(false);
        QVERIFY(!keypad.shiftVisible());
    }

    void looksLikeAKeypad()
    {
        const EnglishTexts english;
        QVERIFY(english.isLoaded());
        AUK_90015 keypad;
        keypad.setVisibleButtons(26);
        keypad.show();
        const QImage numbers = WidgetShot::grab(&keypad);
        WidgetShot::saveForReview(numbers, QStringLiteral("AUK_90015_numeric"));
        QCOMPARE(WidgetShot::textProblems(&keypad), QString());
        keypad.showAlphanumericKeypad();
        const QImage letterPage = WidgetShot::grab(&keypad);
        WidgetShot::saveForReview(letterPage, QStringLiteral("AUK_90015_alpha"));
        QCOMPARE(WidgetShot::textProblems(&keypad), QString());

        // Frame background between the keys, key faces on the grid, and the
        // greyed-out delete key paler than an ordinary key.
        const QColor frame = WidgetShot::averageColour(numbers, QRect(2, 4, 300, 10));
        QVERIFY(frame.lightness() < 80);
        const QColor digitKey = WidgetShot::colourAt(numbers, QPoint(8, 45));
        QVERIFY(!WidgetShot::isNear(digitKey, frame, 8));
        const QColor del = WidgetShot::colourAt(numbers, QPoint(212, 300));
        QVERIFY(del.lightness() > digitKey.lightness() + 30);
        // A digit is drawn in white on its key.
        QVERIFY(WidgetShot::fractionNear(numbers, QRect(40, 28, 30, 30), Qt::white, 60) > 0.02);
        QVERIFY(WidgetShot::fractionNear(letterPage, QRect(14, 28, 24, 30), Qt::white, 60) > 0.02);
    }
};

QTEST_MAIN(tst_Keypad)
#include "tst_keypad.moc"
