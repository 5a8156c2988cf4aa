#include "FakeClock.h"
#include "ListScreenSite.h"
#include "MessageCapture.h"
#include "NamedChild.h"
#include "PacketBytes.h"
#include "PageUnderPopups.h"
#include "SentPackets.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "listscreens/PanelSelector.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/FilteredRoles.h"
#include "screens/commissioning/AUK_30008.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90048.h"
#include "widgets/BasePopup.h"

#include <QListView>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

constexpr int TasksPage = 13;
constexpr int TaskOnPage = 140;
const ChannelAddress TaskChannel(0, 0, 4);

void setTasks(int page, quint8 panel, const QList<int> &tasks)
{
    QBitArray bits(256);
    for (int task : tasks)
        bits.setBit(task);
    PointDataMapsConfiguration::instance()->setChannelPoints(page, panel, TaskChannel, bits);
}

AUK_90048 *taskList(const AUK_30008 *screen)
{
    return namedChild<AUK_90048>(screen, "taskSelector");
}

QString shownPage(const AUK_30008 *screen)
{
    return namedChild<QStackedWidget>(screen, "stackedWidget")->currentWidget()->objectName();
}

QListView *panelList(const AUK_30008 *screen)
{
    return namedChild<AUK_90048>(screen, "PanelSelector::m_filterEditor")->listView();
}

QString topPage()
{
    return PageStack::instance()->pageNames().value(PageStack::instance()->count() - 1);
}

} // namespace

// The custom tasks screen on panels 1 and 3, this panel being 3: the task
// list of the chosen panel, and a tap that forces a task's point.
class tst_CustomTasks : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<PageUnderPopups> m_stack;

    static AUK_30008 *opened()
    {
        auto *screen = new AUK_30008;
        PageStack::instance()->push(screen);
        return screen;
    }

private slots:
    void init()
    {
        m_clock = std::make_unique<FakeClock>();
        m_stack = std::make_unique<PageUnderPopups>(window());
        ListScreenSite::build({1, 3});
        TeskGlobalConfig::instance()->setPanelNumber(3);
        TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
        PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
        maps->addMapPage(TasksPage);
        maps->addMapPage(TaskOnPage);
        setTasks(TasksPage, 3, {1, 2, 5, 11});
        setTasks(TasksPage, 1, {7});
        setTasks(TaskOnPage, 3, {2});
        setTasks(TaskOnPage, 1, {});
    }

    void cleanup()
    {
        m_stack.reset();
        m_clock.reset();
        ListScreenSite::build({});
    }

    void opensOnThisPanelsTasks()
    {
        AUK_30008 *screen = opened();
        QCOMPARE(shownPage(screen), QStringLiteral("taskListPage"));
        const QAbstractItemModel *tasks = taskList(screen)->listView()->model();
        QCOMPARE(tasks->rowCount(), 3);
        QStringList shown;
        for (int row = 0; row < tasks->rowCount(); ++row) {
            const QModelIndex index = tasks->index(row, 0);
            shown << QStringLiteral("%1%2")
                         .arg(index.data(FilteredRoles::PointRole).toInt())
                         .arg(index.data(FilteredRoles::CheckRole).toInt() == Qt::Checked ? "+" : "");
        }
        QCOMPARE(shown, (QStringList{"1", "2+", "5"}));
        QCOMPARE(screen->title(), QStringLiteral("_TASKS_CUSTOM_TASKS_HDR"));
        AUK_90006 *bar = namedChild<AUK_90006>(screen, "lozengeBar");
        QVERIFY(!bar->leftButtonVisible());
        QVERIFY(bar->scrollButtonsVisible());
    }

    void tapForcesByTheRowsState_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QByteArray>("payload");
        // Force on (1) a task not active, force off (2) an active one: the
        // task point of channel number 4, kind 0, address 0.
        QTest::newRow("not active, on") << 0 << 0 << QByteArray("64 02 01 01 00 03 01 40 00 01");
        QTest::newRow("active, off") << 1 << 0 << QByteArray("64 02 02 01 00 03 01 40 00 02");
        QTest::newRow("not active, on, layout 1") << 2 << 600 << QByteArray("64 02 01 01 00 03 01 40 00 05");
    }

    void tapForcesByTheRowsState()
    {
        QFETCH(int, row);
        QFETCH(int, layout);
        QFETCH(QByteArray, payload);
        TeskGlobalConfig::instance()->setPacketHeaderLayout(layout);
        AUK_30008 *screen = opened();
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        QListView *list = taskList(screen)->listView();
        emit list->clicked(list->model()->index(row, 0));
        const QByteArrayList sent = lkSpeakSent(packets);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(lkSpeakPayload(sent.first()).toHex(' '), payload);

        QCOMPARE(topPage(), QStringLiteral("AUK_40008"));
        QCOMPARE(labelText(PageStack::instance(), "pendingCount"), QStringLiteral("0000"));
        QCOMPARE(labelText(PageStack::instance(), "taskCount"), QStringLiteral("0001"));
        auto *progress = PageStack::instance()->findChild<BasePopup *>(QStringLiteral("AUK_40008"));
        QCOMPARE(progress->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
        // Closing leaves the screen too.
        emit progress->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void taskWithoutNumberOnlyWarns()
    {
        AUK_30008 *screen = opened();
        QStandardItemModel bad;
        auto *item = new QStandardItem(QStringLiteral("task"));
        item->setData(QStringLiteral("x"), FilteredRoles::PointRole);
        bad.appendRow(item);
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        MessageCapture messages;
        screen->taskSelectorItemClicked(bad.index(0, 0));
        QVERIFY(messages.contains(QStringLiteral("Bad point in task model")));
        QVERIFY(lkSpeakSent(packets).isEmpty());
        QCOMPARE(topPage(), QStringLiteral("AUK_30008"));
    }

    // The panel key brings back the panels; a panel chosen shows its tasks;
    // without a chosen panel nothing changes.
    void panelAndTaskListsSwitch()
    {
        AUK_30008 *screen = opened();
        emit screen->findChild<PanelSelector *>()->activated();
        QCOMPARE(shownPage(screen), QStringLiteral("panelListPage"));
        QListView *panels = panelList(screen);
        QCOMPARE(panels->model()->rowCount(), 2);
        const QModelIndex first = panels->model()->index(0, 0);
        QCOMPARE(first.data(FilteredRoles::PanelRole).toInt(), 1);
        panels->selectionModel()->select(first, QItemSelectionModel::ClearAndSelect);
        emit panels->clicked(first);
        QCOMPARE(shownPage(screen), QStringLiteral("taskListPage"));
        QCOMPARE(taskList(screen)->listView()->model()->rowCount(), 1);

        emit screen->findChild<PanelSelector *>()->activated();
        panels->selectionModel()->clearSelection();
        screen->panelChanged(1);
        QCOMPARE(shownPage(screen), QStringLiteral("panelListPage"));
    }

    void screenshots_data()
    {
        QTest::addColumn<bool>("panels");
        QTest::newRow("tasks") << false;
        QTest::newRow("panels") << true;
    }

    void screenshots()
    {
        QFETCH(bool, panels);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_stack.reset();
        m_stack = std::make_unique<PageUnderPopups>(window());
        AUK_30008 *screen = opened();
        if (panels)
            emit screen->findChild<PanelSelector *>()->activated();
        // The frame puts up its header icon once the event loop has run, as
        // it has on a panel long before anyone looks.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        WidgetShot::saveForReview(WidgetShot::grab(PageStack::instance()),
                                  panels ? QStringLiteral("AUK_30008_panels") : QStringLiteral("AUK_30008_tasks"));
    }
};

QTEST_MAIN(tst_CustomTasks)
#include "tst_customtasks.moc"
