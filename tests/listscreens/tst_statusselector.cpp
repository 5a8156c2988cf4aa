#include "FakeClock.h"
#include "PageUnderPopups.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "listscreens/StatusSelector.h"
#include "widgets/AUK_90003.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// A selector on its own filter model, its optional rows chosen before the
// editor is built.
struct StatusRig
{
    QButtonGroup group;
    FilterModel filters{nullptr, false};
    StatusSelector selector{&filters, &group, nullptr};

    StatusRig(bool allRows, bool checkBox)
    {
        selector.setShowTestItem(allRows);
        selector.setShowInformationItem(allRows);
        selector.setShowUnrestoredCheckBox(checkBox);
    }
    AUK_90003 *checkBox() { return selector.filterEditor()->findChild<AUK_90003 *>(); }
};

void tapAll(FilterSelector *selector)
{
    for (int row = 0; row < listOf(selector)->model()->rowCount(); ++row)
        tapRow(selector, row);
}

} // namespace

// The status selector: its rows, the mask it writes, the button text and
// the unrestored check box.
class tst_StatusSelector : public WidgetTest
{
    Q_OBJECT

private slots:
    void maskOfEveryRow_data()
    {
        QTest::addColumn<bool>("allRows");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("mask");
        QTest::newRow("always present") << false << 6 << 0x01F2;
        QTest::newRow("all nine") << true << 9 << 0x01FF;
    }

    void maskOfEveryRow()
    {
        QFETCH(bool, allRows);
        QFETCH(int, rows);
        QFETCH(int, mask);
        StatusRig rig(allRows, false);
        QListView *list = listOf(&rig.selector);
        QAbstractItemModelTester tester(list->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(list->model()->rowCount(), rows);
        QCOMPARE(list->selectionMode(), QAbstractItemView::MultiSelection);
        QSignalSpy counts(&rig.selector, &FilterSelector::valueChanged);
        tapAll(&rig.selector);
        QCOMPARE(int(rig.filters.statusMask), mask);
        QCOMPARE(counts.last().at(0).toInt(), rows);
    }

    void rowsInTheirOrder()
    {
        StatusRig rig(true, false);
        QCOMPARE(rowValues(&rig.selector, StatusSelector::StatusKindRole), (QList<uint>{8, 4, 6, 1, 2, 5, 7, 0, 3}));
        StatusRig shortList(false, false);
        QCOMPARE(rowValues(&shortList.selector, StatusSelector::StatusKindRole), (QList<uint>{8, 4, 6, 1, 5, 7}));
    }

    void oneRowTwoRowsAndNone()
    {
        StatusRig rig(false, false);
        AUK_90008 *button = buttonOf(&rig.selector);
        QSignalSpy counts(&rig.selector, &FilterSelector::valueChanged);
        tapRow(&rig.selector, 1);
        QCOMPARE(button->buttonValue(), QStringLiteral("_STATUS_FAULTS_LISTITEM"));
        QCOMPARE(int(rig.filters.statusMask), 1 << 4);
        tapRow(&rig.selector, 0);
        QCOMPARE(button->buttonValue(), QStringLiteral("2 _STATUS_SELECTED_SELTEXT"));
        QCOMPARE(button->buttonCounter(), QString());
        QCOMPARE(int(rig.filters.statusMask), (1 << 4) | (1 << 8));
        tapRow(&rig.selector, 1);
        tapRow(&rig.selector, 0);
        QCOMPARE(int(rig.filters.statusMask), 0);
        QCOMPARE(counts.last().at(0).toInt(), 0);
        QCOMPARE(button->buttonValue(), QString());
    }

    void resetClearsTheChoice()
    {
        StatusRig rig(false, false);
        tapRow(&rig.selector, 2);
        QSignalSpy counts(&rig.selector, &FilterSelector::valueChanged);
        rig.selector.reset(true);
        QCOMPARE(int(rig.filters.statusMask), 0);
        QVERIFY(!counts.isEmpty());
        for (const QList<QVariant> &count : counts)
            QCOMPARE(count.at(0).toInt(), 0);
        QVERIFY(!buttonOf(&rig.selector)->isEnabled());
    }

    void withoutTheCheckBoxTheHeaderStaysEmpty()
    {
        StatusRig rig(true, false);
        QVERIFY(rig.checkBox() == nullptr);
        QVERIFY(qobject_cast<AUK_90048 *>(rig.selector.filterEditor())->headerWidget()->layout() == nullptr);
        QVERIFY(!rig.selector.isUnrestoredChecked());
    }

    void checkBoxClickIsNoSelection()
    {
        StatusRig rig(true, true);
        AUK_90003 *box = rig.checkBox();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("_UNRESTORED_FILTER"));
        QSignalSpy counts(&rig.selector, &FilterSelector::valueChanged);
        QSignalSpy unrestored(&rig.selector, &StatusSelector::unRestoredCheckBoxActivated);
        box->click();
        QCOMPARE(unrestored.size(), 1);
        QCOMPARE(unrestored.last().at(0).toBool(), true);
        QVERIFY(rig.selector.isUnrestoredChecked());
        box->click();
        QCOMPARE(unrestored.last().at(0).toBool(), false);
        QVERIFY(!rig.selector.isUnrestoredChecked());
        QCOMPARE(counts.size(), 0);
        QCOMPARE(int(rig.filters.statusMask), 0);
    }

    void flagsAfterTheEditorChangeNothing()
    {
        StatusRig rig(false, false);
        rig.selector.filterEditor();
        rig.selector.setShowTestItem(true);
        rig.selector.setShowInformationItem(true);
        rig.selector.setShowUnrestoredCheckBox(true);
        QCOMPARE(listOf(&rig.selector)->model()->rowCount(), 6);
        QVERIFY(rig.checkBox() == nullptr);
        QVERIFY(!rig.selector.isUnrestoredChecked());
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        FakeClock clock;
        PageUnderPopups stack(window());
        QPointer<SelectorScreen> page = new SelectorScreen;
        auto *selector = new StatusSelector(&page->filters, page->buttonGroup(), page);
        selector->setShowTestItem(true);
        selector->setShowInformationItem(true);
        selector->setShowUnrestoredCheckBox(true);
        page->addFilterSelector(selector);
        PageStack::instance()->push(page);
        clock.advance(1);
        selector->activate();
        tapRow(selector, 0);
        tapRow(selector, 1);
        clock.advance(1);
        page->dressForReview(QStringLiteral("Event log by status"));
        QVERIFY2(WidgetShot::textProblems(page).isEmpty(), qPrintable(WidgetShot::textProblems(page)));
        WidgetShot::saveForReview(WidgetShot::grab(page), QStringLiteral("StatusSelector"));
    }
};

QTEST_MAIN(tst_StatusSelector)
#include "tst_statusselector.moc"
