#include "widgets/LoopStatusDelegate.h"

#include <QPainter>

LoopStatusDelegate::LoopStatusDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon,
                                       const QPixmap &uncheckedIcon, QObject *parent)
    : StatusRowDelegate(rowWidth, rowHeight, checkedIcon, uncheckedIcon, parent)
{
}

void LoopStatusDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int h = option.rect.height();
    beginRow(painter, option.rect, index);
    painter->drawText(QRect(QPoint(5, 0), QPoint(242, h - 1)), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(99).toString());
    painter->drawText(QRect(QPoint(252, 0), QPoint(370, h - 1)), Qt::AlignCenter, index.data(100).toString());
    endRow(painter, option.rect, {247, 375});
}
