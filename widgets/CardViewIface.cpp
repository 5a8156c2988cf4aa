#include "widgets/CardViewIface.h"

#include "core/SC_Timer.h"
#include "widgets/AUK_90049.h"
#include "widgets/CachedPixmap.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"
#include "widgets/TouchList.h"

#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPixmapCache>
#include <QTransform>

namespace {

constexpr int SettleMs = 3000;

QLabel *namedLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

AUK_90049 *arrow(QWidget *parent, const char *name, BaseButton::ButtonType type, int rotation)
{
    auto *button = new AUK_90049(parent);
    button->setObjectName(QLatin1String(name));
    button->setButtonType(type);
    const QPixmap icon(QStringLiteral("../resources/icons/AUK_80254_scroll_arrow_icon.png"));
    button->setIcon(icon.transformed(QTransform().rotate(rotation)));
    return button;
}

QString threeDigits(int number)
{
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

} // namespace

bool CardViewIface::s_rightToLeft = false;

CardViewIface::CardViewIface(QWidget *parent, const Layout &layout)
    : QWidget(parent)
    , m_bg(namedLabel(this, "bg", QRect(QPoint(0, 0), layout.size)))
    , m_list(new QListView(this))
    , m_leftShadow(namedLabel(this, "leftShadow", layout.leftShadow))
    , m_rightShadow(namedLabel(this, "rightShadow", layout.rightShadow))
    , m_title(namedLabel(this, "title", layout.title))
    , m_counter(namedLabel(this, "counter", layout.counter))
    , m_backButton(arrow(this, "backButton", BaseButton::HORIZONTAL_LEFT_SCROLL_BUTTON, 270))
    , m_nextButton(arrow(this, "nextButton", BaseButton::HORIZONTAL_RIGHT_SCROLL_BUTTON, 90))
    , m_settleTimer(SC_Timer::create(this))
{
    if (objectName().isEmpty())
        setObjectName(QLatin1String(layout.objectName));
    setFixedSize(layout.size);
    m_bg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setGeometry(layout.list);
    TouchList::configure(m_list, TouchList::Horizontal);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_leftShadow->setAutoFillBackground(false);
    m_rightShadow->setAutoFillBackground(false);

    m_counter->setAutoFillBackground(true);
    m_counter->setText(QStringLiteral("000/000"));
    m_counter->setAlignment(Qt::AlignCenter);
    m_counter->setFont(FontRepository::instance()->bold15());
    QPalette counterPalette = PaletteRepository::instance()->greyPalette();
    const QBrush pane(
        CachedPixmap::frame(QStringLiteral("80115_log_cntr_pane"), QStringLiteral("AUK_80115_log_counter_pane.png")));
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        counterPalette.setBrush(QPalette::ColorGroup(group), QPalette::Window, pane);
    m_counter->setPalette(counterPalette);
    m_counter->installEventFilter(this);
    m_title->setPalette(PaletteRepository::instance()->whitePalette());
    m_title->setFont(FontRepository::instance()->bold18());

    m_flicker.attachTo(m_list);
    m_flicker.setOrientation(Flicker::Horizontal);
    m_settleTimer->setSingleShot(false);
    m_settleTimer->setInterval(SettleMs);
}

CardViewIface::~CardViewIface()
{
    // A scroll still running ends when the flicker goes, after the derived
    // view is gone: nobody may hear of it then.
    m_flicker.disconnect();
    QPixmapCache::clear();
}

Flicker *CardViewIface::flicker()
{
    return &m_flicker;
}

void CardViewIface::setFixedCounter(bool fixed)
{
    m_fixedCounter = fixed;
}

void CardViewIface::setTotalCount(int total)
{
    m_totalCount = total;
}

int CardViewIface::totalCount() const
{
    return m_totalCount;
}

void CardViewIface::setCurrentIndex(int index)
{
    m_currentIndex = index;
}

int CardViewIface::currentIndex() const
{
    return m_currentIndex;
}

bool CardViewIface::fixedCounter() const
{
    return m_fixedCounter;
}

bool CardViewIface::isRightToLeft()
{
    return s_rightToLeft;
}

void CardViewIface::setRightToLeft(bool rightToLeft)
{
    s_rightToLeft = rightToLeft;
}

bool CardViewIface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_counter && event->type() == QEvent::MouseButtonRelease && !m_counter->isHidden()) {
        const QAbstractItemModel *model = m_list->model();
        if (model && model->rowCount() > 0)
            emit counterClicked();
    }
    return QWidget::eventFilter(watched, event);
}

QModelIndex CardViewIface::centreIndex() const
{
    const QRect rect = m_list->rect();
    return m_list->indexAt(QPoint((rect.left() + rect.right()) / 2, (rect.top() + rect.bottom()) / 2));
}

int CardViewIface::centreItemRow() const
{
    const QModelIndex centre = centreIndex();
    return centre.isValid() ? centre.row() : -1;
}

void CardViewIface::refreshCounter(int itemCount)
{
    m_backButton->hide();
    m_nextButton->hide();
    if (!m_fixedCounter) {
        m_totalCount = itemCount;
        m_currentIndex = centreItemRow();
    }
    const int shown = m_currentIndex + 1 < m_totalCount ? m_currentIndex + 1 : m_totalCount;
    m_counter->setText(threeDigits(shown) + QLatin1Char('/') + threeDigits(m_totalCount));
    m_nextButton->setVisible(m_currentIndex + 1 < m_totalCount);
    m_backButton->setVisible(m_currentIndex > 0);
}

void CardViewIface::toggleArrows()
{
    bool shown = false;
    if (m_nextButton->isHidden() && m_currentIndex + 1 < m_totalCount) {
        m_nextButton->show();
        shown = true;
    }
    if (m_backButton->isHidden() && m_currentIndex > 0) {
        m_backButton->show();
        shown = true;
    }
    if (!shown) {
        m_nextButton->hide();
        m_backButton->hide();
    }
}

void CardViewIface::placeArrows(const QRect &back, const QRect &next)
{
    m_backButton->setGeometry(back);
    m_nextButton->setGeometry(next);
}
