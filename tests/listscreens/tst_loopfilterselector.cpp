#include "FakeClock.h"
#include "PageUnderPopups.h"
#include "ScriptedSite.h"
#include "SelectorScreen.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "core/BucketKeys.h"
#include "core/BucketMaster.h"
#include "core/SC_SyncPageIDS.h"
#include "core/TeskGlobalConfig.h"
#include "listscreens/LoopCharCounterRole.h"
#include "listscreens/LoopFilterSelector.h"
#include "paneldata/BasicPointAddress.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "pointmodels/FilteredRoles.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

namespace {

using FilteredRoles::LoopRole;

constexpr quint8 Panel = 3;
constexpr quint8 OtherPanel = 5;
// The bucket of the panel's display settings, among them the loop naming.
constexpr int DisplaySettingsBucket = 41;

// Loops 1, 2 and 3 on both panels; 1 and 2 shut down on the first.
void buildLoops()
{
    QBitArray configured(255);
    for (int loop : {3, 1, 2})
        configured.setBit(loop);
    for (quint8 panel : {Panel, OtherPanel})
        LoopDriverConfiguration::instance()->setPanelLoopBits(panel, configured);
    ScriptedSite::setValue(SC_SyncPageIDS::eCommissioning, BucketKeys::panelKey(Panel, BucketKeys::loopShtDwn),
                           QStringLiteral("0110"));
}

struct LoopPick
{
    FilterModel filters{nullptr, false};
    QButtonGroup group;
    LoopFilterSelector selector;
    QSignalSpy values{&selector, &FilterSelector::valueChanged};

    explicit LoopPick(bool storeClickedLoop = false, int mode = 0)
        : selector(&filters, &group, storeClickedLoop, nullptr)
    {
        filters.selectedPanel = Panel;
        filters.setLoopListMode(mode);
    }
};

} // namespace

// The loop selector: its rows by the loop list mode, the all row, the
// choice written to the filter model and kept over a rebuild for the same
// panel.
class tst_LoopFilterSelector : public WidgetTest
{
    Q_OBJECT

private slots:
    void init()
    {
        ScriptedSite::reset();
        buildLoops();
    }

    void cleanup()
    {
        for (quint8 panel : {Panel, OtherPanel})
            LoopDriverConfiguration::instance()->setPanelLoopBits(panel, QBitArray());
    }

    void rowsByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<uint>>("loops");
        QTest::newRow("all loops") << 0 << QList<uint>{255, 1, 2, 3};
        QTest::newRow("shut-down loops") << 1 << QList<uint>{255, 1, 2};
        QTest::newRow("loops in service") << 2 << QList<uint>{255, 3};
    }

    void rowsByMode()
    {
        QFETCH(int, mode);
        QFETCH(QList<uint>, loops);
        LoopPick pick(false, mode);
        pick.selector.activate();
        pick.selector.updateModel();
        QCOMPARE(rowValues(&pick.selector, LoopRole), loops);
        QCOMPARE(listOf(&pick.selector)->model()->index(0, 0).data().toString(), QStringLiteral("_ALL_LISTITEM"));
        QVERIFY(QMetaType::type("TC::peripheralAddress_t") != QMetaType::UnknownType);
    }

    void firstRebuildChoosesNothing()
    {
        LoopPick pick;
        pick.selector.filterEditor();
        pick.selector.updateModel();
        QCOMPARE(pick.selector.selectedLoop(), LoopFilterSelector::NoLoop);
        QCOMPARE(pick.values.count(), 0);
    }

    void sameLoopChosenAgainForTheSamePanel()
    {
        LoopPick pick;
        pick.selector.activate();
        pick.selector.updateModel();
        QAbstractItemModelTester tester(pick.filters.loopsModel(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        tapRow(&pick.selector, 3);
        QCOMPARE(pick.selector.selectedLoop(), 3);
        QCOMPARE(pick.filters.channelAddress, quint8(3));
        QCOMPARE(pick.values.count(), 1);
        const QString shown = buttonOf(&pick.selector)->buttonValue();
        pick.selector.updateModel();
        QCOMPARE(pick.selector.selectedLoop(), 3);
        QCOMPARE(pick.values.count(), 1);
        QCOMPARE(buttonOf(&pick.selector)->buttonValue(), shown);
        pick.filters.selectedPanel = OtherPanel;
        pick.selector.updateModel();
        QCOMPARE(pick.selector.selectedLoop(), LoopFilterSelector::NoLoop);
    }

    void allRowChosen()
    {
        LoopPick pick;
        pick.selector.activate();
        pick.selector.updateModel();
        tapRow(&pick.selector, 0);
        QCOMPARE(buttonOf(&pick.selector)->buttonValue(), QStringLiteral("_ALL_LISTITEM"));
        QCOMPARE(buttonOf(&pick.selector)->buttonCounter(), QString());
        QCOMPARE(pick.filters.channelAddress, quint8(255));
        pick.selector.updateModel();
        QCOMPARE(pick.selector.selectedLoop(), 255);
    }

    void customAllRow()
    {
        LoopPick pick;
        pick.selector.setAllEntry(QString(), 0);
        pick.selector.activate();
        QCOMPARE(rowValues(&pick.selector, LoopRole), (QList<uint>{1, 2, 3}));
        pick.selector.setAllEntry(QStringLiteral("Every loop"), 0);
        pick.selector.updateModel();
        QCOMPARE(rowValues(&pick.selector, LoopRole), (QList<uint>{0, 1, 2, 3}));
        pick.selector.clearAllEntry();
        pick.selector.updateModel();
        QCOMPARE(rowValues(&pick.selector, LoopRole), (QList<uint>{255, 1, 2, 3}));
    }

    void resetKeepsTheChannelAddress()
    {
        LoopPick pick;
        pick.selector.activate();
        tapRow(&pick.selector, 2);
        QCOMPARE(pick.filters.channelAddress, quint8(2));
        pick.selector.reset(false);
        QCOMPARE(pick.values.last().at(0).toInt(), 0);
        QVERIFY(buttonOf(&pick.selector)->isEnabled());
        QCOMPARE(buttonOf(&pick.selector)->buttonValue(), QString());
        QCOMPARE(pick.selector.selectedLoop(), LoopFilterSelector::NoLoop);
        QCOMPARE(pick.filters.channelAddress, quint8(2));
    }

    void selectLoopByProgram()
    {
        LoopPick pick;
        pick.selector.activate();
        pick.selector.selectLoop(7);
        QCOMPARE(pick.values.count(), 0);
        pick.selector.selectLoop(2);
        QCOMPARE(pick.selector.selectedLoop(), 2);
        QCOMPARE(pick.filters.channelAddress, quint8(2));
        QCOMPARE(pick.values.count(), 1);
        QVERIFY(!pick.selector.autoAdvance());
    }

    void counterTexts_data()
    {
        QTest::addColumn<QVariant>("loop");
        QTest::addColumn<bool>("none");
        QTest::addColumn<QString>("text");
        QTest::newRow("all loops") << QVariant(255u) << true << QString();
        QTest::newRow("no number") << QVariant(QStringLiteral("x")) << false << QStringLiteral("!");
        QTest::newRow("too big, not wrapped to loop 3") << QVariant(259u) << false << QStringLiteral("!");
        QTest::newRow("loop 3") << QVariant(3u) << false << BasicPointAddress::loopLabel(3, 255);
    }

    void counterTexts()
    {
        QFETCH(QVariant, loop);
        QFETCH(bool, none);
        QFETCH(QString, text);
        QStandardItemModel rows;
        auto *item = new QStandardItem;
        item->setData(loop, LoopRole);
        rows.appendRow(item);
        const QString shown = LoopCharCounterRole().text(rows.index(0, 0));
        QCOMPARE(shown.isNull(), none);
        QCOMPARE(shown, text);
        QVERIFY(!text.isEmpty() || none);
    }

    // The loops of a panel with their letters, loop 2 chosen.
    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        BucketMaster::instance()->setValue(DisplaySettingsBucket, QLatin1String(BucketKeys::loopDspFmt),
                                           QStringLiteral("0"));
        const char *names[] = {"North wing", "South wing", "Plant room"};
        for (int loop = 1; loop <= 3; ++loop)
            ScriptedSite::setValue(
                SC_SyncPageIDS::ePointRegionNames,
                QStringLiteral("%1|12|%2|%3").arg(Panel).arg(loop).arg(TeskGlobalConfig::instance()->getCurrentLang()),
                QString::fromLatin1(names[loop - 1]));
        FakeClock clock;
        PageUnderPopups stack(window());
        QPointer<SelectorScreen> page = new SelectorScreen;
        page->filters.selectedPanel = Panel;
        auto *loops = new LoopFilterSelector(&page->filters, page->buttonGroup(), false, page);
        page->addFilterSelector(loops);
        PageStack::instance()->push(page);
        clock.advance(1);
        loops->activate();
        tapRow(loops, 2);
        clock.advance(1);
        page->dressForReview(QStringLiteral("Loops"));
        QCOMPARE(buttonOf(loops)->buttonCounter(), QStringLiteral("B"));
        QVERIFY2(WidgetShot::textProblems(page).isEmpty(), qPrintable(WidgetShot::textProblems(page)));
        WidgetShot::saveForReview(WidgetShot::grab(page), QStringLiteral("AUK_10017_loops"));
    }
};

QTEST_MAIN(tst_LoopFilterSelector)
#include "tst_loopfilterselector.moc"
