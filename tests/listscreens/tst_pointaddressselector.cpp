#include "WidgetTest.h"
#include "listscreens/PointAddressSelector.h"
#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90015.h"
#include "widgets/AUK_90053.h"
#include "widgets/AUK_90055.h"

#include <QButtonGroup>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A point-address selector with its keypad shown, and what it reports.
struct AddressPick
{
    FilterModel filters{nullptr, false};
    QButtonGroup group;
    PointAddressSelector selector{&filters, &group, nullptr};
    AUK_90015 *keypad = qobject_cast<AUK_90015 *>(selector.filterEditor());
    AUK_90053 *button = qobject_cast<AUK_90053 *>(selector.button());
    QSignalSpy values{&selector, &FilterSelector::valueChanged};

    // Enabled and emptied, as the screen does before an address is typed.
    AddressPick()
    {
        selector.reset(false);
        keypad->show();
    }

    void type(const QString &digits)
    {
        for (const QChar digit : digits)
            emit keypad->clicked(QString(digit));
    }
    QList<int> reported() const
    {
        QList<int> counts;
        for (const QList<QVariant> &signal : values)
            counts << signal.at(0).toInt();
        return counts;
    }
    // The keypad's delete key; lit means greyed out.
    bool deleteGreyed() const
    {
        QWidget *found = keypad->numericPage()->childAt(QPoint(218, 285));
        while (found && !qobject_cast<AUK_90055 *>(found))
            found = found->parentWidget();
        auto *key = qobject_cast<AUK_90055 *>(found);
        return key && key->light();
    }
};

} // namespace

// The loop point address typed on the keypad: what typing, deleting and
// confirming report, and the refusal of an address no point can have.
class tst_PointAddressSelector : public WidgetTest
{
    Q_OBJECT

private slots:
    void boxesOfALoopAddress()
    {
        AddressPick pick;
        QCOMPARE(pick.button->buttonLabel(), QStringLiteral("_POINT_ABTN"));
        const bool visible[] = {true, false, true, false, true};
        for (int box = 0; box < AUK_90053::FieldCount; ++box)
            QCOMPARE(pick.button->fieldVisible(box), visible[box]);
        QVERIFY(pick.deleteGreyed());
        QVERIFY(!pick.selector.usesScrollButtons());
    }

    void typingThenConfirming()
    {
        AddressPick pick;
        pick.type(QStringLiteral("123"));
        QCOMPARE(pick.reported(), (QList<int>{0, 0, 0}));
        QCOMPARE(pick.selector.address(), QStringLiteral("123"));
        QVERIFY(!pick.deleteGreyed());
        emit pick.keypad->ok();
        QCOMPARE(pick.reported(), (QList<int>{0, 0, 0, 1}));
    }

    void deleteEmptiesTheBoxes()
    {
        AddressPick pick;
        pick.type(QStringLiteral("42"));
        emit pick.keypad->del();
        QCOMPARE(pick.reported().last(), 0);
        QVERIFY(pick.deleteGreyed());
        for (int box = 0; box < AUK_90053::FieldCount; ++box)
            QVERIFY2(pick.button->fieldValue(box).trimmed().isEmpty(), qPrintable(pick.button->fieldValue(box)));
        pick.type(QStringLiteral("7"));
        QVERIFY(!pick.deleteGreyed());
    }

    void confirmingRefusesAnAddressAbove255_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("reported");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("255") << "255" << 1;
        QTest::newRow("256") << "256" << 0;
        QTest::newRow("999") << "999" << 0;
    }

    void confirmingRefusesAnAddressAbove255()
    {
        QFETCH(QString, typed);
        QFETCH(int, reported);
        AddressPick pick;
        pick.type(typed);
        const QString shown = pick.selector.address();
        emit pick.keypad->ok();
        QCOMPARE(pick.reported().last(), reported);
        // The digits stay, for the operator to correct.
        QCOMPARE(pick.selector.address(), shown);
        QCOMPARE(shown.toInt(), typed.toInt());
    }

    void setAddressAndReset()
    {
        AddressPick pick;
        pick.selector.setAddress(QStringLiteral("12"));
        QCOMPARE(pick.selector.address(), QStringLiteral("012"));
        pick.selector.reset(true);
        QVERIFY(!pick.button->isEnabled());
        QVERIFY(pick.selector.address().trimmed().isEmpty());
        pick.selector.reset(false);
        QVERIFY(pick.button->isEnabled());
    }

    void buttonActivates()
    {
        AddressPick pick;
        QSignalSpy activated(&pick.selector, &FilterSelector::activated);
        pick.button->click();
        QCOMPARE(activated.count(), 1);
        pick.selector.deactivate();
        QVERIFY(!pick.button->isChecked());
        pick.selector.activate();
        QVERIFY(pick.button->isChecked());
        QCOMPARE(activated.count(), 2);
    }
};

QTEST_MAIN(tst_PointAddressSelector)
#include "tst_pointaddressselector.moc"
