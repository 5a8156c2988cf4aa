#include "widgets/AUK_90011.h"

#include "core/SC_Timer.h"
#include "widgets/AUK_90049.h"
#include "widgets/CachedPixmap.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QScrollBar>

namespace {

const CardViewIface::Layout kLayout = {
    "AUK_90011",           QSize(630, 342),        QRect(6, 49, 618, 277), QRect(6, 49, 6, 277), QRect(618, 49, 6, 277),
    QRect(11, 5, 360, 40), QRect(516, 11, 100, 26)};

// Arrow places for a counter that follows the view and for a fixed one.
const QRect kBackFollowing(1, 135, 50, 80);
const QRect kNextFollowing(574, 135, 50, 80);
const QRect kBackFixed(2, 165, 50, 80);
const QRect kNextFixed(575, 165, 50, 80);

constexpr int ListTop = 50;
// The frame's header above the list and its border below.
constexpr int FrameMargins = 67;

} // namespace

AUK_90011::AUK_90011(QWidget *parent)
    : CardViewIface(parent, kLayout)
{
    // Bottom to top: bg, list, rightShadow, leftShadow, title, counter, nextButton, backButton.
    m_rightShadow->raise();
    m_leftShadow->raise();
    m_title->raise();
    m_counter->raise();
    m_nextButton->raise();
    m_backButton->raise();
    m_nextButton->setMinimumSize(50, 30);
    placeArrows(kBackFollowing, kNextFollowing);
    m_title->setAlignment((isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);

    connect(m_nextButton, &BaseButton::clicked, &m_flicker, &Flicker::scrollNext);
    connect(m_nextButton, &BaseButton::clicked, this, &CardViewIface::nextButtonClicked);
    connect(m_backButton, &BaseButton::clicked, &m_flicker, &Flicker::scrollPrev);
    connect(m_backButton, &BaseButton::clicked, this, &CardViewIface::backButtonClicked);
    connect(&m_flicker, &Flicker::scrolledBetween, this, &AUK_90011::listScrolled);
    connect(m_list, &QListView::clicked, this, &AUK_90011::hideButtons);
    const QScrollBar *bar = m_list->horizontalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, &AUK_90011::updateLeftRightShadows);
    connect(bar, &QScrollBar::valueChanged, this, &AUK_90011::updateLeftRightShadows);
    connect(bar, &QScrollBar::valueChanged, this, &AUK_90011::selectedItemChanged);
    connect(&m_flicker, &Flicker::flickerIsMoving, this, &CardViewIface::horizontalScrollActive);
    connect(m_settleTimer, &SC_Timer::timeout, this, &AUK_90011::pauseExpired);
    applyTallLayout();
}

QListView *AUK_90011::listView() const
{
    return m_list;
}

void AUK_90011::setFixedCounter(bool fixed)
{
    CardViewIface::setFixedCounter(fixed);
    if (fixed)
        placeArrows(kBackFixed, kNextFixed);
    else
        placeArrows(kBackFollowing, kNextFollowing);
}

void AUK_90011::goToPosition(int position)
{
    const QAbstractItemModel *model = m_list->model();
    if (!model || position == 0 || position > m_totalCount || position < -m_totalCount)
        return;
    // A negative position counts from the end for a fixed counter too: -3
    // asks for the third card from the end, not card 3.
    const int row = position > 0 ? position - 1 : m_totalCount + position;
    if (m_fixedCounter) {
        emit refreshModel(row + 1);
        return;
    }
    const QModelIndex index = model->index(row, 0);
    if (index.isValid() && index.row() == row) {
        m_flicker.setScrollStartRow(centreItemRow());
        m_flicker.animateTo(index);
    }
}

void AUK_90011::setModel(QAbstractItemModel *model, QAbstractItemDelegate *delegate)
{
    m_list->setModel(model);
    if (delegate) {
        m_list->setItemDelegate(delegate);
        m_delegate = delegate;
    }
    updateCounter();
    if (model)
        connect(model, &QAbstractItemModel::rowsInserted, this, &AUK_90011::updateCounter, Qt::UniqueConnection);
    updateLeftRightShadows(0);
    selectedItemChanged();
    m_flicker.modelChanged();
    if (model) {
        connect(model, &QAbstractItemModel::rowsInserted, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
        connect(model, &QAbstractItemModel::rowsRemoved, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
    }
}

void AUK_90011::scrollToItem(int row)
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
    const int rows = model->rowCount();
    const int value = rows > 1 ? row * ((bar->maximum() - bar->minimum()) / (rows - 1)) : bar->minimum();
    bar->setValue(value);
    if (QItemSelectionModel *selection = m_list->selectionModel())
        selection->select(index, QItemSelectionModel::ClearAndSelect);
}

int AUK_90011::itemCount() const
{
    const QAbstractItemModel *model = m_list->model();
    return model ? model->rowCount() : 0;
}

void AUK_90011::refresh()
{
    applyTallLayout();
    pauseExpired();
    selectedItemChanged();
}

bool AUK_90011::tall() const
{
    return m_tall;
}

void AUK_90011::setTall(bool tall)
{
    m_tall = tall;
    applyTallLayout();
}

QString AUK_90011::title() const
{
    return m_title->text();
}

void AUK_90011::setTitle(const QString &title)
{
    m_title->setText(title);
}

void AUK_90011::updateCounter()
{
    refreshCounter(itemCount());
}

void AUK_90011::selectedItemChanged()
{
    if (!m_settleTimer->isActive())
        m_settleTimer->start();
    updateCounter();
    emit itemChanged();
}

void AUK_90011::updateLeftRightShadows(int value)
{
    const QScrollBar *bar = m_list->horizontalScrollBar();
    m_leftShadow->setVisible(value != bar->minimum());
    m_rightShadow->setVisible(value != bar->maximum());
}

void AUK_90011::pauseExpired()
{
    emit itemChangedSettlePeriodExpired(centreIndex());
}

void AUK_90011::hideButtons()
{
    toggleArrows();
}

void AUK_90011::applyTallLayout()
{
    const QPixmap frame =
        m_tall ? QPixmap(QStringLiteral("../resources/Frames/AUK_80113_help_site_map_pane.png"))
               : CachedPixmap::frame(QStringLiteral("80044_elog_frm"), QStringLiteral("AUK_80044_eventlog_frm.png"));
    m_bg->setPixmap(frame);
    m_leftShadow->setPixmap(QPixmap(m_tall
                                        ? QStringLiteral("../resources/Frames/AUK_80109_custom_tasks_shadow_left.png")
                                        : QStringLiteral("../resources/Frames/Frames_eventlog_frm_Left_shdw.png")));
    m_rightShadow->setPixmap(QPixmap(m_tall
                                         ? QStringLiteral("../resources/Frames/AUK_80110_custom_tasks_shadow_right.png")
                                         : QStringLiteral("../resources/Frames/Frames_eventlog_frm_Right_shdw.png")));
    const int listHeight = frame.height() - FrameMargins;
    for (QWidget *child :
         {static_cast<QWidget *>(m_list), static_cast<QWidget *>(m_leftShadow), static_cast<QWidget *>(m_rightShadow)})
        child->setGeometry(child->x(), ListTop, child->width(), listHeight);
    m_bg->resize(frame.size());
    setFixedSize(frame.size());
}
