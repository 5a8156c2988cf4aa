#include "widgets/AUK_90022.h"

#include "core/SC_Timer.h"
#include "widgets/AUK_90049.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

const CardViewIface::Layout kLayout = {
    "AUK_90022",           QSize(446, 342),        QRect(5, 50, 436, 276), QRect(4, 49, 6, 277), QRect(436, 49, 6, 277),
    QRect(11, 5, 313, 44), QRect(336, 14, 100, 26)};

// The scroll value that shows a row of a window of n cards.
int windowValue(int rows, int row, int minimum, int maximum)
{
    if (rows == 1 || (rows == 3 && row == 1))
        return (minimum + maximum) / 2;
    if ((rows == 2 && row == 1) || (rows == 3 && row == 2))
        return maximum;
    return minimum;
}

} // namespace

AUK_90022::AUK_90022(QWidget *parent)
    : CardViewIface(parent, kLayout)
{
    m_bg->setPixmap(QPixmap(QStringLiteral("../resources/Frames/AUK_80157_Event_frm.png")));
    m_leftShadow->setPixmap(QPixmap(QStringLiteral("../resources/Frames/Frames_eventlog_frm_Left_shdw.png")));
    m_rightShadow->setPixmap(QPixmap(QStringLiteral("../resources/Frames/Frames_eventlog_frm_Right_shdw.png")));
    // Bottom to top: bg, list, title, counter, rightShadow, leftShadow, backButton, nextButton.
    m_title->raise();
    m_counter->raise();
    m_rightShadow->raise();
    m_leftShadow->raise();
    m_backButton->raise();
    m_nextButton->raise();
    placeArrows(QRect(0, 140, 50, 80), QRect(392, 140, 50, 80));

    connect(m_nextButton, &BaseButton::clicked, &m_flicker, &Flicker::scrollNext);
    connect(m_backButton, &BaseButton::clicked, &m_flicker, &Flicker::scrollPrev);
    connect(&m_flicker, &Flicker::scrolledBetween, this, &AUK_90022::scrolledBetween);
    connect(m_list, &QListView::clicked, this, &AUK_90022::hideButtons);
    const QScrollBar *bar = m_list->horizontalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, &AUK_90022::updateLeftRightShadows);
    connect(bar, &QScrollBar::valueChanged, this, &AUK_90022::updateLeftRightShadows);
    connect(bar, &QScrollBar::valueChanged, this, &AUK_90022::selectedItemChanged);
    connect(m_settleTimer, &SC_Timer::timeout, this, &AUK_90022::pauseExpired);
}

QListView *AUK_90022::listView() const
{
    return m_list;
}

void AUK_90022::goToPosition(int position)
{
    const QAbstractItemModel *model = m_list->model();
    if (!model || position < 1 || position > m_totalCount)
        return;
    if (m_fixedCounter) {
        emit refreshModel(position);
        return;
    }
    const QModelIndex index = model->index(position - 1, 0);
    if (index.isValid() && index.row() == position - 1) {
        m_flicker.setScrollStartRow(centreItemRow());
        m_flicker.animateTo(index);
    }
}

void AUK_90022::setModel(QAbstractItemModel *model, QAbstractItemDelegate *delegate, bool counterVisible)
{
    m_list->setModel(model);
    m_list->reset();
    if (delegate) {
        m_list->setItemDelegate(delegate);
        m_delegate = delegate;
    }
    updateCounter();
    m_counter->setVisible(counterVisible);
    updateLeftRightShadows(0);
    if (m_settleTimer->isActive())
        m_settleTimer->start();
    updateCounter();
    emit itemChanged();
    if (model)
        connect(model, &QAbstractItemModel::rowsInserted, this, &AUK_90022::updateCounter, Qt::UniqueConnection);
    m_flicker.modelChanged();
    if (model) {
        connect(model, &QAbstractItemModel::rowsInserted, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
        connect(model, &QAbstractItemModel::rowsRemoved, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
    }
}

void AUK_90022::detachModel(QAbstractItemModel *model)
{
    if (!model)
        return;
    disconnect(model, &QAbstractItemModel::rowsInserted, this, &AUK_90022::updateCounter);
    disconnect(model, &QAbstractItemModel::rowsInserted, &m_flicker, &Flicker::modelChanged);
    disconnect(model, &QAbstractItemModel::rowsRemoved, &m_flicker, &Flicker::modelChanged);
}

void AUK_90022::scrollToItem(int row)
{
    m_list->updateGeometry();
    QCoreApplication::processEvents();
    const QAbstractItemModel *model = m_list->model();
    if (!model)
        return;
    const QModelIndex index = model->index(row, 0);
    if (!index.isValid() || index.row() != row)
        return;
    QScrollBar *bar = m_list->horizontalScrollBar();
    bar->setValue(windowValue(model->rowCount(), row, bar->minimum(), bar->maximum()));
    if (QItemSelectionModel *selection = m_list->selectionModel())
        selection->select(index, QItemSelectionModel::ClearAndSelect);
}

int AUK_90022::itemCount() const
{
    if (m_fixedCounter)
        return m_totalCount;
    const QAbstractItemModel *model = m_list->model();
    return model ? model->rowCount() : 0;
}

QString AUK_90022::title() const
{
    return m_title->text();
}

void AUK_90022::setTitle(const QString &title)
{
    m_title->setText(title);
}

void AUK_90022::selectedItemChanged()
{
    if (m_settleTimer->isActive())
        m_settleTimer->start();
    updateCounter();
    emit itemChanged();
}

void AUK_90022::modelSizeChanged()
{
    const QAbstractItemModel *model = m_list->model();
    m_totalCount = model ? model->rowCount() : 0;
    updateCounter();
}

void AUK_90022::startInformationRefreshTimer()
{
    pauseExpired();
    m_settleTimer->start();
}

void AUK_90022::stopInformationRefreshTimer()
{
    m_settleTimer->stop();
}

void AUK_90022::updateCounter()
{
    refreshCounter(itemCount());
}

void AUK_90022::redrawListItem(const QModelIndex &index)
{
    m_list->update(index);
}

void AUK_90022::mouseReleaseEvent(QMouseEvent *event)
{
    CardViewIface::mouseReleaseEvent(event);
    if (isEnabled() && rect().contains(event->pos()))
        emit clicked();
}

void AUK_90022::updateLeftRightShadows(int value)
{
    const QScrollBar *bar = m_list->horizontalScrollBar();
    const bool atStart = value == bar->minimum();
    const bool atEnd = value == bar->maximum();
    m_leftShadow->setVisible(!atStart);
    m_backButton->setVisible(!atStart);
    m_rightShadow->setVisible(!atEnd);
    m_nextButton->setVisible(!atEnd);
}

void AUK_90022::pauseExpired()
{
    emit itemChangedSettlePeriodExpired(centreIndex());
}

void AUK_90022::hideButtons()
{
    toggleArrows();
}
