#include "widgets/SelectorItemDelegate.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPainter>

#include <array>

namespace {

struct StandardCounter
{
    int role;
    int width;
    char fill;
};

constexpr std::array<StandardCounter, 6> kStandardCounters = {{
    {33, 2, '0'},
    {141, 2, '0'},
    {34, 3, '0'},
    {35, 3, '0'},
    {39, 1, '0'},
    {69, 1, '-'},
}};

constexpr int HighlightRole = Qt::UserRole;
constexpr int CheckStateRole = Qt::CheckStateRole;

} // namespace

SelectorItemDelegate::SelectorItemDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon,
                                           const QPixmap &uncheckedIcon, const QSize &iconSize, QObject *parent)
    : QAbstractItemDelegate(parent)
    , m_linePen(PaletteRepository::midGrey(), 1)
    , m_textFont(FontRepository::instance()->bold15())
    , m_counterFont(FontRepository::instance()->normal15())
    , m_rowWidth(rowWidth)
    , m_rowHeight(rowHeight)
    , m_checkedIcon(checkedIcon)
    , m_uncheckedIcon(uncheckedIcon)
    , m_iconSize(iconSize)
{
}

SelectorItemDelegate::~SelectorItemDelegate() = default;

QSize SelectorItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(m_rowWidth, m_rowHeight);
}

void SelectorItemDelegate::setCounterRole(CounterRole *role)
{
    m_counterRoles.clear();
    if (role)
        m_counterRoles << std::shared_ptr<CounterRole>(role);
}

void SelectorItemDelegate::setCounterDataRole(int role)
{
    m_counterRoles.clear();
    for (const StandardCounter &counter : kStandardCounters) {
        if (counter.role == role)
            m_counterRoles << std::make_shared<CounterRole>(counter.role, counter.width, QChar(counter.fill));
    }
}

void SelectorItemDelegate::setCounterRoles(const QList<CounterRole> &roles)
{
    m_counterRoles.clear();
    for (const CounterRole &role : roles)
        m_counterRoles << std::make_shared<CounterRole>(role.role(), role.width(), role.fill());
}

QString SelectorItemDelegate::counterText(const QModelIndex &index) const
{
    QString text;
    for (const std::shared_ptr<CounterRole> &role : m_counterRoles)
        text += role->text(index);
    return text.isEmpty() ? text : QLatin1Char('(') + text + QLatin1Char(')');
}

void SelectorItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const bool highlighted = index.data(HighlightRole).toBool();
    const QColor textColour = highlighted ? PaletteRepository::white() : PaletteRepository::darkGrey();
    const QColor background = highlighted ? PaletteRepository::darkGrey() : PaletteRepository::white();
    const int width = option.rect.width();
    const int height = option.rect.height();
    painter->translate(option.rect.topLeft());
    painter->fillRect(QRect(0, 0, width, height), background);
    painter->setPen(textColour);

    int available = width - m_iconSize.width() - 10;
    const QString counter = counterText(index);
    if (!counter.isEmpty()) {
        const int counterWidth = QFontMetrics(m_counterFont).horizontalAdvance(counter);
        available -= counterWidth + 2;
        painter->setFont(m_counterFont);
        painter->drawText(QRect(QPoint(available, 0), QPoint(available + counterWidth + 1, height - 2)),
                          Qt::AlignRight | Qt::AlignVCenter, counter);
    }

    painter->setFont(m_textFont);
    painter->drawText(QRect(QPoint(5, 0), QPoint(available - 3, height - 2)),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, index.data(Qt::DisplayRole).toString());

    const bool checked =
        option.state.testFlag(QStyle::State_Selected) || index.data(CheckStateRole).toInt() == Qt::Checked;
    const QPixmap &icon = checked ? m_checkedIcon : m_uncheckedIcon;
    if (!icon.isNull())
        painter->drawPixmap(width - m_iconSize.width() - 5, (height - m_iconSize.height()) / 2, icon);

    painter->setPen(m_linePen);
    painter->drawLine(0, height - 1, width, height - 1);
    painter->restore();
}
