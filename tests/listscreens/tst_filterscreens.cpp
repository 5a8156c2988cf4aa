#include "FakeClock.h"
#include "ListScreenPagesInstaller.h"
#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "listscreens/AUK_10010.h"
#include "listscreens/AUK_10017.h"
#include "listscreens/FilterSelector.h"
#include "widgets/AUK_90004.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QListView>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// A list step of the chain whose choices the test makes by emitting counts.
class ChainSelector final : public FilterSelector
{
    Q_OBJECT

public:
    ChainSelector(QButtonGroup *group, QObject *parent, bool multiSelection, const QString &name)
        : FilterSelector(group, parent, multiSelection)
    {
        for (int row = 0; row < 30; ++row)
            m_rows.appendRow(new QStandardItem(QStringLiteral("%1 %2").arg(name).arg(row)));
        m_button = makeFilterButton(name);
        connect(m_button.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
        m_usesScrollButtons = true;
    }
    ~ChainSelector() override { delete m_button.data(); }

    QWidget *button() override { return m_button.data(); }
    QWidget *filterEditor() override
    {
        if (m_filterEditor)
            return m_filterEditor.data();
        AUK_90048 *list = ensureFilterEditor().data();
        styleList(list, m_multiSelection);
        list->installSelectorDelegate(&m_rows);
        return list;
    }
    AUK_90048 *list() { return qobject_cast<AUK_90048 *>(filterEditor()); }
    AUK_90008 *filterButton() const { return m_button.data(); }

    void choose(int count) { emit valueChanged(count); }
    // A choice the program makes: it must not move the screen on.
    void chooseByProgram()
    {
        m_autoAdvance = false;
        emit valueChanged(1);
    }

    // -1 never reset, 0 reset and enabled, 1 reset and disabled.
    int lastReset = -1;

public slots:
    void reset(bool disableFilterButton) override
    {
        lastReset = disableFilterButton ? 1 : 0;
        clearButton(m_button.data(), disableFilterButton);
        clearEditorSelection();
    }
    void activate() override { activateButton(m_button.data()); }
    void deactivate() override { deactivateButton(m_button.data()); }

private:
    QPointer<AUK_90008> m_button;
    QStandardItemModel m_rows;
};

// A test screen on the form with a summary pane: three list steps.
struct ChainScreen
{
    QPointer<AUK_10017> page;
    QList<ChainSelector *> selectors;

    ChainScreen(int count, bool firstMultiple)
        : page(new AUK_10017)
    {
        for (int i = 0; i < count; ++i) {
            auto *selector = new ChainSelector(page->buttonGroup(), page, i == 0 && firstMultiple,
                                               QStringLiteral("Step %1").arg(i + 1));
            selectors.append(selector);
            page->addFilterSelector(selector);
        }
        PageStack::instance()->push(page);
    }
    ChainSelector *at(int i) const { return selectors.at(i); }
};

// How far the link sits from where it is centred on the button, in page
// terms.
int linkOffsetFromButtonCentre(AUK_10017 *page, QWidget *button)
{
    const QWidget *link = page->filterLink();
    const int centred = button->mapTo(page, QPoint(0, 0)).y() + (button->height() - link->height()) / 2;
    return link->y() - centred;
}

using Steps = std::function<void(ChainScreen &)>;

} // namespace

Q_DECLARE_METATYPE(Steps)

// The filter screen template and its two forms: the chain rules, the scroll
// key routing and the forms' layout.
class tst_FilterScreens : public WidgetTest
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
        QVERIFY(m_stack->isPushed());
    }

    void cleanup()
    {
        m_stack.reset();
        m_clock.reset();
    }

    void firstSelectorStartsCheckedWithItsEditor()
    {
        ChainScreen screen(3, false);
        QVERIFY(screen.at(0)->filterButton()->isChecked());
        QVERIFY(screen.at(0)->filterButton()->isEnabled());
        QVERIFY(!screen.at(1)->filterButton()->isEnabled());
        QVERIFY(!screen.at(2)->filterButton()->isEnabled());
        QCOMPARE(screen.page->stackedWidget()->currentWidget(), screen.at(0)->filterEditor());
        // No selector is marked current before the first activation.
        QVERIFY(!screen.at(0)->isCurrent());
        QVERIFY(screen.page->lozengeBar()->isHidden());
    }

    void chainRules_data()
    {
        QTest::addColumn<bool>("firstMultiple");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<bool>("secondCurrent");
        QTest::addColumn<int>("secondReset");
        QTest::addColumn<int>("thirdReset");

        QTest::newRow("a single choice moves on")
            << false << Steps([](ChainScreen &s) { s.at(0)->choose(1); }) << true << 0 << 1;
        QTest::newRow("a hidden next button stops the advance") << false << Steps([](ChainScreen &s) {
            s.page->setFilterButtonVisible(s.at(1), false);
            s.at(0)->choose(1);
        }) << false << 0 << 1;
        QTest::newRow("a multiple choice of one only resets")
            << true << Steps([](ChainScreen &s) { s.at(0)->choose(1); }) << false << 0 << 1;
        QTest::newRow("a count of two only resets")
            << false << Steps([](ChainScreen &s) { s.at(0)->choose(2); }) << false << 0 << 1;
        QTest::newRow("a cleared choice disables every later step")
            << false << Steps([](ChainScreen &s) { s.at(0)->choose(0); }) << false << 1 << 1;
        QTest::newRow("a choice by the program does not move on")
            << false << Steps([](ChainScreen &s) { s.at(0)->chooseByProgram(); }) << false << 0 << 1;
        QTest::newRow("the next genuine choice after it moves on") << false << Steps([](ChainScreen &s) {
            s.at(0)->chooseByProgram();
            s.at(0)->choose(1);
        }) << true << 0 << 1;
    }

    void chainRules()
    {
        QFETCH(bool, firstMultiple);
        QFETCH(Steps, steps);
        QFETCH(bool, secondCurrent);
        QFETCH(int, secondReset);
        QFETCH(int, thirdReset);
        ChainScreen screen(3, firstMultiple);
        m_clock->advance(1);
        screen.at(2)->lastReset = -1;
        screen.at(1)->lastReset = -1;
        QSignalSpy active(screen.page.data(), &gui::FilterSelectorsScreenTemplate::filterCurrentlyActive);
        steps(screen);
        QCOMPARE(screen.at(1)->lastReset, secondReset);
        QCOMPARE(screen.at(2)->lastReset, thirdReset);
        QCOMPARE(screen.at(1)->filterButton()->isEnabled(), secondReset == 0);
        QVERIFY(!screen.at(2)->filterButton()->isEnabled());
        QCOMPARE(screen.at(1)->isCurrent(), secondCurrent);
        QCOMPARE(screen.at(1)->filterButton()->isChecked(), secondCurrent);
        QCOMPARE(active.count(), secondCurrent ? 1 : 0);
        if (secondCurrent) {
            QVERIFY(!screen.at(0)->isCurrent());
            QCOMPARE(screen.page->stackedWidget()->currentWidget(), screen.at(1)->filterEditor());
            QVERIFY(screen.page->filterLink()->isVisible());
            QCOMPARE(linkOffsetFromButtonCentre(screen.page, screen.at(1)->button()), 0);
            // The scroll keys follow the new step.
            QCOMPARE(screen.page->scrollTarget(), screen.at(1));
        } else {
            QCOMPARE(screen.page->stackedWidget()->currentWidget(), screen.at(0)->filterEditor());
        }
    }

    void chainOfOne()
    {
        ChainScreen screen(1, false);
        screen.page->lozengeBar()->show();
        QSignalSpy active(screen.page.data(), &gui::FilterSelectorsScreenTemplate::filterCurrentlyActive);
        screen.at(0)->choose(1);
        QCOMPARE(active.count(), 0);
        QVERIFY(screen.page->lozengeBar()->isVisible());
        screen.at(0)->choose(0);
        QVERIFY(screen.page->lozengeBar()->isHidden());
    }

    void lozengeBarHiddenOnAnIncompleteChain_data()
    {
        QTest::addColumn<bool>("hideUntilComplete");
        QTest::newRow("hidden until complete") << true;
        QTest::newRow("the screen keeps it") << false;
    }

    void lozengeBarHiddenOnAnIncompleteChain()
    {
        QFETCH(bool, hideUntilComplete);
        ChainScreen screen(3, false);
        screen.page->setHideLozengeBarUntilComplete(hideUntilComplete);
        screen.page->lozengeBar()->show();
        screen.at(0)->choose(1);
        QCOMPARE(screen.page->lozengeBar()->isHidden(), hideUntilComplete);
        screen.page->lozengeBar()->show();
        screen.at(1)->choose(1);
        screen.page->lozengeBar()->show();
        // The last step completes the chain: the screen decides on the bar.
        screen.at(2)->choose(1);
        QVERIFY(screen.page->lozengeBar()->isVisible());
    }

    void addBeforeAnotherSelector()
    {
        ChainScreen screen(2, false);
        auto *inserted = new ChainSelector(screen.page->buttonGroup(), screen.page, false, QStringLiteral("Inserted"));
        screen.page->addFilterSelector(inserted, screen.at(1));
        // A button joining a shown column shows once the event loop runs.
        QCoreApplication::processEvents();
        QCOMPARE(screen.page->selectors(), (QList<FilterSelector *>{screen.at(0), inserted, screen.at(1)}));
        auto *column = screen.page->filterButtonsContainer()->layout();
        QCOMPARE(column->indexOf(inserted->button()), 1);
        QCOMPARE(column->indexOf(screen.at(1)->button()), 2);
        QVERIFY(!inserted->filterButton()->isEnabled());
        // A choice in the first step now moves on to the inserted one.
        screen.at(0)->choose(1);
        QVERIFY(inserted->isCurrent());
        QCOMPARE(screen.at(1)->lastReset, 1);
    }

    void tappingAButtonShowsItsEditor()
    {
        ChainScreen screen(3, false);
        m_clock->advance(1);
        screen.at(0)->choose(1);
        QVERIFY(screen.at(1)->isCurrent());
        QTest::mouseClick(screen.at(0)->filterButton(), Qt::LeftButton);
        QVERIFY(screen.at(0)->isCurrent());
        QVERIFY(!screen.at(1)->isCurrent());
        QCOMPARE(screen.page->stackedWidget()->currentWidget(), screen.at(0)->filterEditor());
        QCOMPARE(linkOffsetFromButtonCentre(screen.page, screen.at(0)->button()), 0);
    }

    void scrollKeysFollowTheCurrentSelector()
    {
        ChainScreen screen(2, false);
        AUK_90006 *bar = screen.page->lozengeBar();
        bar->show();
        QCOMPARE(screen.page->scrollTarget(), nullptr);
        QSignalSpy lozengeKeys(screen.page.data(), &AUK_90001B::updateLozengeBarButtons);
        m_clock->advance(1);
        QCOMPARE(screen.page->scrollTarget(), screen.at(0));
        QCOMPARE(lozengeKeys.count(), 1);
        QVERIFY(bar->scrollButtonsVisible());
        AUK_90048 *first = screen.at(0)->list();
        AUK_90048 *second = screen.at(1)->list();
        QSignalSpy firstDown(first, &AUK_90048::scrollDownButtonClicked);
        QSignalSpy firstUp(first, &AUK_90048::scrollUpButtonHeld);
        QSignalSpy secondDown(second, &AUK_90048::scrollDownButtonClicked);

        // The list reported its position: at the top of thirty rows.
        QVERIFY(!bar->upScrollButtonEnabled());
        QVERIFY(bar->downScrollButtonEnabled());
        emit first->scrollBarAtStart(true);
        emit first->scrollBarAtEnd(false);
        QVERIFY(!bar->upScrollButtonEnabled());
        QVERIFY(bar->downScrollButtonEnabled());
        emit bar->scrollDownButtonClicked();
        QCOMPARE(firstDown.count(), 1);
        QCOMPARE(secondDown.count(), 0);
        QVERIFY(bar->upScrollButtonEnabled());
        emit bar->scrollUpButtonHeld();
        QCOMPARE(firstUp.count(), 1);
        emit first->scrollBarAtEnd(true);
        QVERIFY(!bar->downScrollButtonEnabled());
        emit bar->scrollDownButtonClicked();
        QCOMPARE(firstDown.count(), 1);
        // The other list's reports do not reach the keys.
        emit second->scrollBarAtEnd(false);
        QVERIFY(!bar->downScrollButtonEnabled());

        // Switching selectors re-targets the keys.
        screen.at(0)->choose(1);
        QCOMPARE(screen.page->scrollTarget(), screen.at(1));
        QCOMPARE(lozengeKeys.count(), 2);
        emit second->scrollBarAtEnd(true);
        QVERIFY(!bar->downScrollButtonEnabled());
        emit second->scrollBarAtEnd(false);
        QVERIFY(bar->downScrollButtonEnabled());
        emit bar->scrollDownButtonClicked();
        QCOMPARE(secondDown.count(), 1);
        QCOMPARE(firstDown.count(), 1);
        emit first->scrollBarAtEnd(true);
        QVERIFY(bar->downScrollButtonEnabled());
    }

    void scrollButtonPushed_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("up") << 0 << false << QByteArray(SIGNAL(scrollUpButtonClicked()));
        QTest::newRow("up held") << 0 << true << QByteArray(SIGNAL(scrollUpButtonHeld()));
        QTest::newRow("down") << 1 << false << QByteArray(SIGNAL(scrollDownButtonClicked()));
        QTest::newRow("down held") << 1 << true << QByteArray(SIGNAL(scrollDownButtonHeld()));
        QTest::newRow("no such key") << 2 << false << QByteArray();
    }

    void scrollButtonPushed()
    {
        QFETCH(int, button);
        QFETCH(bool, held);
        QFETCH(QByteArray, signal);
        ChainScreen screen(1, false);
        screen.page->scrollBarAtStart(false);
        screen.page->scrollBarAtEnd(false);
        const QList<QByteArray> all{SIGNAL(scrollUpButtonClicked()), SIGNAL(scrollUpButtonHeld()),
                                    SIGNAL(scrollDownButtonClicked()), SIGNAL(scrollDownButtonHeld())};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const QByteArray &each : all)
            spies.push_back(std::make_unique<QSignalSpy>(screen.page.data(), each.constData()));
        screen.page->scrollButtonPushed(AUK_90001B::eScrollButton(button), held);
        for (int i = 0; i < all.size(); ++i)
            QCOMPARE(spies.at(size_t(i))->count(), all.at(i) == signal ? 1 : 0);
    }

    void formGeometry_data()
    {
        QTest::addColumn<bool>("summary");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("10017 buttons") << true << "filterButtonsContainer" << QRect(0, 38, 326, 342);
        QTest::newRow("10017 editors") << true << "stackedWidget" << QRect(328, 38, 314, 346);
        QTest::newRow("10017 lozenge bar") << true << "lozengeBar" << QRect(0, 379, 640, 71);
        QTest::newRow("10017 link") << true << "filterLink" << QRect(300, 50, 44, 41);
        QTest::newRow("10017 summary") << true << "SummaryStatus" << QRect(429, 43, 210, 338);
        QTest::newRow("10010 buttons") << false << "filterButtonsContainer" << QRect(0, 38, 326, 342);
        QTest::newRow("10010 editors") << false << "lists" << QRect(328, 38, 314, 346);
        QTest::newRow("10010 lozenge bar") << false << "lozengeBar" << QRect(0, 379, 640, 71);
        QTest::newRow("10010 link") << false << "filterLink" << QRect(300, 50, 44, 41);
    }

    void formGeometry()
    {
        QFETCH(bool, summary);
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        std::unique_ptr<gui::FilterSelectorsScreenTemplate> page;
        if (summary)
            page = std::make_unique<AUK_10017>();
        else
            page = std::make_unique<AUK_10010>();
        QCOMPARE(page->objectName(), QString::fromLatin1(summary ? "AUK_10017" : "AUK_10010"));
        QCOMPARE(page->size(), QSize(640, 480));
        auto *child = page->findChild<QWidget *>(name);
        QVERIFY(child);
        QCOMPARE(child->parentWidget(), page.get());
        QCOMPARE(child->geometry(), rect);
        QCOMPARE(page->findChild<QWidget *>(QStringLiteral("SummaryStatus")) != nullptr, summary);
    }

    void summaryPaneStartsHiddenAndDisabled()
    {
        AUK_10017 page;
        AUK_90004 *pane = page.summaryStatus();
        QVERIFY(pane->isHidden());
        QVERIFY(!pane->messagesVisible());
        QVERIFY(pane->property("light").toBool());
        QVERIFY(pane->property("disabled").toBool());
        QVERIFY(page.stackedWidget()->currentIndex() == -1);
    }

    void filterLinkIsDarkGreyAndCentredOnItsButton()
    {
        ChainScreen screen(2, false);
        m_clock->advance(1);
        screen.at(0)->choose(1);
        QWidget *button = screen.at(1)->button();
        QCOMPARE(button->height(), 64);
        QWidget *link = screen.page->filterLink();
        QCOMPARE(link->y(), button->mapTo(screen.page.data(), QPoint(0, 0)).y() + 11);
        QCOMPARE(link->palette().color(QPalette::Active, QPalette::Window), QColor(38, 38, 38));
        QCOMPARE(link->palette().color(QPalette::Disabled, QPalette::Window), QColor(38, 38, 38));
        const QImage image = WidgetShot::grab(screen.page);
        // The link shows between the button column and the editors.
        const QRect gap(326, link->y() + 2, 2, link->height() - 4);
        QVERIFY(WidgetShot::fractionNear(image, gap, QColor(38, 38, 38), 4) > 0.95);
    }

    void popsThroughThePageStack_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<int>("popped");
        QTest::newRow("cancelled") << QByteArray("onCancelled") << 2;
        QTest::newRow("finished, screen") << QByteArray("finishedDlgPopScreen") << 2;
        QTest::newRow("finished, popup") << QByteArray("finishedDlgPopPopup") << 1;
    }

    void popsThroughThePageStack()
    {
        QFETCH(QByteArray, slot);
        QFETCH(int, popped);
        ListScreenPagesInstaller installed;
        ChainScreen screen(1, false);
        PageStack::instance()->push(new AUK_90001A);
        const int before = PageStack::instance()->count();
        QVERIFY(QMetaObject::invokeMethod(screen.page.data(), slot.constData()));
        QCOMPARE(PageStack::instance()->count(), before - popped);
    }

    void setLeftButtonInvisible()
    {
        ChainScreen screen(1, false);
        screen.page->lozengeBar()->show();
        screen.page->lozengeBar()->setLeftButtonVisible(true);
        screen.page->setLeftButtonInvisible();
        QVERIFY(!screen.page->lozengeBar()->leftButtonVisible());
    }
};

QTEST_MAIN(tst_FilterScreens)
#include "tst_filterscreens.moc"
