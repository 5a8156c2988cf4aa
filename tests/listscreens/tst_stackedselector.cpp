#include "SelectorScreen.h"
#include "WidgetTest.h"
#include "listscreens/FunctionsSelector.h"
#include "listscreens/PointStatusSelector.h"
#include "listscreens/StackedSelector.h"

#include <QButtonGroup>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

namespace {

// A stack of a function and a point-status selector, added in that order.
struct Stack
{
    FilterModel filters{nullptr, false};
    QButtonGroup group;
    StackedSelector stacked{&group, nullptr};
    FunctionsSelector *functions = new FunctionsSelector(&filters, &group, &stacked);
    PointStatusSelector *states = new PointStatusSelector(&filters, &group, &stacked);

    Stack()
    {
        stacked.addSelector(functions);
        stacked.addSelector(states);
    }
    QStackedWidget *buttons() { return qobject_cast<QStackedWidget *>(stacked.button()); }
    QStackedWidget *editors() { return qobject_cast<QStackedWidget *>(stacked.filterEditor()); }
};

} // namespace

// The stacked selector: which sub-selector it shows, which one its
// activation reaches, and the reset of them all.
class tst_StackedSelector : public WidgetTest
{
    Q_OBJECT

private slots:
    void showsTheFirstAddedUntilAnotherIsChosen()
    {
        Stack stack;
        QCOMPARE(stack.buttons()->currentWidget(), stack.functions->button());
        QCOMPARE(stack.editors()->currentWidget(), stack.functions->filterEditor());
        QCOMPARE(stack.stacked.currentSelector(), stack.functions);
        stack.stacked.setCurrentSelector(stack.states);
        QCOMPARE(stack.buttons()->currentWidget(), stack.states->button());
        QCOMPARE(stack.editors()->currentWidget(), stack.states->filterEditor());
        QCOMPARE(stack.buttons()->maximumHeight(), 64);
        QCOMPARE(stack.stacked.currentSelector(), stack.states);
        QVERIFY(!stack.stacked.usesScrollButtons());
    }

    void activationReachesTheShownSelector()
    {
        Stack stack;
        QSignalSpy activated(&stack.stacked, &FilterSelector::activated);
        stack.stacked.activate();
        QVERIFY(buttonOf(stack.functions)->isChecked());
        QVERIFY(!buttonOf(stack.states)->isChecked());
        QCOMPARE(activated.count(), 1);
        stack.stacked.deactivate();
        QVERIFY(!buttonOf(stack.functions)->isChecked());
        stack.stacked.setCurrentSelector(stack.states);
        stack.stacked.activate();
        QVERIFY(buttonOf(stack.states)->isChecked());
        QVERIFY(!buttonOf(stack.functions)->isChecked());
    }

    void unknownSelectorIsIgnored()
    {
        Stack stack;
        FilterModel other(nullptr, false);
        FunctionsSelector stranger(&other, &stack.group, nullptr);
        stack.stacked.setCurrentSelector(&stranger);
        QCOMPARE(stack.stacked.currentSelector(), stack.functions);
        QCOMPARE(stack.buttons()->count(), 1);
        QCOMPARE(stack.editors()->count(), 1);
        QCOMPARE(stack.buttons()->currentWidget(), stack.functions->button());
    }

    void resetReachesEverySubSelector()
    {
        Stack stack;
        stack.stacked.setCurrentSelector(stack.states);
        tapRow(stack.states, 1);
        stack.stacked.setCurrentSelector(stack.functions);
        tapRow(stack.functions, 1);
        QCOMPARE(stack.filters.pointStatusMask, 1);
        QCOMPARE(stack.filters.functionMask, 1);
        stack.stacked.reset(true);
        QCOMPARE(stack.filters.pointStatusMask, 0);
        QCOMPARE(stack.filters.functionMask, 0);
        QVERIFY(!buttonOf(stack.states)->isEnabled());
        QVERIFY(!buttonOf(stack.functions)->isEnabled());
        QCOMPARE(buttonOf(stack.states)->buttonValue(), QString());
    }

    void choicesOfEverySubSelectorAreForwarded()
    {
        Stack stack;
        stack.stacked.setCurrentSelector(stack.states);
        QSignalSpy values(&stack.stacked, &FilterSelector::valueChanged);
        tapRow(stack.states, 2);
        tapRow(stack.functions, 1);
        tapRow(stack.functions, 2);
        QCOMPARE(values.count(), 3);
        QCOMPARE(values.at(0).at(0).toInt(), 1);
        QCOMPARE(values.at(2).at(0).toInt(), 2);
    }
};

QTEST_MAIN(tst_StackedSelector)
#include "tst_stackedselector.moc"
