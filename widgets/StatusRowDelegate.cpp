#include "widgets/StatusRowDelegate.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPainter>
#include <QStyleOptionViewItem>

namespace {

constexpr int HighlightRole = 32;

} // namespace

StatusRowDelegate::StatusRowDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon,
                                     const QPixmap &uncheckedIcon, QObject *parent)
    : RolesDelegate(parent)
    , m_checkedIcon(checkedIcon)
    , m_uncheckedIcon(uncheckedIcon)
    , m_linePen(PaletteRepository::midGrey(), 1)
    , m_textFont(FontRepository::instance()->bold15())
    , m_iconWidth(qMax(checkedIcon.width(), uncheckedIcon.width()))
    , m_iconHeight(qMax(checkedIcon.height(), uncheckedIcon.height()))
    , m_rowWidth(rowWidth)
    , m_rowHeight(rowHeight)
{
}

QSize StatusRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(m_rowWidth, m_rowHeight);
}

void StatusRowDelegate::beginRow(QPainter *painter, const QRect &row, const QModelIndex &index) const
{
    const bool highlighted = index.data(HighlightRole).toBool();
    painter->save();
    painter->setPen(highlighted ? QColor(255, 255, 255) : PaletteRepository::darkGrey());
    painter->setFont(m_textFont);
    painter->translate(row.topLeft());
    painter->fillRect(QRect(0, 0, row.width(), row.height()),
                      highlighted ? PaletteRepository::darkGrey() : PaletteRepository::white());
}

void StatusRowDelegate::endRow(QPainter *painter, const QRect &row, std::initializer_list<int> columnLines) const
{
    painter->setPen(m_linePen);
    for (int x : columnLines)
        painter->drawLine(x, 0, x, row.height() - 1);
    painter->drawLine(0, row.height() - 1, row.width(), row.height() - 1);
    painter->restore();
}

const QPixmap &StatusRowDelegate::checkIcon(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool checked =
        (option.state & QStyle::State_Selected) || index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return checked ? m_checkedIcon : m_uncheckedIcon;
}
