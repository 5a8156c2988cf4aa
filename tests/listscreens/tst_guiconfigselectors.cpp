#include "FakeClock.h"
#include "PageUnderPopups.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "listscreens/GuiConfigSelectors.h"
#include "listscreens/StoredGuiConfiguration.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QtTest>

namespace {

void store(int guiMode, int rbusAddress, int rbusMode, int zonalLedMode, int brand)
{
    StoredGuiConfiguration::Values values;
    values.guiMode = guiMode;
    values.rbusAddress = rbusAddress;
    values.rbusMode = rbusMode;
    values.zonalLedMode = zonalLedMode;
    values.brand = brand;
    StoredGuiConfiguration::install([values] { return values; });
}

QStringList rowTexts(FilterSelector *selector)
{
    QStringList texts;
    const QAbstractItemModel *model = listOf(selector)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

} // namespace

// The GUI-configuration selectors: their lists, the stored values they
// start from and show, and the value a choice keeps.
class tst_GuiConfigSelectors : public WidgetTest
{
    Q_OBJECT

private:
    QButtonGroup m_group;

private slots:
    void cleanup() { StoredGuiConfiguration::install({}); }

    void guiModeRowsByBrand_data()
    {
        QTest::addColumn<int>("brand");
        QTest::addColumn<int>("rows");
        QTest::newRow("saltmarsh") << 1 << 3;
        QTest::newRow("other") << 0 << 4;
    }

    void guiModeRowsByBrand()
    {
        QFETCH(int, brand);
        QFETCH(int, rows);
        store(3, 1, 0, 0, brand);
        GuiModeSelecter selector(nullptr, &m_group, nullptr);
        QAbstractItemModelTester tester(listOf(&selector)->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(listOf(&selector)->model()->rowCount(), rows);
        QCOMPARE(rowValues(&selector, GuiConfigSelector::ValueRole).mid(0, 3), (QList<uint>{0, 1, 2}));
        QSignalSpy counts(&selector, &FilterSelector::valueChanged);
        selector.showStoredValue();
        QCOMPARE(counts.last().at(0).toInt(), rows == 4 ? 1 : 0);
        QCOMPARE(selectedRows(&selector), rows == 4 ? QList<int>{3} : QList<int>());
        QCOMPARE(buttonOf(&selector)->buttonValue(),
                 rows == 4 ? QStringLiteral("_MODE_DIRU_REPEATER_LISTITEM") : QString());
        QCOMPARE(buttonOf(&selector)->buttonLabel(), QStringLiteral("_GUI_MODE_FILTERBTN"));
    }

    void guiModeAboveTheListShowsBackup()
    {
        store(7, 1, 0, 0, 0);
        GuiModeSelecter selector(nullptr, &m_group, nullptr);
        QCOMPARE(selector.value(), 1);
        selector.filterEditor();
        QSignalSpy rows(&selector, &GuiConfigSelector::itemSelected);
        selector.showStoredValue();
        QCOMPARE(selectedRows(&selector), QList<int>{1});
        QCOMPARE(buttonOf(&selector)->buttonValue(), QStringLiteral("_MODE_ETHERNET_WITH_BACKUP_LISTITEM"));
        QCOMPARE(rows.size(), 1);
    }

    void guiModeClickLeavesTheValueToTheScreen()
    {
        store(0, 1, 0, 0, 0);
        GuiModeSelecter selector(nullptr, &m_group, nullptr);
        QSignalSpy rows(&selector, &GuiConfigSelector::itemSelected);
        QListView *list = listOf(&selector);
        list->selectionModel()->setCurrentIndex(list->model()->index(2, 0), QItemSelectionModel::ClearAndSelect);
        emit list->clicked(list->model()->index(2, 0));
        QCOMPARE(rows.last().at(0).toInt(), 2);
        QCOMPARE(selector.value(), 0);
    }

    void addressRowsAndChoice()
    {
        store(2, 1, 0, 0, 0);
        RBusAddressSelector selector(nullptr, &m_group, nullptr);
        QCOMPARE(selector.value(), 0);
        selector.restoreSelection();
        QCOMPARE(selectedRows(&selector), QList<int>{0});
        QCOMPARE(rowTexts(&selector).size(), 15);
        QCOMPARE(rowTexts(&selector).last(), QStringLiteral("_ADDRESS_LISTITEM 15"));
        QCOMPARE(buttonOf(&selector)->buttonValue(), QStringLiteral("_ADDRESS_LISTITEM 1"));
        QSignalSpy counts(&selector, &FilterSelector::valueChanged);
        tapRow(&selector, 4);
        QCOMPARE(selector.value() + 1, 5);
        QCOMPARE(counts.last().at(0).toInt(), 1);
    }

    void rbusModeStart_data()
    {
        QTest::addColumn<int>("guiMode");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("start");
        QTest::newRow("ethernet is monitored") << 0 << 0 << 1;
        QTest::newRow("repeater keeps unmonitored") << 2 << 0 << 0;
        QTest::newRow("repeater keeps monitored") << 3 << 1 << 1;
    }

    void rbusModeStart()
    {
        QFETCH(int, guiMode);
        QFETCH(int, stored);
        QFETCH(int, start);
        store(guiMode, 1, stored, 0, 0);
        RBusModeSelector selector(nullptr, &m_group, nullptr);
        QCOMPARE(selector.value(), start);
        selector.restoreSelection();
        QCOMPARE(selectedRows(&selector), QList<int>{start});
    }

    // A stored value no row holds selects nothing and reads no row.
    void storedValuesOutsideTheLists_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("stored");
        QTest::newRow("address 0") << 0 << 0;
        QTest::newRow("address 16") << 0 << 16;
        QTest::newRow("bus mode 2") << 1 << 2;
        QTest::newRow("zonal LED -1") << 2 << -1;
        QTest::newRow("zonal LED 2") << 2 << 2;
    }

    void storedValuesOutsideTheLists()
    {
        QFETCH(int, kind);
        QFETCH(int, stored);
        store(2, kind == 0 ? stored : 1, kind == 1 ? stored : 0, kind == 2 ? stored : 0, 0);
        std::unique_ptr<StoredRowSelector> selector;
        if (kind == 0)
            selector = std::make_unique<RBusAddressSelector>(nullptr, &m_group, nullptr);
        else if (kind == 1)
            selector = std::make_unique<RBusModeSelector>(nullptr, &m_group, nullptr);
        else
            selector = std::make_unique<ZonalLedSelector>(nullptr, &m_group, nullptr);
        QSignalSpy counts(selector.get(), &FilterSelector::valueChanged);
        selector->restoreSelection();
        QCOMPARE(selectedRows(selector.get()), QList<int>());
        QCOMPARE(buttonOf(selector.get())->buttonValue(), QString());
        QCOMPARE(counts.size(), 0);
    }

    void resetKeepsTheChoice()
    {
        store(2, 3, 1, 1, 0);
        ZonalLedSelector selector(nullptr, &m_group, nullptr);
        selector.restoreSelection();
        QCOMPARE(selectedRows(&selector), QList<int>{1});
        selector.reset(true);
        QCOMPARE(selectedRows(&selector), QList<int>{1});
        QCOMPARE(buttonOf(&selector)->buttonValue(), QStringLiteral("_LEGACY_LISTITEM"));
        QVERIFY(buttonOf(&selector)->isEnabled());
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("shown");
        QTest::newRow("GuiModeSelecter") << 0;
        QTest::newRow("RBusAddressSelector") << 1;
        QTest::newRow("RBusModeSelector") << 2;
        QTest::newRow("ZonalLedSelector") << 3;
    }

    void screenshots()
    {
        QFETCH(int, shown);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        store(2, 4, 1, 0, 0);
        FakeClock clock;
        PageUnderPopups stack(window());
        QPointer<SelectorScreen> page = new SelectorScreen;
        auto *mode = new GuiModeSelecter(&page->filters, page->buttonGroup(), page);
        auto *address = new RBusAddressSelector(&page->filters, page->buttonGroup(), page);
        auto *rbus = new RBusModeSelector(&page->filters, page->buttonGroup(), page);
        auto *leds = new ZonalLedSelector(&page->filters, page->buttonGroup(), page);
        const QList<GuiConfigSelector *> selectors{mode, address, rbus, leds};
        for (GuiConfigSelector *selector : selectors)
            page->addFilterSelector(selector);
        PageStack::instance()->push(page);
        clock.advance(1);
        mode->filterEditor();
        mode->showStoredValue();
        for (StoredRowSelector *selector : QList<StoredRowSelector *>{address, rbus, leds})
            selector->restoreSelection();
        selectors.at(shown)->activate();
        clock.advance(1);
        page->dressForReview(QStringLiteral("GUI configuration"));
        QVERIFY2(WidgetShot::textProblems(page).isEmpty(), qPrintable(WidgetShot::textProblems(page)));
        WidgetShot::saveForReview(WidgetShot::grab(page), QString::fromLatin1(QTest::currentDataTag()));
    }
};

QTEST_MAIN(tst_GuiConfigSelectors)
#include "tst_guiconfigselectors.moc"
