#include "widgets/ReviewFrame.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"
#include "widgets/ScrollBar.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QLabel>
#include <QScrollBar>

namespace {

QLabel *imageLabel(QWidget *parent, const char *name, const QRect &geometry, const char *file)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setPixmap(QPixmap(QStringLiteral("../resources/Frames/") + QLatin1String(file)));
    return label;
}

} // namespace

ReviewFrame::ReviewFrame(QWidget *parent)
    : QWidget(parent)
    , m_bg(imageLabel(this, "bg", QRect(0, 0, 630, 342), "AUK_80166_system_review_frame.png"))
    , m_title(new QLabel(this))
    , m_scrollBar(new ScrollBar(this))
    , m_bottomShadow(
          imageLabel(this, "bottomShadow", QRect(3, 320, 624, 7), "AUK_80168_system_review_frame_shadow_bottom.png"))
    , m_topShadow(imageLabel(this, "topShadow", QRect(3, 50, 624, 7), "AUK_80167_system_review_frame_shadow_top.png"))
{
    setFixedSize(630, 342);
    m_bg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setGeometry(11, 5, 601, 40);
    m_title->setPalette(PaletteRepository::instance()->whitePalette());
    m_title->setFont(FontRepository::instance()->bold18());
    m_scrollBar->setObjectName(QStringLiteral("scrollBar"));
    m_scrollBar->setGeometry(614, 50, 16, 277);

    connect(this, &ReviewFrame::scrollUpButtonClicked, &m_flicker, &Flicker::scrollPrev);
    connect(this, &ReviewFrame::scrollDownButtonClicked, &m_flicker, &Flicker::scrollNext);
    connect(this, &ReviewFrame::scrollUpButtonHeld, &m_flicker, &Flicker::scrollUpToEnd);
    connect(this, &ReviewFrame::scrollDownButtonHeld, &m_flicker, &Flicker::scrollDownToEnd);
    connect(this, &ReviewFrame::updateScrollBarButtons, &m_flicker, &Flicker::checkScrollBarRange);
    connect(&m_flicker, &Flicker::scrollBarAtStart, this, &ReviewFrame::scrollBarAtStart);
    connect(&m_flicker, &Flicker::scrollBarAtEnd, this, &ReviewFrame::scrollBarAtEnd);
}

QString ReviewFrame::title() const
{
    return m_title->text();
}

void ReviewFrame::setTitle(const QString &title)
{
    m_title->setText(title);
}

void ReviewFrame::attachView(QAbstractItemView *view, bool aboveShadows)
{
    m_view = view;
    view->setGeometry(3, 50, 607, 277);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setProperty("showDropIndicator", false);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    if (aboveShadows)
        view->raise();
    else
        view->stackUnder(m_scrollBar);
    m_flicker.attachTo(view);
    m_flicker.setOrientation(Flicker::Vertical);
    QScrollBar *bar = view->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, &ReviewFrame::updateTopDownShadows);
    connect(bar, &QScrollBar::valueChanged, this, &ReviewFrame::updateTopDownShadows);
    connect(bar, &QScrollBar::rangeChanged, m_scrollBar, &ScrollBar::rangeChanged);
    connect(bar, &QScrollBar::valueChanged, m_scrollBar, &ScrollBar::valueChanged);
}

void ReviewFrame::followModel(QAbstractItemModel *model)
{
    if (!model)
        return;
    connect(model, &QAbstractItemModel::rowsInserted, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
    connect(model, &QAbstractItemModel::rowsRemoved, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
}

void ReviewFrame::updateTopDownShadows(int value)
{
    if (!m_view)
        return;
    const QScrollBar *bar = m_view->verticalScrollBar();
    m_topShadow->setVisible(value != bar->minimum());
    m_bottomShadow->setVisible(value != bar->maximum());
}
