#include "AnimationClock.h"
#include "FakeClock.h"
#include "WidgetTest.h"
#include "widgets/Flicker.h"

#include <QListView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

constexpr int AnimationMs = 700;

// A list of items under a Flicker: horizontal cards as wide as the viewport
// (5 cards of 300 px, scroll range 0 to 1200) or vertical rows of 20 px in
// a 200 px viewport (30 rows, scroll range 0 to 400).
struct Rig
{
    explicit Rig(int orientation, int rows = -1)
    {
        const bool horizontal = orientation == Flicker::Horizontal;
        if (rows < 0)
            rows = horizontal ? 5 : 30;
        fill(rows, horizontal);
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setFlow(horizontal ? QListView::LeftToRight : QListView::TopToBottom);
        view.setWrapping(false);
        view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        view.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        view.setFixedSize(horizontal ? QSize(300, 100) : QSize(200, 200));
        view.setModel(&model);
        view.show();
        view.doItemsLayout();
        flicker.attachTo(&view);
        flicker.setOrientation(orientation);
        flicker.setClock([this] { return time; });
    }

    void fill(int rows, bool horizontal)
    {
        model.clear();
        for (int row = 0; row < rows; ++row) {
            auto *item = new QStandardItem(QString::number(row));
            item->setSizeHint(horizontal ? QSize(300, 80) : QSize(200, 20));
            model.appendRow(item);
        }
    }

    QScrollBar *barFor()
    {
        return view.flow() == QListView::LeftToRight ? view.horizontalScrollBar() : view.verticalScrollBar();
    }

    void mouse(QEvent::Type type, const QPoint &at)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &event);
    }
    void press(const QPoint &at) { mouse(QEvent::MouseButtonPress, at); }
    void move(const QPoint &at) { mouse(QEvent::MouseMove, at); }
    void release(const QPoint &at) { mouse(QEvent::MouseButtonRelease, at); }

    FakeClock clock;
    AnimationClock animations;
    QStandardItemModel model;
    QListView view;
    Flicker flicker;
    qint64 time = 0;
};

} // namespace

class tst_Flicker : public WidgetTest
{
    Q_OBJECT

private slots:
    void aTapClicksOnce100msLaterAtThePress()
    {
        Rig rig(Flicker::Vertical);
        QSignalSpy clicks(&rig.view, &QListView::clicked);
        rig.press(QPoint(50, 45));
        QCOMPARE(rig.model.index(2, 0).data(Qt::UserRole), QVariant(true));
        rig.release(QPoint(50, 45));
        QCOMPARE(rig.model.index(2, 0).data(Qt::UserRole), QVariant(false));
        rig.clock.advance(99);
        QCOMPARE(clicks.count(), 0);
        rig.clock.advance(1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toModelIndex().row(), 2);
        rig.clock.advance(1000);
        QCOMPARE(clicks.count(), 1);
    }

    void aSecondPressCancelsThePendingClick()
    {
        Rig rig(Flicker::Vertical);
        QSignalSpy clicks(&rig.view, &QListView::clicked);
        rig.press(QPoint(50, 45));
        rig.release(QPoint(50, 45));
        rig.clock.advance(50);
        rig.press(QPoint(50, 105));
        rig.clock.advance(200);
        QCOMPARE(clicks.count(), 0);
        rig.release(QPoint(50, 105));
        rig.clock.advance(100);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toModelIndex().row(), 5);
    }

    void aPressWhoseReleaseWasLostIsUnmarkedByTheNext()
    {
        Rig rig(Flicker::Vertical);
        rig.press(QPoint(50, 45));
        rig.press(QPoint(50, 105));
        QCOMPARE(rig.model.index(2, 0).data(Qt::BackgroundRole).value<QBrush>(), QBrush(QColor(255, 255, 255)));
        QCOMPARE(rig.model.index(5, 0).data(Qt::UserRole), QVariant(true));
        QVERIFY(!rig.model.index(5, 0).data(Qt::BackgroundRole).isValid());
    }

    void dragStartsAt35Pixels_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("value");
        QTest::newRow("vertical 34") << int(Flicker::Vertical) << 34 << 0;
        QTest::newRow("vertical 35") << int(Flicker::Vertical) << 35 << 35;
        QTest::newRow("horizontal 34") << int(Flicker::Horizontal) << 34 << 0;
        QTest::newRow("horizontal 35") << int(Flicker::Horizontal) << 35 << 35;
    }
    void dragStartsAt35Pixels()
    {
        QFETCH(int, orientation);
        QFETCH(int, distance);
        QFETCH(int, value);
        Rig rig(orientation);
        QSignalSpy clicks(&rig.view, &QListView::clicked);
        const QPoint start(150, 90);
        const QPoint along = orientation == Flicker::Horizontal ? QPoint(distance, 0) : QPoint(0, distance);
        rig.press(start);
        rig.move(start - along);
        QCOMPARE(rig.barFor()->value(), value);
        // Movement across the axis never drags.
        rig.move(start - along + (orientation == Flicker::Horizontal ? QPoint(0, 80) : QPoint(80, 0)));
        rig.release(start - along);
        rig.clock.advance(100);
        // A drag is no tap; a move below the threshold still is.
        QCOMPARE(clicks.count(), value == 0 ? 1 : 0);
    }

    void aSlowDragStallsUntil35PixelsFromTheLastStep()
    {
        Rig rig(Flicker::Vertical);
        rig.press(QPoint(50, 190));
        rig.move(QPoint(50, 150)); // drag step: value 40, anchor 150
        QCOMPARE(rig.barFor()->value(), 40);
        // Averaged with 150, 140 gives 145: 5 pixels, the drag stalls.
        rig.move(QPoint(50, 140));
        QCOMPARE(rig.barFor()->value(), 40);
        // Averages of 140 and 135: below 35 from the anchor, still stalled.
        rig.move(QPoint(50, 130));
        rig.move(QPoint(50, 120));
        QCOMPARE(rig.barFor()->value(), 40);
        // (150 + 140 + 130 + 120 + 60) / 5 = 120: 30 pixels, still stalled.
        rig.move(QPoint(50, 60));
        QCOMPARE(rig.barFor()->value(), 40);
        // (140 + 130 + 120 + 60 + 40) / 5 = 98: 52 pixels, the drag resumes.
        rig.move(QPoint(50, 40));
        QCOMPARE(rig.barFor()->value(), 92);
    }

    void aVerticalDragCoastsOnHalfItsSpeed()
    {
        Rig rig(Flicker::Vertical);
        rig.press(QPoint(50, 150));
        rig.time = 1000;
        rig.move(QPoint(50, 110)); // 40 px in 1000 ms
        rig.time = 1100;
        rig.move(QPoint(50, 50)); // average 80: 30 px in 100 ms, 300 px/s
        QCOMPARE(rig.barFor()->value(), 70);
        QSignalSpy atEnd(&rig.flicker, &Flicker::scrollBarAtEnd);
        rig.release(QPoint(50, 50));
        rig.animations.advance(AnimationMs);
        QCOMPARE(rig.barFor()->value(), 70 + 300 / 2);
        QCOMPARE(atEnd.count(), 2); // at the release and at the end of the coast
        QCOMPARE(atEnd.last().at(0).toBool(), false);
    }

    void aReleasedCardSnapsToTheCentre_data()
    {
        QTest::addColumn<int>("startValue");
        QTest::addColumn<int>("pressX");
        QTest::addColumn<int>("moveX");
        QTest::addColumn<qint64>("moveTime");
        QTest::addColumn<int>("endValue");
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("direction");
        // Speed 1000 px/s from card 0 carries the centre to card 3.
        QTest::newRow("flick forward") << 0 << 200 << 100 << qint64(100) << 900 << 0 << 3 << 1;
        // A slow drag snaps back to the card under the centre.
        QTest::newRow("slow drag") << 0 << 200 << 100 << qint64(100000) << 0 << 0 << 0 << 1;
        QTest::newRow("before the first") << 300 << 50 << 150 << qint64(100) << 0 << 1 << 0 << -1;
        QTest::newRow("past the last") << 900 << 200 << 100 << qint64(100) << 1200 << 3 << 4 << 1;
    }
    void aReleasedCardSnapsToTheCentre()
    {
        QFETCH(int, startValue);
        QFETCH(int, pressX);
        QFETCH(int, moveX);
        QFETCH(qint64, moveTime);
        QFETCH(int, endValue);
        QFETCH(int, fromRow);
        QFETCH(int, toRow);
        QFETCH(int, direction);
        Rig rig(Flicker::Horizontal);
        QCOMPARE(rig.barFor()->maximum(), 1200);
        rig.barFor()->setValue(startValue);
        QSignalSpy between(&rig.flicker, &Flicker::scrolledBetween);
        QSignalSpy moving(&rig.flicker, &Flicker::flickerIsMoving);
        QSignalSpy swiped(&rig.flicker, &Flicker::swiped);
        QSignalSpy clicks(&rig.view, &QListView::clicked);
        rig.press(QPoint(pressX, 40));
        rig.time = moveTime;
        rig.move(QPoint(moveX, 40));
        rig.release(QPoint(moveX, 40));
        QCOMPARE(moving.count(), 1);
        QCOMPARE(swiped.count(), 1);
        QCOMPARE(swiped.first().first().toInt(), direction);
        rig.animations.advance(AnimationMs - 20);
        QCOMPARE(between.count(), 0);
        rig.animations.advance(20);
        QCOMPARE(rig.barFor()->value(), endValue);
        QCOMPARE(between.count(), fromRow == toRow ? 0 : 1);
        if (fromRow != toRow)
            QCOMPARE(between.at(0), QVariantList({fromRow, toRow}));
        rig.clock.advance(100);
        QCOMPARE(clicks.count(), 0);
    }

    void aTappedCardSnapsAndClicks()
    {
        Rig rig(Flicker::Horizontal);
        rig.barFor()->setValue(420); // card 1 off centre
        QSignalSpy clicks(&rig.view, &QListView::clicked);
        QSignalSpy swiped(&rig.flicker, &Flicker::swiped);
        rig.press(QPoint(100, 40));
        rig.release(QPoint(100, 40));
        QCOMPARE(swiped.count(), 0);
        rig.animations.advance(AnimationMs);
        QCOMPARE(rig.barFor()->value(), 300);
        rig.clock.advance(100);
        QCOMPARE(clicks.count(), 1);
    }

    void arrowsWrapByTheLastDragDirection_data()
    {
        QTest::addColumn<int>("startValue");
        QTest::addColumn<bool>("dragBack");
        QTest::addColumn<bool>("next");
        QTest::addColumn<int>("endValue");
        QTest::addColumn<int>("toRow");
        QTest::newRow("next") << 300 << false << true << 600 << 2;
        QTest::newRow("previous") << 300 << false << false << 0 << 0;
        QTest::newRow("previous on the first wraps to the last") << 0 << false << false << 1200 << 4;
        QTest::newRow("next on the last after a backward drag wraps to the first") << 1200 << true << true << 0 << 0;
    }
    void arrowsWrapByTheLastDragDirection()
    {
        QFETCH(int, startValue);
        QFETCH(bool, dragBack);
        QFETCH(bool, next);
        QFETCH(int, endValue);
        QFETCH(int, toRow);
        Rig rig(Flicker::Horizontal);
        rig.barFor()->setValue(startValue);
        if (dragBack) {
            // Slowly enough to snap back to the card it started on.
            rig.press(QPoint(50, 40));
            rig.time = 100000;
            rig.move(QPoint(150, 40));
            rig.release(QPoint(150, 40));
            rig.animations.advance(AnimationMs);
            QCOMPARE(rig.barFor()->value(), startValue);
        }
        QSignalSpy between(&rig.flicker, &Flicker::scrolledBetween);
        next ? rig.flicker.scrollNext() : rig.flicker.scrollPrev();
        rig.animations.advance(AnimationMs);
        QCOMPARE(rig.barFor()->value(), endValue);
        QCOMPARE(between.count(), 1);
        QCOMPARE(between.at(0).at(1).toInt(), toRow);
    }

    void verticalArrowsStepAPageLessTheOffset()
    {
        Rig rig(Flicker::Vertical);
        rig.flicker.setPageOffset(20);
        rig.flicker.scrollNext();
        rig.animations.advance(AnimationMs);
        QCOMPARE(rig.barFor()->value(), 180);
        rig.flicker.scrollDownToEnd();
        rig.animations.advance(AnimationMs);
        QCOMPARE(rig.barFor()->value(), 400);
        rig.flicker.scrollPrev();
        rig.animations.advance(AnimationMs);
        QCOMPARE(rig.barFor()->value(), 220);
        rig.flicker.scrollUpToEnd();
        rig.animations.advance(AnimationMs);
        QCOMPARE(rig.barFor()->value(), 0);
    }

    void nothingStartsWhileAnAnimationRuns()
    {
        Rig rig(Flicker::Horizontal);
        QSignalSpy between(&rig.flicker, &Flicker::scrolledBetween);
        rig.flicker.scrollNext();
        rig.animations.advance(100);
        rig.flicker.scrollNext();
        rig.flicker.scrollToValue(1200);
        // Only the row that the running scroll reports changes.
        rig.flicker.animateTo(rig.model.index(3, 0));
        rig.animations.advance(AnimationMs);
        QCOMPARE(rig.barFor()->value(), 300);
        QCOMPARE(between.count(), 1);
        QCOMPARE(between.at(0), QVariantList({0, 3}));
    }

    void endsAreReportedOnlyForARange()
    {
        {
            Rig fits(Flicker::Vertical, 3);
            QCOMPARE(fits.barFor()->maximum(), 0);
            QSignalSpy fitStart(&fits.flicker, &Flicker::scrollBarAtStart);
            QSignalSpy fitEnd(&fits.flicker, &Flicker::scrollBarAtEnd);
            fits.flicker.checkScrollBarRange();
            fits.flicker.modelChanged();
            fits.press(QPoint(50, 10));
            fits.release(QPoint(50, 10));
            QCOMPARE(fitStart.count() + fitEnd.count(), 0);
        }

        Rig scrolls(Flicker::Vertical);
        QSignalSpy atStart(&scrolls.flicker, &Flicker::scrollBarAtStart);
        QSignalSpy atEnd(&scrolls.flicker, &Flicker::scrollBarAtEnd);
        scrolls.flicker.checkScrollBarRange();
        scrolls.barFor()->setValue(400);
        scrolls.flicker.checkScrollBarRange();
        QCOMPARE(atStart.count(), 2);
        QCOMPARE(atStart.at(0).at(0).toBool(), true);
        QCOMPARE(atStart.at(1).at(0).toBool(), false);
        QCOMPARE(atEnd.at(0).at(0).toBool(), false);
        QCOMPARE(atEnd.at(1).at(0).toBool(), true);
    }

    void splitTouchAreaDragsLeftAndClicksRight()
    {
        Rig rig(Flicker::Vertical);
        rig.flicker.setSplitTouchArea(true);
        QSignalSpy clicks(&rig.view, &QListView::clicked);
        // Right half: no scroll, but a click.
        rig.press(QPoint(150, 150));
        rig.move(QPoint(150, 100));
        QCOMPARE(rig.barFor()->value(), 0);
        rig.release(QPoint(150, 100));
        rig.clock.advance(100);
        QCOMPARE(clicks.count(), 1);
        // Left half: a drag scrolls, a tap never clicks.
        rig.press(QPoint(50, 150));
        rig.move(QPoint(50, 100));
        QCOMPARE(rig.barFor()->value(), 50);
        rig.release(QPoint(50, 100));
        rig.press(QPoint(50, 50));
        rig.release(QPoint(50, 50));
        rig.clock.advance(100);
        QCOMPARE(clicks.count(), 1);
    }

    void aModelRefilledDuringAPressIsNotWrittenThroughAStaleIndex()
    {
        Rig rig(Flicker::Vertical);
        rig.press(QPoint(50, 45));
        rig.fill(30, false);
        rig.release(QPoint(50, 45));
        QVERIFY(!rig.model.index(2, 0).data(Qt::UserRole).isValid());
    }

    void aFlickerThatOutlivesItsViewDoesNothing()
    {
        FakeClock clock;
        AnimationClock animations;
        Flicker flicker;
        QStandardItemModel model(3, 1);
        auto view = std::make_unique<QListView>();
        view->setModel(&model);
        view->show();
        flicker.attachTo(view.get());
        // A tap whose view goes before the click is posted.
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        view.reset();
        clock.advance(100);
        QSignalSpy ends(&flicker, &Flicker::scrollBarAtEnd);
        flicker.scrollNext();
        flicker.scrollPrev();
        flicker.scrollDownToEnd();
        flicker.scrollUpToEnd();
        flicker.modelChanged();
        flicker.animateTo(model.index(1, 0));
        animations.advance(AnimationMs);
        QCOMPARE(ends.count(), 0);
    }
};

QTEST_MAIN(tst_Flicker)
#include "tst_flicker.moc"
