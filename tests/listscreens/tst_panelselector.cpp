#include "FakeClock.h"
#include "ListScreenSite.h"
#include "PageUnderPopups.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "core/TeskGlobalConfig.h"
#include "listscreens/PanelCharCounterRole.h"
#include "listscreens/PanelSelector.h"
#include "listscreens/ZoneSelector.h"
#include "pointmodels/FilteredRoles.h"
#include "widgets/SelectorItemDelegate.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

using FilteredRoles::PanelRole;

struct PanelScreen
{
    QPointer<SelectorScreen> page = new SelectorScreen;
    PanelSelector *selector;

    explicit PanelScreen(bool network = false, bool showAll = false)
        : selector(new PanelSelector(&page->filters, page->buttonGroup(), page))
    {
        selector->setUseNetworkPanelList(network);
        selector->setShowAllPanelsItem(showAll);
        page->addFilterSelector(selector);
        PageStack::instance()->push(page);
    }
    FilterModel &filters() { return page->filters; }
};

} // namespace

// The panel selector: the answering panels or the network's, the all-panels
// row, the counters, and the list following the panels that stop and start
// answering.
class tst_PanelSelector : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<PageUnderPopups> m_stack;

private slots:
    void init()
    {
        m_clock = std::make_unique<FakeClock>();
        m_stack = std::make_unique<PageUnderPopups>(window());
        ListScreenSite::build({1, 3, 5, 8});
        ListScreenSite::setNetworkPanels({1, 3, 5, 8});
    }

    void cleanup()
    {
        m_stack.reset();
        m_clock.reset();
        ListScreenSite::build({});
    }

    void panelFiveShowsItsNumber()
    {
        PanelScreen screen;
        QCOMPARE(screen.selector->filterEditor()->objectName(), QStringLiteral("PanelSelector::m_filterEditor"));
        QCOMPARE(rowValues(screen.selector, PanelRole), (QList<uint>{1, 3, 5, 8}));
        QSignalSpy values(screen.selector, &FilterSelector::valueChanged);
        tapRow(screen.selector, 2);
        QCOMPARE(values.count(), 1);
        QCOMPARE(values.first().first().toInt(), 1);
        QCOMPARE(buttonOf(screen.selector)->buttonValue(), QStringLiteral("Panel 5 East wing"));
        QCOMPARE(buttonOf(screen.selector)->buttonCounter(), QStringLiteral("05"));
        QCOMPARE(int(screen.filters().selectedPanel), 5);
        quint8 chosen = 0;
        QVERIFY(screen.selector->selectedPanel(&chosen));
        QCOMPARE(int(chosen), 5);
        auto *delegate = qobject_cast<SelectorItemDelegate *>(listOf(screen.selector)->itemDelegate());
        QVERIFY(delegate);
        QCOMPARE(delegate->counterText(listOf(screen.selector)->model()->index(2, 0)), QStringLiteral("(05)"));
    }

    void counterText_data()
    {
        QTest::addColumn<QVariant>("panel");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("text");
        QTest::newRow("panel 7") << QVariant(7u) << true << "07";
        QTest::newRow("panel 42") << QVariant(42) << true << "42";
        QTest::newRow("all panels") << QVariant(255) << true << "";
        QTest::newRow("not a number") << QVariant(QStringLiteral("x")) << true << "!";
        QTest::newRow("invalid index") << QVariant(1) << false << "!";
    }

    void counterText()
    {
        QFETCH(QVariant, panel);
        QFETCH(bool, valid);
        QFETCH(QString, text);
        QStandardItemModel model;
        auto *item = new QStandardItem(QStringLiteral("Row"));
        item->setData(panel, PanelRole);
        model.appendRow(item);
        const PanelCharCounterRole counter;
        QCOMPARE(counter.text(valid ? model.index(0, 0) : QModelIndex()), text);
    }

    void silentPanelLeavesTheList_data()
    {
        QTest::addColumn<int>("chosenRow");
        QTest::addColumn<quint8>("silent");
        QTest::addColumn<bool>("choiceLost");
        QTest::newRow("the chosen panel") << 1 << quint8(3) << true;
        QTest::newRow("another panel") << 2 << quint8(3) << false;
        QTest::newRow("nothing chosen") << -1 << quint8(8) << false;
    }

    void silentPanelLeavesTheList()
    {
        QFETCH(int, chosenRow);
        QFETCH(quint8, silent);
        QFETCH(bool, choiceLost);
        PanelScreen screen;
        m_clock->advance(1);
        QAbstractItemModelTester tester(&screen.filters().panelsModel,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        if (chosenRow >= 0)
            tapRow(screen.selector, chosenRow);
        const quint8 chosenPanel = screen.filters().selectedPanel;
        const QString chosenText = buttonOf(screen.selector)->buttonValue();
        QSignalSpy values(screen.selector, &FilterSelector::valueChanged);
        QSignalSpy activated(screen.selector, &FilterSelector::activated);

        ListScreenSite::setSilent({silent});
        ListScreenSite::tellSilentChanged();

        QVERIFY(!rowValues(screen.selector, PanelRole).contains(silent));
        QCOMPARE(rowValues(screen.selector, PanelRole).size(), 3);
        QCOMPARE(activated.count(), choiceLost ? 1 : 0);
        quint8 now = 0;
        if (choiceLost) {
            QVERIFY(!screen.selector->selectedPanel(&now));
            QCOMPARE(buttonOf(screen.selector)->buttonValue(), QString());
            QCOMPARE(values.count(), 1);
            QCOMPARE(values.first().first().toInt(), 0);
            return;
        }
        QCOMPARE(values.count(), 0);
        QCOMPARE(buttonOf(screen.selector)->buttonValue(), chosenText);
        if (chosenRow < 0) {
            QVERIFY(!screen.selector->selectedPanel(&now));
            return;
        }
        QVERIFY(screen.selector->selectedPanel(&now));
        QCOMPARE(now, chosenPanel);
        QCOMPARE(screen.filters().selectedPanel, chosenPanel);
        // The next click is the user's and is taken.
        tapRow(screen.selector, 0);
        QCOMPARE(values.count(), 1);
        QCOMPARE(int(screen.filters().selectedPanel), 1);
        QCOMPARE(buttonOf(screen.selector)->buttonCounter(), QStringLiteral("01"));
    }

    void answeringPanelReturnsInPlace()
    {
        ListScreenSite::setSilent({3, 5});
        PanelScreen screen;
        QAbstractItemModelTester tester(&screen.filters().panelsModel,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(rowValues(screen.selector, PanelRole), (QList<uint>{1, 8}));
        tapRow(screen.selector, 1);
        ListScreenSite::setSilent({3});
        ListScreenSite::tellSilentChanged();
        QCOMPARE(rowValues(screen.selector, PanelRole), (QList<uint>{1, 5, 8}));
        QCOMPARE(selectedRows(screen.selector), QList<int>{2});
        // The counters stay on the rebuilt rows.
        auto *delegate = qobject_cast<SelectorItemDelegate *>(listOf(screen.selector)->itemDelegate());
        QCOMPARE(delegate->counterText(listOf(screen.selector)->model()->index(1, 0)), QStringLiteral("(05)"));
        // An update that changes nothing leaves the list alone.
        QSignalSpy reset(&screen.filters().panelsModel, &QAbstractItemModel::modelReset);
        ListScreenSite::tellSilentChanged();
        QCOMPARE(reset.count(), 0);
    }

    void networkListStartsOnTheAllRow()
    {
        PanelScreen screen(true, true);
        QAbstractItemModelTester tester(&screen.filters().networkPanelsModel,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(screen.selector->hasAllPanelsItem());
        QCOMPARE(rowValues(screen.selector, PanelRole), (QList<uint>{255, 1, 3, 5, 8}));
        QCOMPARE(selectedRows(screen.selector), QList<int>{0});
        QCOMPARE(buttonOf(screen.selector)->buttonValue(), QStringLiteral("_ALL_LISTITEM"));
        QCOMPARE(buttonOf(screen.selector)->buttonCounter(), QString());
        QCOMPARE(int(screen.filters().selectedPanel), 255);
        quint8 chosen = 0;
        QVERIFY(screen.selector->selectedPanel(&chosen));
        QCOMPARE(int(chosen), 255);
        auto *delegate = qobject_cast<SelectorItemDelegate *>(listOf(screen.selector)->itemDelegate());
        QCOMPARE(delegate->counterText(listOf(screen.selector)->model()->index(0, 0)), QString());

        // A change of the panels keeps the network list and its all row.
        ListScreenSite::setNetworkPanels({1, 3, 5, 8, 9});
        QSignalSpy values(screen.selector, &FilterSelector::valueChanged);
        ListScreenSite::setSilent({3});
        ListScreenSite::tellSilentChanged();
        QCOMPARE(listOf(screen.selector)->model(), &screen.filters().networkPanelsModel);
        QCOMPARE(rowValues(screen.selector, PanelRole), (QList<uint>{255, 1, 3, 5, 8, 9}));
        QVERIFY(screen.selector->hasAllPanelsItem());
        QCOMPARE(selectedRows(screen.selector), QList<int>{0});
        QCOMPARE(values.count(), 0);
        tapRow(screen.selector, 3);
        QCOMPARE(int(screen.filters().selectedPanel), 5);
        QCOMPARE(values.count(), 1);
    }

    void networkPanelGoneLosesTheChoice()
    {
        PanelScreen screen(true, false);
        tapRow(screen.selector, 1);
        QCOMPARE(int(screen.filters().selectedPanel), 3);
        QSignalSpy activated(screen.selector, &FilterSelector::activated);
        ListScreenSite::setNetworkPanels({1, 5, 8});
        ListScreenSite::tellSilentChanged();
        QCOMPARE(rowValues(screen.selector, PanelRole), (QList<uint>{1, 5, 8}));
        QVERIFY(selectedRows(screen.selector).isEmpty());
        QCOMPARE(activated.count(), 1);
    }

    void showAllWithoutTheNetworkListAddsNoRow()
    {
        PanelScreen screen(false, true);
        QVERIFY(!screen.selector->hasAllPanelsItem());
        QCOMPARE(rowValues(screen.selector, PanelRole), (QList<uint>{1, 3, 5, 8}));
        QVERIFY(selectedRows(screen.selector).isEmpty());
    }

    void selectPanel_data()
    {
        QTest::addColumn<quint8>("panel");
        QTest::addColumn<bool>("found");
        QTest::newRow("listed") << quint8(8) << true;
        QTest::newRow("not listed") << quint8(4) << false;
        QTest::newRow("all panels without the row") << quint8(255) << false;
    }

    void selectPanel()
    {
        QFETCH(quint8, panel);
        QFETCH(bool, found);
        PanelScreen screen;
        QSignalSpy values(screen.selector, &FilterSelector::valueChanged);
        QCOMPARE(screen.selector->selectPanel(panel), found);
        QCOMPARE(values.count(), found ? 1 : 0);
        QCOMPARE(int(screen.filters().selectedPanel), found ? int(panel) : 0);
    }

    void preselectPanel_data()
    {
        QTest::addColumn<QList<quint8>>("panels");
        QTest::addColumn<quint8>("local");
        QTest::addColumn<bool>("host");
        QTest::addColumn<int>("chosen");
        QTest::newRow("own panel") << QList<quint8>{1, 3, 5} << quint8(3) << true << 3;
        QTest::newRow("own panel not listed") << QList<quint8>{1, 3, 5} << quint8(4) << true << -1;
        QTest::newRow("first row") << QList<quint8>{1, 3, 5} << quint8(3) << false << 1;
        QTest::newRow("first row of an empty list") << QList<quint8>{} << quint8(3) << false << -1;
    }

    void preselectPanel()
    {
        QFETCH(QList<quint8>, panels);
        QFETCH(quint8, local);
        QFETCH(bool, host);
        QFETCH(int, chosen);
        ListScreenSite::build(panels);
        TeskGlobalConfig::instance()->setPanelNumber(local);
        PanelScreen screen;
        auto *next = new PanelSelector(&screen.filters(), screen.page->buttonGroup(), screen.page);
        screen.page->addFilterSelector(next);
        QSignalSpy values(screen.selector, &FilterSelector::valueChanged);
        screen.selector->preselectPanel(host);
        quint8 now = 0;
        QCOMPARE(screen.selector->selectedPanel(&now), chosen >= 0);
        QCOMPARE(values.count(), chosen >= 0 ? 1 : 0);
        if (chosen < 0)
            return;
        QCOMPARE(int(now), chosen);
        // Chosen by the program: the screen does not move on, the next
        // selector is only enabled.
        QVERIFY(buttonOf(next)->isEnabled());
        QVERIFY(!next->isCurrent());
        QVERIFY(screen.selector->autoAdvance());
    }

    void unusableRowNumberIsReported()
    {
        PanelScreen screen;
        auto *bad = new QStandardItem(QStringLiteral("Broken"));
        bad->setData(QStringLiteral("x"), PanelRole);
        screen.filters().panelsModel.appendRow(bad);
        listOf(screen.selector)->setCurrentIndex(bad->index());
        QTest::ignoreMessage(
            QtWarningMsg,
            "[PanelSelector::selectedPanel] Internal data error. Unable to convert PANEL_NUMBER role to int");
        quint8 panel = 0;
        QVERIFY(!screen.selector->selectedPanel(&panel));
    }

    void screenshotWithTheNetworkList()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_stack.reset();
        m_stack = std::make_unique<PageUnderPopups>(window());
        PanelScreen screen(true, true);
        m_clock->advance(1);
        screen.page->dressForReview(QStringLiteral("Panels"));
        QVERIFY2(WidgetShot::textProblems(screen.page).isEmpty(), qPrintable(WidgetShot::textProblems(screen.page)));
        const QImage image = WidgetShot::grab(screen.page);
        WidgetShot::saveForReview(image, QStringLiteral("AUK_10017_panels"));
        QCOMPARE(buttonOf(screen.selector)->buttonLabel(), QStringLiteral("Panel"));
        QCOMPARE(buttonOf(screen.selector)->buttonValue(), QStringLiteral("All"));
    }

    // The form without a summary pane: the editors use the page's width.
    void screenshotOnTheFormWithoutSummary()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_stack.reset();
        m_stack = std::make_unique<PageUnderPopups>(window());
        ListScreenSite::addZonePoints(3, {1, 2, 4});
        for (quint8 zone : {1, 2, 4})
            ListScreenSite::nameZone(3, zone, QStringLiteral("Boiler house %1").arg(zone));
        QPointer<FormScreen<AUK_10010>> page = new FormScreen<AUK_10010>;
        auto *panels = new PanelSelector(&page->filters, page->buttonGroup(), page);
        auto *zones = new ZoneSelector(&page->filters, page->buttonGroup(), page);
        page->addFilterSelector(panels);
        page->addFilterSelector(zones);
        PageStack::instance()->push(page);
        m_clock->advance(1);
        QVERIFY(panels->selectPanel(3));
        QVERIFY(zones->isCurrent());
        QCOMPARE(page->stackedWidget()->objectName(), QStringLiteral("lists"));
        QCOMPARE(page->stackedWidget()->currentWidget(), zones->filterEditor());
        tapRow(zones, 2);
        page->dressForReview(QStringLiteral("Zones"));
        QVERIFY2(WidgetShot::textProblems(page).isEmpty(), qPrintable(WidgetShot::textProblems(page)));
        WidgetShot::saveForReview(WidgetShot::grab(page), QStringLiteral("AUK_10010"));
        QCOMPARE(buttonOf(zones)->buttonCounter(), QStringLiteral("004"));
    }
};

QTEST_MAIN(tst_PanelSelector)
#include "tst_panelselector.moc"
