#include "widgets/DisablementsAndStatusListDelegate.h"

#include "widgets/FontRepository.h"

#include <QPainter>

namespace {

const QVector<int> kRoles = {58, 62, 59, 60, 80, 76};

} // namespace

DisablementsAndStatusListDelegate::DisablementsAndStatusListDelegate(QObject *parent)
    : EventListDelegate(&kRoles, parent, false, false, false)
{
}

void DisablementsAndStatusListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                              const QModelIndex &index) const
{
    painter->save();
    painter->translate(cardOrigin(option, index, 23));
    painter->drawPixmap(0, 0, frame());
    const int w = frame().width();
    painter->setPen(m_linePen);
    // The input and output rows are two rows high: no line halves them.
    for (int y : {0, 26, 52, 78, 130, 182})
        painter->drawLine(22, 29 + y, w - 22, 29 + y);
    painter->setPen(m_textPen);
    painter->setFont(FontRepository::instance()->normal15());
    QRect title(QPoint(22, 6), QPoint(w + 21, 31));
    for (const RoleColumn &column : roleColumns()) {
        if (column.role == 80) {
            title.setBottom(title.bottom() + 26);
        } else if (column.role == 76) {
            title.translate(0, 26);
        }
        painter->drawText(title.translated(0, 26 * column.column), column.title, m_titleOption);
    }
    paintRows(painter, index, false);
    painter->restore();
}
