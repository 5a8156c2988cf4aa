#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/BucketMaster.h"
#include "widgets/Page.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Pages named as the screens the stack knows by name; the stack reads the
// class name.
class AUK_30001 final : public Page
{
    Q_OBJECT

public:
    AUK_30001() { setRequiredAccessLevel(TESKEnumHolder::EN54_NOT_LOGGED_IN); }
};

class AUK_30002 final : public Page
{
    Q_OBJECT

public:
    explicit AUK_30002(int accessLevel) { setRequiredAccessLevel(accessLevel); }
};

class AUK_30086 final : public Page
{
    Q_OBJECT
};

class Screen final : public Page
{
    Q_OBJECT

public:
    explicit Screen(int level = TESKEnumHolder::EN54_LOGGED_IN) { setRequiredAccessLevel(level); }
};

class Popup final : public Page
{
    Q_OBJECT

public:
    explicit Popup(int level = TESKEnumHolder::EN54_LOGGED_IN) { setRequiredAccessLevel(level); }
    bool isPopup() const override { return true; }
};

class Summary final : public Page
{
    Q_OBJECT

public:
    bool isSummaryPage() const override { return true; }
};

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result << QLatin1String(name);
    return result;
}

} // namespace

// Push, pop and prune rules of the page stack.
class tst_PageStack : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void basePageIsNeverRemoved();
    void popByCount();
    void popupReplacesPopup();
    void summaryReplacesSummary();
    void removeAnywhereButTheBase();
    void poppedPagesAreDeletedLater();
    void popByObjectName();
    void popByAccessLevel_data();
    void popByAccessLevel();
    void permissionChangeRebuildsTheHomeScreen_data();
    void permissionChangeRebuildsTheHomeScreen();
    void permissionChangeDuringControllerStartUp();
    void showMainScreen();
    void showMainScreenSignals();
    void mainScreenOnTop();
    void noHomeScreenYet();

private:
    PageStack *stack() const { return PageStack::instance(); }
    void setMasterPanel(bool master);

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<int> m_homeLevels;
};

void tst_PageStack::initTestCase()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    SystemState::instance();
}

void tst_PageStack::init()
{
    m_homeLevels.clear();
    stack()->setHomeScreenFactory([this](int accessLevel, int) {
        m_homeLevels << accessLevel;
        return new AUK_30002(accessLevel);
    });
    stack()->setFireScreenFactory([](int, bool) { return new AUK_30086; });
    setMasterPanel(false);
    QVERIFY(stack()->push(new AUK_30001));
}

void tst_PageStack::cleanup()
{
    SystemState::instance()->setFireActive(false);
    Security::instance()->permissionsUpdate(255, 0);
    // The base page too: each test starts from an empty stack.
    PageStack::destroyInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_PageStack::setMasterPanel(bool master)
{
    BucketMaster::instance()->setValue(0, QStringLiteral("mstrstat"), master ? "1" : "0");
}

void tst_PageStack::basePageIsNeverRemoved()
{
    QVERIFY(!stack()->pop());
    QVERIFY(!stack()->pop(0));
    QVERIFY(!stack()->pop(5));
    stack()->clear();
    stack()->popNonMatching(QStringLiteral("nothing"));
    stack()->popNonMatching(TESKEnumHolder::EN54_NOT_LOGGED_IN);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001"}));
}

void tst_PageStack::popByCount()
{
    stack()->push(new Screen);
    QVERIFY(!stack()->pop(2));
    QCOMPARE(stack()->count(), 2);
    QVERIFY(stack()->pop());
    QCOMPARE(stack()->pageNames(), names({"AUK_30001"}));

    stack()->push(new Screen);
    stack()->push(new Screen);
    QVERIFY(stack()->pop(2));
    QCOMPARE(stack()->count(), 2);
}

void tst_PageStack::popupReplacesPopup()
{
    stack()->push(new Screen);
    auto *first = new Popup;
    stack()->push(first);
    QCOMPARE(first->pos(), QPoint(0, 36));
    QCOMPARE(stack()->count(), 3);

    auto *second = new Popup;
    stack()->push(second);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "Screen", "Popup"}));
    QVERIFY(stack()->isTop(second));
    QVERIFY(!first->isVisible());

    // A screen over a popup keeps the popup.
    stack()->push(new Screen);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "Screen", "Popup", "Screen"}));
    QCOMPARE(stack()->parentWidget(), nullptr);
    QCOMPARE(second->parentWidget(), stack());
}

void tst_PageStack::summaryReplacesSummary()
{
    stack()->push(new Summary);
    stack()->push(new Summary);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "Summary"}));
    stack()->push(new Screen);
    stack()->push(new Summary);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "Summary", "Screen", "Summary"}));
}

void tst_PageStack::removeAnywhereButTheBase()
{
    auto *middle = new Screen;
    auto *top = new Popup;
    stack()->push(middle);
    stack()->push(top);
    Screen stranger;

    QVERIFY(!stack()->remove(&stranger));
    QVERIFY(stack()->remove(middle));
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "Popup"}));
    QVERIFY(stack()->isTop(top));

    Page *base = nullptr;
    for (QObject *child : stack()->children()) {
        if (PageStack::pageName(qobject_cast<QWidget *>(child)) == QLatin1String("AUK_30001"))
            base = static_cast<Page *>(child);
    }
    QVERIFY(base);
    QVERIFY(!stack()->remove(base));
    QCOMPARE(stack()->count(), 2);
}

// A page that leaves the stack is hidden and cut off at once, and deleted
// by the event loop afterwards, so it may remove itself from its own slot.
void tst_PageStack::poppedPagesAreDeletedLater()
{
    auto *page = new Screen;
    QPointer<Screen> watch(page);
    QObject receiver;
    int calls = 0;
    connect(page, &QObject::objectNameChanged, &receiver, [&calls] { ++calls; });
    stack()->push(page);

    QVERIFY(stack()->pop());
    QVERIFY(watch);
    QVERIFY(!page->isVisible());
    page->setObjectName(QStringLiteral("renamed"));
    QCOMPARE(calls, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!watch);
}

void tst_PageStack::popByObjectName()
{
    stack()->push(new AUK_30002(1));
    stack()->push(new Screen);
    stack()->push(new Popup);
    stack()->popNonMatching(QStringLiteral("AUK_30002"));
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002"}));
    QVERIFY(stack()->isTopPage(QStringLiteral("AUK_30002")));

    stack()->push(new Screen);
    stack()->popNonMatching(QStringLiteral("AUK_30999"));
    QCOMPARE(stack()->pageNames(), names({"AUK_30001"}));
    QVERIFY(!stack()->containsPage(QStringLiteral("AUK_30002")));
}

void tst_PageStack::popByAccessLevel_data()
{
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("remaining");

    QTest::newRow("engineer screens go at 3") << QList<int>{3, 4, 4} << 3 << 2;
    QTest::newRow("stops at the first that may stay") << QList<int>{4, 1, 4} << 2 << 3;
    QTest::newRow("all go at 1") << QList<int>{2, 3, 4} << 1 << 1;
    QTest::newRow("all stay at 4") << QList<int>{2, 3, 4} << 4 << 4;
}

void tst_PageStack::popByAccessLevel()
{
    QFETCH(QList<int>, levels);
    QFETCH(int, level);
    QFETCH(int, remaining);

    for (int required : levels)
        stack()->push(new Screen(required));
    stack()->popNonMatching(static_cast<TESKEnumHolder::AccessLevelTESK>(level));
    QCOMPARE(stack()->count(), remaining);
}

void tst_PageStack::permissionChangeRebuildsTheHomeScreen_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("fire");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("homeLevel");

    QTest::newRow("log-on") << 3 << false << names({"AUK_30001", "AUK_30002"}) << 3;
    QTest::newRow("log-on during a fire") << 3 << true << names({"AUK_30001", "AUK_30002", "AUK_30086"}) << 3;
    QTest::newRow("log-off") << 1 << false << names({"AUK_30001", "AUK_30002"}) << 1;
    QTest::newRow("the count of levels is no level") << 5 << false << names({"AUK_30001", "AUK_30002"}) << 1;
    QTest::newRow("no level at all") << 0 << false << names({"AUK_30001"}) << -1;
}

void tst_PageStack::permissionChangeRebuildsTheHomeScreen()
{
    QFETCH(int, level);
    QFETCH(bool, fire);
    QFETCH(QStringList, expected);
    QFETCH(int, homeLevel);

    stack()->push(new AUK_30002(4));
    stack()->push(new Screen(TESKEnumHolder::EN54_ENGINEER));
    stack()->push(new Popup(TESKEnumHolder::EN54_NOT_LOGGED_IN));
    m_homeLevels.clear();
    SystemState::instance()->setFireActive(fire);

    stack()->permissionChanged(static_cast<TESKEnumHolder::AccessLevelTESK>(level));
    QCOMPARE(stack()->pageNames(), expected);
    QCOMPARE(m_homeLevels, homeLevel < 0 ? QList<int>() : QList<int>{homeLevel});
}

// While the controller starts up the stack keeps its log-on popups, but a
// drop of the level still takes away what the user who left may not see.
void tst_PageStack::permissionChangeDuringControllerStartUp()
{
    setMasterPanel(true);
    stack()->permissionChanged(TESKEnumHolder::EN54_LOGGED_IN);
    stack()->push(new AUK_30002(1));
    stack()->push(new Screen(TESKEnumHolder::EN54_LOGGED_IN));
    stack()->push(new Popup(TESKEnumHolder::EN54_NOT_LOGGED_IN));
    stack()->push(new Screen(TESKEnumHolder::EN54_NOT_LOGGED_IN));

    stack()->permissionChanged(TESKEnumHolder::EN54_ENGINEER);
    QCOMPARE(stack()->count(), 5);

    stack()->permissionChanged(TESKEnumHolder::EN54_NOT_LOGGED_IN);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "Popup", "Screen"}));
    QVERIFY(m_homeLevels.isEmpty());

    // A key-in raises the level: the log-on popup that needs more stays.
    stack()->push(new Popup(TESKEnumHolder::EN54_LOGGED_IN));
    stack()->permissionChanged(TESKEnumHolder::EN54_KEY_IN);
    QCOMPARE(stack()->count(), 5);
    QVERIFY(stack()->isTopPage(QStringLiteral("Popup")));
}

void tst_PageStack::showMainScreen()
{
    QSignalSpy restarted(stack(), &PageStack::panelRestarted);
    stack()->showMainScreen();
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002"}));

    stack()->push(new Screen);
    stack()->push(new Screen);
    stack()->showMainScreen();
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002"}));
    QCOMPARE(m_homeLevels.size(), 1);

    SystemState::instance()->setFireActive(true);
    stack()->showMainScreen(true);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "AUK_30086"}));
    // Each re-show replaces the fire screen, never stacks a second one.
    stack()->showMainScreen(false);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "AUK_30086"}));
    QCOMPARE(restarted.count(), 1);
}

void tst_PageStack::showMainScreenSignals()
{
    QSignalSpy logOn(stack(), &PageStack::loginAtStartupMode);
    QSignalSpy loggedOn(stack(), &PageStack::alreadyLoggedInAtStartupMode);
    stack()->showMainScreen(false);
    QCOMPARE(logOn.count() + loggedOn.count(), 0);

    setMasterPanel(true);
    stack()->showMainScreen(false);
    QCOMPARE(logOn.count(), 1);
    Security::instance()->permissionsUpdate(3, 11);
    stack()->showMainScreen(false);
    QCOMPARE(loggedOn.count(), 1);
}

void tst_PageStack::mainScreenOnTop()
{
    QVERIFY(!stack()->isMainScreenOnTop(true));
    stack()->push(new AUK_30002(1));
    stack()->push(new Popup);
    QVERIFY(stack()->isMainScreenOnTop(true));
    QVERIFY(!stack()->isMainScreenOnTop(false));
    stack()->pop();
    QVERIFY(stack()->isMainScreenOnTop(false));
    QCOMPARE(PageStack::mainScreenName(), QStringLiteral("AUK_30002"));

    setMasterPanel(true);
    stack()->push(new Screen);
    QVERIFY(stack()->isMainScreenOnTop(false));
}

// Until the status screens install the home screen, going home unwinds to
// what is stacked and pushes nothing.
void tst_PageStack::noHomeScreenYet()
{
    stack()->setHomeScreenFactory({});
    stack()->setFireScreenFactory({});
    SystemState::instance()->setFireActive(true);
    stack()->push(new Screen);
    stack()->showMainScreen();
    QCOMPARE(stack()->pageNames(), names({"AUK_30001"}));
    stack()->permissionChanged(TESKEnumHolder::EN54_LOGGED_IN);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001"}));
    QCOMPARE(stack()->createMainScreen(3, 3), nullptr);
}

QTEST_MAIN(tst_PageStack)
#include "tst_pagestack.moc"
