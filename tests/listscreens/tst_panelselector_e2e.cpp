#include "ListScreenSite.h"
#include "PageUnderPopups.h"
#include "SameThreadLink.h"
#include "SelectorScreen.h"
#include "WidgetTest.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "listscreens/PanelSelector.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/SC_PageHandlerTable.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/LkNetworkStats.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The engine's protocol client and a screen's panel selector in this
// process, the controller emulator at the other end of a loopback link: the
// emulator marks a panel as not answering and answering again, and the
// panel list follows each map the engine receives.

namespace {

constexpr int Timeout = 30000;
constexpr quint8 LocalPanel = 1;

} // namespace

class tst_PanelSelectorEndToEnd final : public WidgetTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void panelListFollowsTheNotRespondingMap();

private:
    std::unique_ptr<SameThreadLink> m_link;
    std::unique_ptr<PageUnderPopups> m_stack;
};

void tst_PanelSelectorEndToEnd::init()
{
    ListScreenSite::build({1, 2, 3});
    TeskGlobalConfig::instance()->setPanelNumber(LocalPanel);
    m_link = std::make_unique<SameThreadLink>();
    SyncClient *client = SyncClient::instance();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    QVERIFY(m_link->connect());
    m_link->controller().command(QStringLiteral("layout 1"));
    QVERIFY(m_link->heartbeatAnswered());
    QTRY_VERIFY_WITH_TIMEOUT(client->isLinkUp(), Timeout);
}

void tst_PanelSelectorEndToEnd::cleanup()
{
    m_stack.reset();
    m_link.reset();
    LkNetworkStats::destroyInstance();
    SyncClient::destroyInstance();
    BucketMaster::destroyInstance();
    PanelCounters::instance()->clear();
    ListScreenSite::build({});
}

void tst_PanelSelectorEndToEnd::panelListFollowsTheNotRespondingMap()
{
    m_stack = std::make_unique<PageUnderPopups>(window());
    QPointer<SelectorScreen> page = new SelectorScreen;
    auto *panels = new PanelSelector(&page->filters, page->buttonGroup(), page);
    page->addFilterSelector(panels);
    PageStack::instance()->push(page);
    QCOMPARE(rowValues(panels, FilteredRoles::PanelRole), (QList<uint>{1, 2, 3}));
    tapRow(panels, 2);
    QSignalSpy rebuilt(&page->filters.panelsModel, &QAbstractItemModel::modelReset);
    QSignalSpy values(panels, &FilterSelector::valueChanged);

    int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("silent 2 1"));
    QVERIFY(m_link->waitForLine(QStringLiteral("silent panel=2 state=1"), from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(rowValues(panels, FilteredRoles::PanelRole), (QList<uint>{1, 3}), Timeout);
    QCOMPARE(rebuilt.count(), 1);
    quint8 chosen = 0;
    QVERIFY(panels->selectedPanel(&chosen));
    QCOMPARE(int(chosen), 3);
    QCOMPARE(values.count(), 0);

    from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("silent 2 0"));
    QVERIFY(m_link->waitForLine(QStringLiteral("silent panel=2 state=0"), from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(rowValues(panels, FilteredRoles::PanelRole), (QList<uint>{1, 2, 3}), Timeout);
    QCOMPARE(rebuilt.count(), 2);

    from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("silent 0 1"));
    QVERIFY(m_link->waitForLine(QStringLiteral("error usage: silent"), from) >= 0);
}

QTEST_MAIN(tst_PanelSelectorEndToEnd)
#include "tst_panelselector_e2e.moc"
