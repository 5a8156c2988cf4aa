#pragma once

#include <QAbstractAnimation>
#include <QModelIndex>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QPointer>
#include <QPropertyAnimation>

#include <functional>

class QAbstractItemView;
class QScrollBar;
class SC_Timer;

// Finger scrolling for the item views of the touch screen. Installed as an
// event filter on a view and its viewport, it swallows the view's mouse
// presses, moves and releases, drags the scroll bar, lets the content coast
// after the finger lifts (snapping a card to the middle of a horizontal
// list) and re-posts a tap to the view as a click 100 ms later.
class Flicker final : public QObject
{
    Q_OBJECT

public:
    enum Orientation { Vertical = 0, Horizontal = 1 };
    // Milliseconds since the epoch; the speed of a drag is measured with it.
    using Clock = std::function<qint64()>;

    explicit Flicker(QObject *parent = nullptr);
    ~Flicker() override;

    void attachTo(QAbstractItemView *view);
    void setOrientation(int orientation);
    void setSplitTouchArea(bool split);
    void setPageOffset(int offset);
    void setScrollStartRow(int row);
    // Tests measure drags against their own clock.
    void setClock(Clock clock);

    void animateTo(const QModelIndex &index);
    void scrollToValue(int value);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void scrollBarAtStart(bool atStart);
    void scrollBarAtEnd(bool atEnd);
    void flickerIsMoving(int position);
    // A horizontal drag ended: -1 towards the previous card (the finger went
    // right), +1 towards the next. The coasting target flickerIsMoving
    // carries is a position, never a direction.
    void swiped(int direction);
    void scrolledBetween(int startRow, int endRow);

public slots:
    void modelChanged();
    void scrollPrev();
    void scrollNext();
    void scrollUpToEnd();
    void scrollDownToEnd();
    void checkScrollBarRange();
    void animationComplete();
    void animationStateChanged(QAbstractAnimation::State newState, QAbstractAnimation::State oldState);

private slots:
    void sendClick();

private:
    bool handlePress(const QPoint &pos);
    bool handleMove(const QPoint &pos);
    bool handleRelease(QObject *watched, const QPoint &pos);
    void dragStep(const QPoint &position);

    QScrollBar *drivenBar() const;
    int along(const QPoint &point) const;
    QModelIndex centreIndex() const;
    QModelIndex fallbackIndex() const;
    void scrollBy(int step);
    void reportScrollBarEnds(int value);
    bool animationStopped() const;
    void startAnimation(int from, int to);
    bool splitRightHalf(int x) const;

    SC_Timer *m_clickTimer;
    // Guarded: a click is never posted to a widget that has gone.
    QPointer<QObject> m_clickTarget;
    bool m_splitTouchArea = false;
    int m_pageOffset = 0;

    // A Flicker that outlives its view does nothing.
    QPointer<QAbstractItemView> m_area;
    bool m_pressed = false;
    QPoint m_lastPos;
    QPoint m_anchorPos;
    bool m_dragging = false;
    bool m_moved = false;
    int m_passThroughCount = 0;
    int m_orientation = Vertical;
    QList<QPoint> m_recentPositions;
    QPropertyAnimation m_animation;
    qint64 m_lastMoveTime = 0;
    int m_speed = 0;
    int m_direction = 1;
    static constexpr int FlickDivisor = 2;
    static constexpr int MaxRecentPositions = 5;
    // Persistent: a model refilled between press and release is never
    // written through a stale index.
    QPersistentModelIndex m_pressedIndex;
    int m_fromRow = -1;
    int m_toRow = -1;
    Clock m_clock;
};
