#include "FakeClock.h"
#include "PageUnderPopups.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "listscreens/WalkTestSelectors.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QtTest>

// The walk-test type and multi-sensor selectors: their rows, the choice
// written to the filter model and read back, and their resets.
class tst_WalkTestSelectors : public WidgetTest
{
    Q_OBJECT

private:
    QButtonGroup m_group;
    FilterModel m_filters{nullptr, false};

private slots:
    void init()
    {
        m_filters.walkTestTypeBit = -1;
        m_filters.walkTestDeviceClass = 17;
    }

    void typeRowsWithAndWithoutSounders()
    {
        TypeSelector selector(&m_filters, &m_group, nullptr);
        QAbstractItemModel *rows = listOf(&selector)->model();
        QAbstractItemModelTester tester(rows, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(rows->rowCount(), 5);
        QCOMPARE(rows->index(4, 0).data().toString(), QStringLiteral("_TYPE_SOUNDERS_LISTITEM"));
        selector.setShowSounders(false);
        QCOMPARE(rows->rowCount(), 4);
        QSignalSpy refills(rows, &QAbstractItemModel::modelReset);
        selector.setShowSounders(false);
        QCOMPARE(refills.size(), 0);
        selector.setShowSounders(true);
        QCOMPARE(refills.size(), 1);
        QCOMPARE(rows->rowCount(), 5);
    }

    void typeChoiceWritesTheModel_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("typeBit");
        QTest::addColumn<int>("deviceClass");
        QTest::addColumn<QString>("text");
        QTest::newRow("inputs") << 0 << 0 << 1 << "_TYPE_INPUT_LISTITEM";
        QTest::newRow("detectors") << 1 << 0 << 4 << "_TYPE_DETECTORS_LISTITEM";
        QTest::newRow("call points") << 2 << 0 << 3 << "_TYPE_CALLPOINTS_LISTITEM";
        QTest::newRow("alarm inputs") << 3 << 4 << 1 << "_TYPE_ALARM_INPUTS_LISTITEM";
        QTest::newRow("sounders") << 4 << 8 << 2 << "_TYPE_SOUNDERS_LISTITEM";
    }

    void typeChoiceWritesTheModel()
    {
        QFETCH(int, row);
        QFETCH(int, typeBit);
        QFETCH(int, deviceClass);
        QFETCH(QString, text);
        TypeSelector selector(&m_filters, &m_group, nullptr);
        QCOMPARE(selector.selectedDirection(), 17);
        QCOMPARE(selector.selectedTypeBit(), -1);
        QSignalSpy counts(&selector, &FilterSelector::valueChanged);
        QSignalSpy rows(&selector, &TypeSelector::itemSelected);
        QListView *list = listOf(&selector);
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
        emit list->clicked(list->model()->index(row, 0));
        QCOMPARE(m_filters.walkTestTypeBit, typeBit);
        QCOMPARE(m_filters.walkTestDeviceClass, deviceClass);
        QCOMPARE(selector.selectedTypeBit(), typeBit);
        QCOMPARE(selector.selectedDirection(), deviceClass);
        QCOMPARE(buttonOf(&selector)->buttonValue(), text);
        QCOMPARE(counts.size(), 1);
        QCOMPARE(counts.last().at(0).toInt(), 1);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.last().at(0).toInt(), row);
    }

    void nothingChosenBeforeTheEditor()
    {
        TypeSelector types(&m_filters, &m_group, nullptr);
        MultiSensorSelector modes(&m_group, nullptr);
        QCOMPARE(types.selectedDirection(), 17);
        QCOMPARE(types.selectedTypeBit(), -1);
        QCOMPARE(modes.selectedMode(), 3);
        QVERIFY(types.usesScrollButtons());
        QVERIFY(!modes.usesScrollButtons());
    }

    void firstModeChosenByTheScreen()
    {
        MultiSensorSelector selector(&m_group, nullptr);
        QAbstractItemModelTester tester(listOf(&selector)->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(rowValues(&selector, MultiSensorSelector::ModeRole), (QList<uint>{0, 1, 2}));
        QCOMPARE(selector.selectedMode(), 3);
        QSignalSpy counts(&selector, &FilterSelector::valueChanged);
        selector.selectFirstItem();
        QCOMPARE(buttonOf(&selector)->buttonValue(), QStringLiteral("_MSENSOR_PART_LISTITEM"));
        QCOMPARE(counts.size(), 1);
        QCOMPARE(counts.last().at(0).toInt(), 1);
        QCOMPARE(selector.selectedMode(), 0);
        tapRow(&selector, 2);
        QCOMPARE(selector.selectedMode(), 2);
    }

    void resetsOnlyTheModesReport_data()
    {
        QTest::addColumn<bool>("modes");
        QTest::addColumn<int>("reports");
        QTest::newRow("type") << false << 0;
        QTest::newRow("multi-sensor") << true << 1;
    }

    void resetsOnlyTheModesReport()
    {
        QFETCH(bool, modes);
        QFETCH(int, reports);
        TypeSelector types(&m_filters, &m_group, nullptr);
        MultiSensorSelector sensors(&m_group, nullptr);
        FilterSelector *selector = modes ? static_cast<FilterSelector *>(&sensors) : &types;
        tapRow(selector, 1);
        QSignalSpy counts(selector, &FilterSelector::valueChanged);
        selector->reset(true);
        QCOMPARE(counts.size(), reports);
        if (reports)
            QCOMPARE(counts.last().at(0).toInt(), 0);
        QCOMPARE(selectedRows(selector), QList<int>());
        QVERIFY(!buttonOf(selector)->isEnabled());
        QCOMPARE(buttonOf(selector)->buttonValue(), QString());
        // The type selector leaves the filter model as chosen.
        QCOMPARE(m_filters.walkTestDeviceClass, modes ? 17 : 4);
    }

    void screenshots_data()
    {
        QTest::addColumn<bool>("modes");
        QTest::newRow("TypeSelector") << false;
        QTest::newRow("MultiSensorSelector") << true;
    }

    void screenshots()
    {
        QFETCH(bool, modes);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        FakeClock clock;
        PageUnderPopups stack(window());
        QPointer<SelectorScreen> page = new SelectorScreen;
        auto *types = new TypeSelector(&page->filters, page->buttonGroup(), page);
        auto *sensors = new MultiSensorSelector(page->buttonGroup(), page);
        page->addFilterSelector(types);
        page->addFilterSelector(sensors);
        PageStack::instance()->push(page);
        clock.advance(1);
        types->activate();
        tapRow(types, 1);
        clock.advance(1);
        if (modes) {
            sensors->activate();
            sensors->selectFirstItem();
            clock.advance(1);
        }
        page->dressForReview(QStringLiteral("Walk test"));
        QVERIFY2(WidgetShot::textProblems(page).isEmpty(), qPrintable(WidgetShot::textProblems(page)));
        WidgetShot::saveForReview(WidgetShot::grab(page), QString::fromLatin1(QTest::currentDataTag()));
    }
};

QTEST_MAIN(tst_WalkTestSelectors)
#include "tst_walktestselectors.moc"
