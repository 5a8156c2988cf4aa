#include "widgets/Flicker.h"

#include "core/SC_Timer.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QCoreApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QScrollBar>

#include <limits>

namespace {

constexpr int ClickDelayMs = 100;
constexpr int AnimationMs = 700;
constexpr int DragThreshold = 35;
constexpr int StallThreshold = 11;
// The height at which a horizontal release looks for the card it ends on.
constexpr int ReleaseProbeY = 50;

} // namespace

Flicker::Flicker(QObject *parent)
    : QObject(parent)
    , m_clickTimer(SC_Timer::create(this))
    , m_clock(&QDateTime::currentMSecsSinceEpoch)
{
    m_clickTimer->setSingleShot(true);
    m_clickTimer->setInterval(ClickDelayMs);
    connect(m_clickTimer, &SC_Timer::timeout, this, &Flicker::sendClick);
    connect(&m_animation, &QAbstractAnimation::stateChanged, this, &Flicker::animationStateChanged);
}

Flicker::~Flicker() = default;

void Flicker::attachTo(QAbstractItemView *view)
{
    if (!view)
        return;
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    m_area = view;
}

void Flicker::setOrientation(int orientation)
{
    m_orientation = orientation == Horizontal ? Horizontal : Vertical;
}

void Flicker::setSplitTouchArea(bool split)
{
    m_splitTouchArea = split;
}

void Flicker::setPageOffset(int offset)
{
    m_pageOffset = offset;
}

void Flicker::setScrollStartRow(int row)
{
    m_fromRow = row;
}

void Flicker::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

bool Flicker::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        return false;
    if (!m_area)
        return false;
    if (type != QEvent::MouseMove && m_passThroughCount > 0) {
        --m_passThroughCount;
        return false;
    }
    m_clickTimer->stop();
    const QPoint pos = static_cast<QMouseEvent *>(event)->pos();
    switch (type) {
    case QEvent::MouseButtonPress:
        return handlePress(pos);
    case QEvent::MouseButtonRelease:
        return handleRelease(watched, pos);
    default:
        return handleMove(pos);
    }
}

bool Flicker::handlePress(const QPoint &pos)
{
    m_clickTarget = nullptr;
    QAbstractItemModel *model = m_area->model();
    if (!model)
        return false;
    m_pressed = true;
    m_dragging = false;
    m_moved = false;
    m_animation.stop();
    m_lastPos = pos;
    m_anchorPos = pos;
    if (m_pressedIndex.isValid() && m_pressedIndex.model() == model)
        model->setData(m_pressedIndex, QBrush(QColor(255, 255, 255, 255), Qt::SolidPattern), Qt::BackgroundRole);
    m_pressedIndex = m_area->indexAt(pos);
    m_fromRow = centreIndex().row();
    model->setData(m_pressedIndex, true, Qt::UserRole);
    m_recentPositions.clear();
    return true;
}

bool Flicker::handleMove(const QPoint &pos)
{
    m_recentPositions.prepend(pos);
    if (m_recentPositions.size() > MaxRecentPositions)
        m_recentPositions.removeLast();
    double sumX = 0;
    double sumY = 0;
    for (const QPoint &recent : qAsConst(m_recentPositions)) {
        sumX += recent.x();
        sumY += recent.y();
    }
    const int count = m_recentPositions.size();
    const QPoint position(qRound(sumX / count), qRound(sumY / count));

    if (m_orientation == Vertical && m_splitTouchArea && splitRightHalf(position.x()))
        return true;
    const int distance = qAbs(along(position) - along(m_anchorPos));
    if (!m_dragging && distance < DragThreshold)
        return true;
    if (m_pressed && m_dragging && distance < StallThreshold) {
        m_dragging = false;
        return true;
    }
    dragStep(position);
    return true;
}

void Flicker::dragStep(const QPoint &position)
{
    m_dragging = true;
    m_moved = true;
    const int delta = along(position) - along(m_lastPos);
    const qint64 now = m_clock();
    const qint64 elapsed = now - m_lastMoveTime;
    if (elapsed > 0)
        m_speed = int(qMin<qint64>(qAbs(qint64(delta) * 1000 / elapsed), std::numeric_limits<int>::max() / 2));
    m_direction = delta > 0 ? -1 : 1;
    m_lastPos = position;
    m_lastMoveTime = now;
    QScrollBar *bar = drivenBar();
    bar->setValue(bar->value() - delta);
    m_anchorPos = position;
}

bool Flicker::handleRelease(QObject *watched, const QPoint &pos)
{
    QAbstractItemModel *model = m_area->model();
    if (!model)
        return false;
    if (m_orientation == Horizontal) {
        if (m_dragging) {
            const QRect centre = m_area->visualRect(centreIndex());
            const int target = (centre.left() + centre.right()) / 2 + m_direction * m_speed;
            QModelIndex index = m_area->indexAt(QPoint(target, ReleaseProbeY));
            if (!index.isValid())
                index = fallbackIndex();
            animateTo(index);
            emit flickerIsMoving(target);
            emit swiped(m_direction);
        } else {
            animateTo(centreIndex());
        }
    } else if (m_dragging && !(m_splitTouchArea && splitRightHalf(pos.x()))) {
        scrollToValue(m_area->verticalScrollBar()->value() + m_direction * m_speed / FlickDivisor);
    }
    m_pressed = false;
    if (!m_moved && (m_orientation == Horizontal || !m_splitTouchArea || splitRightHalf(pos.x()))) {
        m_clickTarget = watched;
        m_clickTimer->start();
    }
    m_dragging = false;
    m_moved = false;
    if (m_pressedIndex.isValid()) {
        if (m_pressedIndex.model() == model)
            model->setData(m_pressedIndex, false, Qt::UserRole);
        m_pressedIndex = QPersistentModelIndex();
    }
    checkScrollBarRange();
    return true;
}

void Flicker::sendClick()
{
    if (!m_clickTarget)
        return;
    m_passThroughCount = 2;
    QCoreApplication::postEvent(m_clickTarget, new QMouseEvent(QEvent::MouseButtonPress, m_lastPos, Qt::LeftButton,
                                                               Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(m_clickTarget, new QMouseEvent(QEvent::MouseButtonRelease, m_lastPos, Qt::LeftButton,
                                                               Qt::LeftButton, Qt::NoModifier));
    m_clickTarget = nullptr;
}

void Flicker::animateTo(const QModelIndex &index)
{
    m_toRow = index.row();
    if (!m_area || !animationStopped())
        return;
    QScrollBar *bar = drivenBar();
    const QRect item = m_area->visualRect(index);
    const QRect viewport = m_area->viewport()->geometry();
    const bool horizontal = m_orientation == Horizontal;
    const int leading = horizontal ? item.left() : item.top();
    const int viewExtent = horizontal ? viewport.right() - viewport.left() : viewport.bottom() - viewport.top();
    const int itemExtent = horizontal ? item.right() - item.left() : item.bottom() - item.top();
    startAnimation(bar->value(), bar->value() + leading - (viewExtent - itemExtent) / 2);
}

void Flicker::scrollToValue(int value)
{
    if (!m_area || !animationStopped())
        return;
    startAnimation(drivenBar()->value(), value);
}

void Flicker::startAnimation(int from, int to)
{
    m_animation.stop();
    m_animation.setTargetObject(drivenBar());
    m_animation.setPropertyName("value");
    m_animation.setStartValue(from);
    m_animation.setEndValue(to);
    m_animation.setDuration(AnimationMs);
    m_animation.start();
}

void Flicker::scrollNext()
{
    scrollBy(1);
}

void Flicker::scrollPrev()
{
    scrollBy(-1);
}

// One card or one page forward (+1) or back (-1).
void Flicker::scrollBy(int step)
{
    if (!m_area || !m_area->model() || m_animation.state() == QAbstractAnimation::Running)
        return;
    const QModelIndex centre = centreIndex();
    m_fromRow = centre.row();
    QModelIndex target;
    int value = 0;
    if (m_orientation == Horizontal) {
        target = m_area->model()->index(centre.row() + step, 0);
    } else {
        const QScrollBar *bar = m_area->verticalScrollBar();
        value = bar->value() + step * (bar->pageStep() - m_pageOffset);
        target = m_area->indexAt(QPoint(5, value));
    }
    if (!target.isValid())
        target = fallbackIndex();
    m_toRow = target.row();
    if (m_orientation == Horizontal)
        animateTo(target);
    else
        scrollToValue(value);
}

void Flicker::scrollUpToEnd()
{
    if (m_area)
        scrollToValue(drivenBar()->minimum());
}

void Flicker::scrollDownToEnd()
{
    if (m_area)
        scrollToValue(drivenBar()->maximum());
}

void Flicker::checkScrollBarRange()
{
    if (m_area)
        reportScrollBarEnds(drivenBar()->value());
}

void Flicker::reportScrollBarEnds(int value)
{
    const QScrollBar *bar = drivenBar();
    if (bar->maximum() == 0)
        return;
    emit scrollBarAtEnd(value >= bar->maximum());
    emit scrollBarAtStart(value <= bar->minimum());
}

void Flicker::modelChanged()
{
    m_pressedIndex = QPersistentModelIndex();
    checkScrollBarRange();
}

void Flicker::animationStateChanged(QAbstractAnimation::State newState, QAbstractAnimation::State oldState)
{
    if (newState == QAbstractAnimation::Stopped && oldState == QAbstractAnimation::Running)
        animationComplete();
}

void Flicker::animationComplete()
{
    if (!animationStopped())
        return;
    if (m_fromRow != m_toRow) {
        emit scrolledBetween(m_fromRow, m_toRow);
        m_fromRow = m_toRow;
    }
    checkScrollBarRange();
}

QScrollBar *Flicker::drivenBar() const
{
    return m_orientation == Horizontal ? m_area->horizontalScrollBar() : m_area->verticalScrollBar();
}

int Flicker::along(const QPoint &point) const
{
    return m_orientation == Horizontal ? point.x() : point.y();
}

QModelIndex Flicker::centreIndex() const
{
    const QRect rect = m_area->viewport()->rect();
    return m_area->indexAt(QPoint((rect.left() + rect.right()) / 2, (rect.top() + rect.bottom()) / 2));
}

QModelIndex Flicker::fallbackIndex() const
{
    const QAbstractItemModel *model = m_area->model();
    return model->index(m_direction == 1 ? model->rowCount() - 1 : 0, 0);
}

bool Flicker::animationStopped() const
{
    return m_animation.state() == QAbstractAnimation::Stopped;
}

bool Flicker::splitRightHalf(int x) const
{
    return x >= m_area->width() / 2;
}
