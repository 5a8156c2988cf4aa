#include "FakeClock.h"
#include "PageUnderPopups.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "listscreens/FunctionsSelector.h"
#include "listscreens/PointStatusSelector.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int FunctionBitRole = 47;
constexpr int PointStatusBitRole = 181;

// A selector of either kind over its own filter model.
struct MaskPick
{
    FilterModel filters{nullptr, false};
    QButtonGroup group;
    std::unique_ptr<MaskSelector> selector;

    MaskPick(bool states, bool showAll = true)
    {
        if (states) {
            selector = std::make_unique<PointStatusSelector>(&filters, &group, nullptr);
        } else {
            auto *functions = new FunctionsSelector(&filters, &group, nullptr);
            functions->setShowAllItem(showAll);
            selector.reset(functions);
        }
        selector->filterEditor();
    }
    int mask(bool states) const { return states ? filters.pointStatusMask : filters.functionMask; }
};

} // namespace

// The function and point-status selectors: their rows, the mask each writes
// from the chosen rows, the button text and the count they report.
class tst_MaskSelectors : public WidgetTest
{
    Q_OBJECT

private slots:
    void rowsOfEachList_data()
    {
        QTest::addColumn<bool>("states");
        QTest::addColumn<bool>("showAll");
        QTest::addColumn<int>("role");
        QTest::addColumn<QList<uint>>("bits");
        QTest::addColumn<QString>("editorName");
        QTest::newRow("functions") << false << true << FunctionBitRole
                                   << QList<uint>{0, 1, 2, 4, 8, 16, 32, 64, 0x10000, 0x20000}
                                   << "FunctionsSelector::m_FilterEditor";
        QTest::newRow("functions without all row")
            << false << false << FunctionBitRole << QList<uint>{1, 2, 4, 8, 16, 32, 64, 0x10000, 0x20000}
            << "FunctionsSelector::m_FilterEditor";
        QTest::newRow("states") << true << true << PointStatusBitRole << QList<uint>{0, 1, 2, 4, 8}
                                << "PointStatusSelector::m_filterEditor";
    }

    void rowsOfEachList()
    {
        QFETCH(bool, states);
        QFETCH(bool, showAll);
        QFETCH(int, role);
        QFETCH(QList<uint>, bits);
        QFETCH(QString, editorName);
        MaskPick pick(states, showAll);
        QAbstractItemModelTester tester(listOf(pick.selector.get())->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(rowValues(pick.selector.get(), role), bits);
        auto *editor = qobject_cast<AUK_90048 *>(pick.selector->filterEditor());
        QCOMPARE(editor->objectName(), editorName);
        QCOMPARE(editor->firstItemSelectAll(), showAll);
        QCOMPARE(listOf(pick.selector.get())->selectionMode(), QAbstractItemView::MultiSelection);
        QCOMPARE(listOf(pick.selector.get())->model()->index(0, 0).data().toString(),
                 showAll ? QStringLiteral("_ALL_LISTITEM") : QStringLiteral("_FUNCTION_DETECTORS_LISTITEM"));
        QVERIFY(pick.selector->usesScrollButtons());
    }

    void masks_data()
    {
        QTest::addColumn<bool>("states");
        QTest::addColumn<QList<int>>("taps");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("detectors and sounders")
            << false << QList<int>{1, 4} << 9 << 2 << "2 _FUNCTIONS_SELECTED_SELTEXT";
        QTest::newRow("point inputs alone")
            << false << QList<int>{8} << 0x10000 << 1 << "_FUNCTION_POINT_INPUT_LISTITEM";
        QTest::newRow("all functions") << false << QList<int>{0} << 0x3007F << 9 << "9 _FUNCTIONS_SELECTED_SELTEXT";
        QTest::newRow("all states") << true << QList<int>{0} << 15 << 4 << "4 _POINT_STATUS_SELECTED_SELTEXT";
        QTest::newRow("fault and normal") << true << QList<int>{2, 4} << 10 << 2 << "2 _POINT_STATUS_SELECTED_SELTEXT";
        QTest::newRow("every state one by one")
            << true << QList<int>{1, 2, 3, 4} << 15 << 4 << "4 _POINT_STATUS_SELECTED_SELTEXT";
        QTest::newRow("functions released") << false << QList<int>{1, 4, 1, 4} << 0 << 0 << "";
        QTest::newRow("all row released") << true << QList<int>{0, 0} << 0 << 0 << "";
    }

    void masks()
    {
        QFETCH(bool, states);
        QFETCH(QList<int>, taps);
        QFETCH(int, mask);
        QFETCH(int, count);
        QFETCH(QString, text);
        MaskPick pick(states);
        // A mask left from before is replaced by the choice.
        pick.filters.functionMask = pick.filters.pointStatusMask = 0x4000;
        QSignalSpy values(pick.selector.get(), &FilterSelector::valueChanged);
        for (int row : taps)
            tapRow(pick.selector.get(), row);
        QCOMPARE(pick.mask(states), mask);
        QCOMPARE(buttonOf(pick.selector.get())->buttonValue(), text);
        QVERIFY(!values.isEmpty());
        QCOMPARE(values.last().at(0).toInt(), count);
    }

    void resetClearsChoiceAndMask()
    {
        MaskPick pick(false);
        tapRow(pick.selector.get(), 1);
        tapRow(pick.selector.get(), 2);
        QCOMPARE(pick.filters.functionMask, 3);
        QSignalSpy values(pick.selector.get(), &FilterSelector::valueChanged);
        pick.selector->reset(true);
        QCOMPARE(pick.filters.functionMask, 0);
        QVERIFY(!values.isEmpty());
        QCOMPARE(values.last().at(0).toInt(), 0);
        QVERIFY(listOf(pick.selector.get())->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(buttonOf(pick.selector.get())->buttonValue(), QString());
        QVERIFY(!buttonOf(pick.selector.get())->isEnabled());
    }

    void buttonActivatesAndDeactivates()
    {
        MaskPick pick(true);
        QCOMPARE(buttonOf(pick.selector.get())->group(), &pick.group);
        QSignalSpy activated(pick.selector.get(), &FilterSelector::activated);
        buttonOf(pick.selector.get())->click();
        QCOMPARE(activated.count(), 1);
        QVERIFY(buttonOf(pick.selector.get())->isChecked());
        pick.selector->deactivate();
        QVERIFY(!buttonOf(pick.selector.get())->isChecked());
        pick.selector->activate();
        QCOMPARE(activated.count(), 2);
        QVERIFY(buttonOf(pick.selector.get())->isChecked());
    }

    void screenshots_data()
    {
        QTest::addColumn<bool>("states");
        QTest::addColumn<QString>("name");
        QTest::newRow("functions") << false << "AUK_10017_functions";
        QTest::newRow("states") << true << "AUK_10017_pointstatus";
    }

    void screenshots()
    {
        QFETCH(bool, states);
        QFETCH(QString, name);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        FakeClock clock;
        PageUnderPopups stack(window());
        QPointer<SelectorScreen> page = new SelectorScreen;
        auto *functions = new FunctionsSelector(&page->filters, page->buttonGroup(), page);
        auto *pointStates = new PointStatusSelector(&page->filters, page->buttonGroup(), page);
        page->addFilterSelector(functions);
        page->addFilterSelector(pointStates);
        PageStack::instance()->push(page);
        clock.advance(1);
        MaskSelector *shown = functions;
        if (states) {
            // The screen offers the states once a function is chosen.
            functions->activate();
            tapRow(functions, 4);
            shown = pointStates;
        }
        shown->activate();
        tapRow(shown, 0);
        tapRow(shown, 2);
        clock.advance(1);
        page->dressForReview(states ? QStringLiteral("Point status") : QStringLiteral("Functions"));
        QVERIFY2(WidgetShot::textProblems(page).isEmpty(), qPrintable(WidgetShot::textProblems(page)));
        WidgetShot::saveForReview(WidgetShot::grab(page), name);
    }
};

QTEST_MAIN(tst_MaskSelectors)
#include "tst_maskselectors.moc"
