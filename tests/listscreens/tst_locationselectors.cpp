#include "PageUnderPopups.h"
#include "ScriptedSite.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "core/SC_SyncPageIDS.h"
#include "core/TeskGlobalConfig.h"
#include "listscreens/DisableActionRule.h"
#include "listscreens/LocationSelector.h"
#include "listscreens/LoopFilterSelector.h"
#include "listscreens/PointAddressSelector.h"
#include "listscreens/PointTypeSelector.h"
#include "listscreens/RegionSelector.h"
#include "listscreens/StackedSelector.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "widgets/AUK_90015.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int LocationRole = 52;
constexpr int PointTypeRole = 43;
constexpr quint8 Panel = 2;

} // namespace

// The location and point-type selectors: which rows they offer, and what
// the chosen row writes to the filter model.
class tst_LocationSelectors : public WidgetTest
{
    Q_OBJECT

private:
    FilterModel m_filters{nullptr, false};
    QButtonGroup m_group;

private slots:
    void cleanup()
    {
        DisableActionRule::installPermissionCheck({});
        TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
        TeskGlobalConfig::instance()->setRestrictionMask(0);
        m_filters.channelKind = 12;
        m_filters.pointType = 0;
    }

    void locationRows_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("showNonLoop");
        QTest::addColumn<QList<uint>>("locations");
        QTest::newRow("access refused") << false << 600 << true << QList<uint>{0};
        QTest::newRow("every location") << true << 600 << true << QList<uint>{0, 2, 1, 3, 4, 5};
        QTest::newRow("old header layout, no SBUS") << true << 500 << true << QList<uint>{0, 2, 1, 3, 5};
        QTest::newRow("no non-loop row") << true << 600 << false << QList<uint>{0, 2, 1, 3, 4};
        QTest::newRow("neither") << true << 0 << false << QList<uint>{0, 2, 1, 3};
    }

    void locationRows()
    {
        QFETCH(bool, allowed);
        QFETCH(int, version);
        QFETCH(bool, showNonLoop);
        QFETCH(QList<uint>, locations);
        DisableActionRule::installPermissionCheck([allowed](int) { return allowed; });
        TeskGlobalConfig::instance()->setPacketHeaderLayout(version);
        LocationSelector selector(&m_filters, &m_group, showNonLoop, nullptr);
        QAbstractItemModelTester tester(listOf(&selector)->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(rowValues(&selector, LocationRole), locations);
        QCOMPARE(listOf(&selector)->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(listOf(&selector)->model()->index(0, 0).data().toString(), QStringLiteral("_LOCATION_LOOP_LISTITEM"));
        QCOMPARE(selector.selectedLocation(), quint8(0));
    }

    void locationWritesChannelKind_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("location");
        QTest::addColumn<int>("channelKind");
        QTest::addColumn<QString>("text");
        QTest::newRow("loop") << 0 << 0 << 12 << "_LOCATION_LOOP_LISTITEM";
        QTest::newRow("front-panel bus") << 1 << 2 << 1 << "_LOCATION_RBUS_LISTITEM";
        QTest::newRow("local input/output") << 2 << 1 << 0 << "_LOCATION_LOCAL_IO_LISTITEM";
        QTest::newRow("network") << 3 << 3 << 5 << "_LOCATION_LNET_LISTITEM";
        QTest::newRow("SBUS") << 4 << 4 << 6 << "_LOCATION_SBUS_LISTITEM";
        QTest::newRow("not a loop") << 5 << 5 << 13 << "_LOCATION_NON_LOOP_LISTITEM";
    }

    void locationWritesChannelKind()
    {
        QFETCH(int, row);
        QFETCH(int, location);
        QFETCH(int, channelKind);
        QFETCH(QString, text);
        DisableActionRule::installPermissionCheck([](int) { return true; });
        TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
        LocationSelector selector(&m_filters, &m_group, true, nullptr);
        // A kind left from before, so that the loop's 12 is seen written.
        m_filters.channelKind = 99;
        QSignalSpy values(&selector, &FilterSelector::valueChanged);
        tapRow(&selector, row);
        QCOMPARE(m_filters.channelKind, channelKind);
        QCOMPARE(int(selector.selectedLocation()), location);
        QCOMPARE(buttonOf(&selector)->buttonValue(), text);
        QCOMPARE(values.count(), 1);
        QCOMPARE(values.first().at(0).toInt(), 1);
    }

    void resetLeavesTheFilterModel()
    {
        DisableActionRule::installPermissionCheck([](int) { return true; });
        LocationSelector selector(&m_filters, &m_group, true, nullptr);
        tapRow(&selector, 1);
        QSignalSpy values(&selector, &FilterSelector::valueChanged);
        selector.reset(true);
        QCOMPARE(values.count(), 0);
        QCOMPARE(m_filters.channelKind, 1);
        QCOMPARE(selector.selectedLocation(), quint8(0));
        QCOMPARE(buttonOf(&selector)->buttonValue(), QString());
        QVERIFY(!buttonOf(&selector)->isEnabled());
    }

    void pointTypes_data()
    {
        QTest::addColumn<bool>("localIo");
        QTest::addColumn<bool>("xbus");
        QTest::addColumn<int>("restricted");
        QTest::addColumn<QList<uint>>("types");
        QTest::newRow("front-panel bus") << false << true << 0 << QList<uint>{0, 1, 2};
        QTest::newRow("local input/output") << true << true << 0 << QList<uint>{0, 1, 2, 3, 4};
        QTest::newRow("neither") << false << false << 0 << QList<uint>{0, 1};
        QTest::newRow("no pseudo, front-panel bus") << false << true << 16 << QList<uint>{0, 2};
        QTest::newRow("no pseudo, local input/output") << true << true << 16 << QList<uint>{0, 2, 3, 4};
        QTest::newRow("no pseudo, neither") << false << false << 16 << QList<uint>{0};
        QTest::newRow("no menu") << true << false << 32 << QList<uint>{0, 1, 2, 3};
    }

    void pointTypes()
    {
        QFETCH(bool, localIo);
        QFETCH(bool, xbus);
        QFETCH(int, restricted);
        QFETCH(QList<uint>, types);
        TeskGlobalConfig::instance()->setRestrictionMask(quint16(restricted));
        PointTypeSelector selector(&m_filters, &m_group, nullptr);
        QAbstractItemModelTester tester(listOf(&selector)->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        // A second fill replaces the first one's rows.
        selector.fillTypes(true, true);
        selector.fillTypes(localIo, xbus);
        QCOMPARE(rowValues(&selector, PointTypeRole), types);
    }

    void pointTypeWritesTheType()
    {
        PointTypeSelector selector(&m_filters, &m_group, nullptr);
        selector.fillTypes(true, true);
        QSignalSpy values(&selector, &FilterSelector::valueChanged);
        QSignalSpy activated(&selector, &FilterSelector::activated);
        tapRow(&selector, 3);
        QCOMPARE(m_filters.pointType, 3);
        QCOMPARE(buttonOf(&selector)->buttonValue(), QStringLiteral("_TIMER_LISTITEM"));
        QCOMPARE(values.count(), 1);
        buttonOf(&selector)->click();
        QCOMPARE(activated.count(), 1);
        QVERIFY(buttonOf(&selector)->isChecked());
    }

    // A chain as an address screen builds it: location, a stack with the
    // loop and the point type, a stack with the point and region
    // addresses; the location answered as the screen answers it.
    void screenshotOfAChain_data()
    {
        QTest::addColumn<bool>("onALoop");
        QTest::addColumn<QString>("name");
        QTest::newRow("loop") << true << "AUK_10017_loopchain";
        QTest::newRow("front-panel bus") << false << "AUK_10017_regionchain";
    }

    void screenshotOfAChain()
    {
        QFETCH(bool, onALoop);
        QFETCH(QString, name);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        DisableActionRule::installPermissionCheck([](int) { return true; });
        TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
        ScriptedSite::reset();
        QBitArray configured(255);
        for (int loop : {1, 2})
            configured.setBit(loop);
        LoopDriverConfiguration::instance()->setPanelLoopBits(Panel, configured);
        for (int loop : {1, 2})
            ScriptedSite::setValue(
                SC_SyncPageIDS::ePointRegionNames,
                QStringLiteral("%1|12|%2|%3").arg(Panel).arg(loop).arg(TeskGlobalConfig::instance()->getCurrentLang()),
                QStringLiteral("Block %1").arg(loop));
        FakeClock clock;
        PageUnderPopups stack(window());
        QPointer<SelectorScreen> page = new SelectorScreen;
        page->filters.selectedPanel = Panel;
        auto *location = new LocationSelector(&page->filters, page->buttonGroup(), true, page);
        auto *types = new StackedSelector(page->buttonGroup(), page);
        auto *loops = new LoopFilterSelector(&page->filters, page->buttonGroup(), false, page);
        auto *pointType = new PointTypeSelector(&page->filters, page->buttonGroup(), page);
        types->addSelector(loops);
        types->addSelector(pointType);
        auto *addresses = new StackedSelector(page->buttonGroup(), page);
        auto *point = new PointAddressSelector(&page->filters, page->buttonGroup(), page);
        auto *region = new RegionSelector(&page->filters, page->buttonGroup(), page);
        addresses->addSelector(point);
        addresses->addSelector(region);
        page->addFilterSelector(location);
        page->addFilterSelector(types);
        page->addFilterSelector(addresses);
        PageStack::instance()->push(page);
        clock.advance(1);
        location->activate();
        tapRow(location, onALoop ? 0 : 1);
        FilterSelector *address = point;
        if (onALoop) {
            types->setCurrentSelector(loops);
            addresses->setCurrentSelector(point);
            types->activate();
            tapRow(loops, 2);
        } else {
            pointType->fillTypes(false, true);
            region->setAddressType(RegionSelector::FrontPanelBus);
            types->setCurrentSelector(pointType);
            addresses->setCurrentSelector(region);
            types->activate();
            tapRow(pointType, 0);
            address = region;
        }
        // The operator's next touch comes after the screen has laid out the
        // swapped selectors.
        QCoreApplication::processEvents();
        addresses->reset(false);
        addresses->activate();
        auto *keypad = qobject_cast<AUK_90015 *>(address->filterEditor());
        emit keypad->clicked(QStringLiteral("0"));
        emit keypad->clicked(QStringLiteral("7"));
        clock.advance(1);
        page->dressForReview(QStringLiteral("Point address"));
        QVERIFY2(WidgetShot::textProblems(page).isEmpty(), qPrintable(WidgetShot::textProblems(page)));
        WidgetShot::saveForReview(WidgetShot::grab(page), name);
        LoopDriverConfiguration::instance()->setPanelLoopBits(Panel, QBitArray());
    }
};

QTEST_MAIN(tst_LocationSelectors)
#include "tst_locationselectors.moc"
