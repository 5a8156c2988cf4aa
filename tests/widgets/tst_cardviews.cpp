#include "AnimationClock.h"
#include "FakeClock.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90011.h"
#include "widgets/AUK_90022.h"
#include "widgets/AUK_90029.h"
#include "widgets/AUK_90049.h"
#include "widgets/FontRepository.h"

#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QtTest>

namespace {

constexpr int AnimationMs = 700;
// The list of AUK_90011 is 618 wide, that of AUK_90022 436.
constexpr int WideCard = 618;
constexpr int EventCard = 436;

void fillCards(QStandardItemModel &model, const QList<int> &widths)
{
    model.clear();
    for (int i = 0; i < widths.size(); ++i) {
        auto *item = new QStandardItem(QStringLiteral("Card %1").arg(i + 1));
        item->setSizeHint(QSize(widths.at(i), 260));
        item->setBackground(i % 2 ? QColor(225, 225, 225) : QColor(255, 255, 255));
        item->setTextAlignment(Qt::AlignCenter);
        model.appendRow(item);
    }
}

QList<int> cards(int count, int width)
{
    return QVector<int>(count, width).toList();
}

// Paints a card as the event delegates do: a white card in a grey border
// with its text, whether or not the view marks it selected.
class CardDelegate final : public QAbstractItemDelegate
{
public:
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->fillRect(option.rect, QColor(125, 125, 125));
        painter->fillRect(option.rect.adjusted(6, 6, -6, -6), Qt::white);
        painter->setFont(FontRepository::instance()->bold18());
        painter->setPen(QColor(38, 38, 38));
        painter->drawText(option.rect, Qt::AlignCenter, index.data().toString());
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        return index.data(Qt::SizeHintRole).toSize();
    }
};

QString counterText(const QWidget &view)
{
    return view.findChild<QLabel *>("counter")->text();
}

bool arrowShown(const QWidget &view, const char *name)
{
    return !view.findChild<AUK_90049 *>(name)->isHidden();
}

} // namespace

class tst_CardViews : public WidgetTest
{
    Q_OBJECT

private slots:
    void anEmptyViewCountsNothing()
    {
        FakeClock clock;
        QStandardItemModel model;
        AUK_90011 view(window());
        QCOMPARE(view.objectName(), QStringLiteral("AUK_90011"));
        QCOMPARE(counterText(view), QStringLiteral("000/000"));
        QSignalSpy counterTaps(&view, &CardViewIface::counterClicked);
        QTest::mouseClick(view.findChild<QLabel *>("counter"), Qt::LeftButton);
        view.setModel(&model, nullptr);
        QCOMPARE(counterText(view), QStringLiteral("000/000"));
        QVERIFY(!arrowShown(view, "backButton"));
        QVERIFY(!arrowShown(view, "nextButton"));
        QTest::mouseClick(view.findChild<QLabel *>("counter"), Qt::LeftButton);
        QCOMPARE(counterTaps.count(), 0);
        fillCards(model, cards(2, WideCard));
        QTest::mouseClick(view.findChild<QLabel *>("counter"), Qt::LeftButton);
        QCOMPARE(counterTaps.count(), 1);
    }

    void theCounterFollowsTheCentreCard_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("next");
        QTest::newRow("first") << 0 << "001/012" << false << true;
        QTest::newRow("seventh") << 6 << "007/012" << true << true;
        QTest::newRow("last") << 11 << "012/012" << true << false;
    }
    void theCounterFollowsTheCentreCard()
    {
        QFETCH(int, row);
        QFETCH(QString, counter);
        QFETCH(bool, back);
        QFETCH(bool, next);
        FakeClock clock;
        QStandardItemModel model;
        fillCards(model, cards(12, WideCard));
        AUK_90011 view(window());
        view.setModel(&model, nullptr);
        view.listView()->doItemsLayout();
        QCOMPARE(view.listView()->horizontalScrollBar()->maximum(), 11 * WideCard);
        QSignalSpy changes(&view, &AUK_90011::itemChanged);
        view.listView()->horizontalScrollBar()->setValue(1);
        view.listView()->horizontalScrollBar()->setValue(row * WideCard);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(view.centreItemRow(), row);
        QCOMPARE(counterText(view), counter);
        QCOMPARE(arrowShown(view, "backButton"), back);
        QCOMPARE(arrowShown(view, "nextButton"), next);
        // Shadows show where more cards lie.
        QCOMPARE(view.findChild<QLabel *>("leftShadow")->isHidden(), row == 0);
        QCOMPARE(view.findChild<QLabel *>("rightShadow")->isHidden(), row == 11);
    }

    void aTapOnACardTogglesTheArrows()
    {
        FakeClock clock;
        AnimationClock animations;
        QStandardItemModel model;
        fillCards(model, cards(12, WideCard));
        AUK_90011 view(window());
        view.setModel(&model, nullptr);
        view.show();
        view.listView()->doItemsLayout();
        view.listView()->horizontalScrollBar()->setValue(6 * WideCard);
        QVERIFY(arrowShown(view, "backButton") && arrowShown(view, "nextButton"));
        QWidget *viewport = view.listView()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(300, 100));
        clock.advance(100);
        animations.advance(AnimationMs);
        QVERIFY(!arrowShown(view, "backButton") && !arrowShown(view, "nextButton"));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(300, 100));
        clock.advance(100);
        animations.advance(AnimationMs);
        QVERIFY(arrowShown(view, "backButton") && arrowShown(view, "nextButton"));
        QCOMPARE(view.listView()->horizontalScrollBar()->value(), 6 * WideCard);
    }

    void goToPosition_data()
    {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("endValue");
        QTest::addColumn<int>("refreshedCard");
        QTest::newRow("last") << false << -1 << 11 * WideCard << 0;
        QTest::newRow("third") << false << 3 << 2 * WideCard << 0;
        QTest::newRow("zero") << false << 0 << 0 << 0;
        QTest::newRow("past the end") << false << 13 << 0 << 0;
        QTest::newRow("before the start") << false << -13 << 0 << 0;
        QTest::newRow("fixed, third from the end") << true << -3 << 0 << 10;
        QTest::newRow("fixed, fourth") << true << 4 << 0 << 4;
        QTest::newRow("fixed, past the end") << true << 13 << 0 << 0;
    }
    void goToPosition()
    {
        QFETCH(bool, fixed);
        QFETCH(int, position);
        QFETCH(int, endValue);
        QFETCH(int, refreshedCard);
        FakeClock clock;
        AnimationClock animations;
        QStandardItemModel model;
        fillCards(model, cards(12, WideCard));
        AUK_90011 view(window());
        view.setModel(&model, nullptr);
        view.listView()->doItemsLayout();
        view.setFixedCounter(fixed);
        QSignalSpy refreshes(&view, &AUK_90011::refreshModel);
        QSignalSpy scrolled(&view, &AUK_90011::listScrolled);
        view.goToPosition(position);
        animations.advance(AnimationMs);
        QCOMPARE(view.listView()->horizontalScrollBar()->value(), endValue);
        QCOMPARE(refreshes.count(), refreshedCard ? 1 : 0);
        if (refreshedCard)
            QCOMPARE(refreshes.at(0).at(0).toInt(), refreshedCard);
        QCOMPARE(scrolled.count(), endValue ? 1 : 0);
        if (endValue)
            QCOMPARE(scrolled.at(0), QVariantList({0, endValue / WideCard}));
    }

    void theTitleFollowsTheReadingDirection_data()
    {
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<int>("alignment");
        QTest::newRow("left to right") << false << int(Qt::AlignLeft | Qt::AlignVCenter);
        QTest::newRow("right to left") << true << int(Qt::AlignRight | Qt::AlignVCenter);
    }
    void theTitleFollowsTheReadingDirection()
    {
        QFETCH(bool, rightToLeft);
        QFETCH(int, alignment);
        FakeClock clock;
        CardViewIface::setRightToLeft(rightToLeft);
        AUK_90011 view(window());
        CardViewIface::setRightToLeft(false);
        QCOMPARE(int(view.findChild<QLabel *>("title")->alignment()), alignment);
    }

    // A screen closed while its cards still move: the view goes without
    // telling anyone of a scroll.
    void destroyedDuringAScroll()
    {
        FakeClock clock;
        AnimationClock animations;
        QStandardItemModel model;
        fillCards(model, cards(12, WideCard));
        auto *view = new AUK_90011(window());
        view->setModel(&model, nullptr);
        view->listView()->doItemsLayout();
        QSignalSpy scrolled(view, &AUK_90011::listScrolled);
        view->goToPosition(6);
        animations.advance(AnimationMs / 4);
        delete view;
        QCOMPARE(scrolled.count(), 0);
    }

    void goToPositionWithoutAModelDoesNothing()
    {
        FakeClock clock;
        AUK_90011 view(window());
        view.setTotalCount(5);
        view.setFixedCounter(true);
        QSignalSpy refreshes(&view, &AUK_90011::refreshModel);
        view.goToPosition(2);
        QCOMPARE(refreshes.count(), 0);
    }

    void scrollToItemJumpsInEqualSteps()
    {
        FakeClock clock;
        QStandardItemModel model;
        // 1618 pixels of cards in a 618-pixel list: the range is 0 to 1000.
        fillCards(model, {324, 324, 324, 324, 322});
        AUK_90011 view(window());
        view.setModel(&model, nullptr);
        view.listView()->doItemsLayout();
        QCOMPARE(view.listView()->horizontalScrollBar()->maximum(), 1000);
        view.scrollToItem(2);
        QCOMPARE(view.listView()->horizontalScrollBar()->value(), 500);
        QVERIFY(view.listView()->selectionModel()->isSelected(model.index(2, 0)));
        view.scrollToItem(5);
        QCOMPARE(view.listView()->horizontalScrollBar()->value(), 500);
    }

    void theSettleTimerRepeatsEvery3000ms()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillCards(model, cards(3, WideCard));
        AUK_90011 view(window());
        QSignalSpy settled(&view, &AUK_90011::itemChangedSettlePeriodExpired);
        view.setModel(&model, nullptr);
        view.listView()->doItemsLayout();
        clock.advance(2999);
        QCOMPARE(settled.count(), 0);
        clock.advance(1);
        QCOMPARE(settled.count(), 1);
        QCOMPARE(settled.at(0).at(0).toModelIndex().row(), 0);
        // A card change does not push a running period away.
        clock.advance(1500);
        view.listView()->horizontalScrollBar()->setValue(WideCard);
        clock.advance(1500);
        QCOMPARE(settled.count(), 2);
        QCOMPARE(settled.at(1).at(0).toModelIndex().row(), 1);
    }

    void theArrowsMoveWithAFixedCounterAndTheTallFrame()
    {
        FakeClock clock;
        AUK_90011 view(window());
        QCOMPARE(view.size(), QSize(630, 342));
        QCOMPARE(view.listView()->geometry(), QRect(6, 50, 618, 275));
        QCOMPARE(view.findChild<AUK_90049 *>("backButton")->pos(), QPoint(1, 135));
        QCOMPARE(view.findChild<AUK_90049 *>("nextButton")->pos(), QPoint(574, 135));
        view.setFixedCounter(true);
        QCOMPARE(view.findChild<AUK_90049 *>("backButton")->pos(), QPoint(2, 165));
        QCOMPARE(view.findChild<AUK_90049 *>("nextButton")->pos(), QPoint(575, 165));
        view.setTall(true);
        QCOMPARE(view.size(), QSize(630, 414));
        QCOMPARE(view.listView()->geometry(), QRect(6, 50, 618, 347));
        QCOMPARE(view.findChild<QLabel *>("rightShadow")->geometry(), QRect(618, 50, 6, 347));
    }

    void theArrowKeysStepTheCards()
    {
        FakeClock clock;
        AnimationClock animations;
        QStandardItemModel model;
        fillCards(model, cards(4, WideCard));
        AUK_90011 view(window());
        view.setModel(&model, nullptr);
        view.show();
        view.listView()->doItemsLayout();
        QSignalSpy nexts(&view, &CardViewIface::nextButtonClicked);
        QSignalSpy scrolled(&view, &AUK_90011::listScrolled);
        QTest::mouseClick(view.findChild<AUK_90049 *>("nextButton"), Qt::LeftButton);
        animations.advance(AnimationMs);
        QCOMPARE(nexts.count(), 1);
        QCOMPARE(counterText(view), QStringLiteral("002/004"));
        QCOMPARE(scrolled.count(), 1);
        QSignalSpy backs(&view, &CardViewIface::backButtonClicked);
        QTest::mouseClick(view.findChild<AUK_90049 *>("backButton"), Qt::LeftButton);
        animations.advance(AnimationMs);
        QCOMPARE(backs.count(), 1);
        QCOMPARE(counterText(view), QStringLiteral("001/004"));
    }

    void theLargeFontViewClearsItsTitleOnEveryMove()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillCards(model, cards(3, WideCard));
        AUK_90029 view(window());
        const QFont expected = FontRepository::instance()->normal22b();
        for (const char *name : {"counter", "title"}) {
            const QFont font = view.findChild<QLabel *>(name)->font();
            QCOMPARE(font.family(), expected.family());
            QCOMPARE(font.pointSize(), expected.pointSize());
            QCOMPARE(font.weight(), expected.weight());
        }
        view.setModel(&model, nullptr);
        view.listView()->doItemsLayout();
        view.setTitle(QStringLiteral("Help"));
        QCOMPARE(view.title(), QStringLiteral("Help"));
        view.listView()->horizontalScrollBar()->setValue(WideCard);
        QCOMPARE(view.title(), QString());
        QCOMPARE(counterText(view), QStringLiteral("002/003"));
    }

    void theEventViewPlacesAWindowOfCards_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("value");
        QTest::newRow("1 row") << 1 << 0 << 0;
        QTest::newRow("2 rows, first") << 2 << 0 << 0;
        QTest::newRow("2 rows, second") << 2 << 1 << EventCard;
        QTest::newRow("3 rows, first") << 3 << 0 << 0;
        QTest::newRow("3 rows, middle") << 3 << 1 << EventCard;
        QTest::newRow("3 rows, last") << 3 << 2 << 2 * EventCard;
        QTest::newRow("5 rows") << 5 << 3 << 0;
    }
    void theEventViewPlacesAWindowOfCards()
    {
        QFETCH(int, rows);
        QFETCH(int, row);
        QFETCH(int, value);
        FakeClock clock;
        QStandardItemModel model;
        fillCards(model, cards(rows, EventCard));
        AUK_90022 view(window());
        view.setModel(&model, nullptr, true);
        view.listView()->doItemsLayout();
        view.listView()->horizontalScrollBar()->setValue(EventCard / 2);
        view.scrollToItem(row);
        QCOMPARE(view.listView()->horizontalScrollBar()->value(), value);
    }

    void theEventViewShowsAWindowOntoALongerList()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillCards(model, cards(3, EventCard));
        AUK_90022 view(window());
        QCOMPARE(view.size(), QSize(446, 342));
        view.setTotalCount(40);
        view.setFixedCounter(true);
        view.setModel(&model, nullptr, true);
        view.listView()->doItemsLayout();
        view.scrollToItem(1);
        view.setCurrentIndex(19);
        view.updateCounter();
        QCOMPARE(counterText(view), QStringLiteral("020/040"));
        QVERIFY(arrowShown(view, "backButton") && arrowShown(view, "nextButton"));
        QSignalSpy refreshes(&view, &AUK_90022::refreshModel);
        view.goToPosition(21);
        view.goToPosition(-1);
        view.goToPosition(41);
        QCOMPARE(refreshes.count(), 1);
        QCOMPARE(refreshes.at(0).at(0).toInt(), 21);
    }

    void theEventViewRefreshesItsInformation()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillCards(model, cards(3, EventCard));
        AUK_90022 view(window());
        QSignalSpy settled(&view, &AUK_90022::itemChangedSettlePeriodExpired);
        view.setModel(&model, nullptr, true);
        view.listView()->doItemsLayout();
        // A card change while stopped does not start the refresh.
        view.listView()->horizontalScrollBar()->setValue(EventCard);
        clock.advance(10000);
        QCOMPARE(settled.count(), 0);
        view.startInformationRefreshTimer();
        QCOMPARE(settled.count(), 1);
        QCOMPARE(settled.at(0).at(0).toModelIndex().row(), 1);
        clock.advance(2000);
        // A card change pushes the next refresh 3000 ms away.
        view.listView()->horizontalScrollBar()->setValue(2 * EventCard);
        clock.advance(2999);
        QCOMPARE(settled.count(), 1);
        clock.advance(1);
        QCOMPARE(settled.count(), 2);
        clock.advance(3000);
        QCOMPARE(settled.count(), 3);
        view.stopInformationRefreshTimer();
        clock.advance(10000);
        QCOMPARE(settled.count(), 3);
    }

    void theEventViewHidesItsCounterAndReportsTaps()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillCards(model, cards(3, EventCard));
        AUK_90022 view(window());
        view.show();
        QSignalSpy counterTaps(&view, &CardViewIface::counterClicked);
        view.setModel(&model, nullptr, false);
        auto *counter = view.findChild<QLabel *>("counter");
        QVERIFY(counter->isHidden());
        QTest::mouseClick(counter, Qt::LeftButton);
        QCOMPARE(counterTaps.count(), 0);
        view.setModel(&model, nullptr, true);
        QTest::mouseClick(counter, Qt::LeftButton);
        QCOMPARE(counterTaps.count(), 1);
        // A tap on the title reaches the view; one on the list does not.
        QSignalSpy taps(&view, &AUK_90022::clicked);
        QTest::mouseClick(view.findChild<QLabel *>("title"), Qt::LeftButton, {}, QPoint(50, 20));
        QCOMPARE(taps.count(), 1);
        QTest::mouseClick(view.listView()->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(taps.count(), 1);
        view.setEnabled(false);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(200, 330));
        QCOMPARE(taps.count(), 1);
    }

    void theEventViewArrowsFollowTheScrollBarEnds()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillCards(model, cards(3, EventCard));
        AUK_90022 view(window());
        view.setModel(&model, nullptr, true);
        view.listView()->doItemsLayout();
        QScrollBar *bar = view.listView()->horizontalScrollBar();
        bar->setValue(EventCard);
        QVERIFY(arrowShown(view, "backButton") && arrowShown(view, "nextButton"));
        bar->setValue(0);
        QVERIFY(!arrowShown(view, "backButton"));
        QVERIFY(view.findChild<QLabel *>("leftShadow")->isHidden());
        // Rows removed leave the counter until the next move or insertion.
        model.removeRow(2);
        QCOMPARE(counterText(view), QStringLiteral("001/003"));
        model.appendRow(new QStandardItem);
        model.appendRow(new QStandardItem);
        QCOMPARE(counterText(view), QStringLiteral("001/004"));
        view.detachModel(&model);
        model.appendRow(new QStandardItem);
        QCOMPARE(counterText(view), QStringLiteral("001/004"));
        view.modelSizeChanged();
        QCOMPARE(counterText(view), QStringLiteral("001/005"));
    }

    void screenshots()
    {
        FakeClock clock;
        QStandardItemModel wide;
        fillCards(wide, cards(12, WideCard));
        CardDelegate delegate;
        AUK_90011 cardView(window());
        cardView.setTitle(QStringLiteral("Help"));
        cardView.setModel(&wide, &delegate);
        cardView.show();
        cardView.listView()->doItemsLayout();
        cardView.listView()->horizontalScrollBar()->setValue(6 * WideCard);
        QImage shot = WidgetShot::grab(&cardView);
        QVERIFY(!WidgetShot::isTransparent(shot, QRect(0, 0, 10, 10)));
        WidgetShot::saveForReview(shot, QStringLiteral("AUK_90011"));

        QStandardItemModel events;
        fillCards(events, cards(3, EventCard));
        AUK_90022 eventView(window());
        eventView.setTitle(QStringLiteral("Fire"));
        eventView.setTotalCount(40);
        eventView.setFixedCounter(true);
        eventView.setModel(&events, &delegate, true);
        eventView.show();
        eventView.listView()->doItemsLayout();
        eventView.scrollToItem(1);
        eventView.setCurrentIndex(19);
        eventView.updateCounter();
        shot = WidgetShot::grab(&eventView);
        QVERIFY(!WidgetShot::isTransparent(shot, QRect(0, 0, 10, 10)));
        WidgetShot::saveForReview(shot, QStringLiteral("AUK_90022"));
    }
};

QTEST_MAIN(tst_CardViews)
#include "tst_cardviews.moc"
