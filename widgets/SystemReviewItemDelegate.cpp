#include "widgets/SystemReviewItemDelegate.h"

#include "widgets/FontRepository.h"

#include <QPainter>

SystemReviewItemDelegate::SystemReviewItemDelegate(int nameWidth, QObject *parent)
    : ListItem2ColumnDelegate(nameWidth, parent)
    , m_headerBackground(QStringLiteral("../resources/Frames/AUK_80274_sys_review_tree_backgrnd.png"))
    , m_headerFont(FontRepository::instance()->italic15())
{
}

void SystemReviewItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    const QRect row = option.rect;
    const int w = row.width();
    const int h = row.height();
    const bool header = !index.parent().isValid() || index.model()->hasChildren(index);
    painter->save();
    if (header) {
        painter->setFont(m_headerFont);
        if (!m_headerBackground.isNull()) {
            const QPixmap band = m_headerBackground.scaled(w - 7, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            const QRect area = row.adjusted(10, 0, -7, 0);
            // One band per row, from the row's own corner: no seam of the
            // next tile shows.
            painter->setBrushOrigin(area.topLeft());
            painter->fillRect(area, QBrush(band));
        }
    } else {
        painter->setFont(m_nameFont);
    }
    painter->setPen(m_textPen);
    painter->translate(row.topLeft());
    painter->drawText(QRect(QPoint(18, 0), QPoint(m_nameWidth + 17, 39)), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->setFont(m_valueFont);
    painter->drawText(QRect(QPoint(m_nameWidth + 18, 0), QPoint(w - 9, 39)), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(ValueRole).toString());
    painter->setPen(m_linePen);
    painter->drawLine(10, h - 1, w - 8, h - 1);
    painter->restore();
}
