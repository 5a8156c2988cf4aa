#include "widgets/ZoneFireFaultStatusDelegate.h"

#include <QCoreApplication>
#include <QPainter>

ZoneFireFaultStatusDelegate::ZoneFireFaultStatusDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon,
                                                         const QPixmap &uncheckedIcon, QObject *parent)
    : StatusRowDelegate(rowWidth, rowHeight, checkedIcon, uncheckedIcon, parent)
{
}

void ZoneFireFaultStatusDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    const int h = option.rect.height();
    const int half = h / 2;
    beginRow(painter, option.rect, index);
    const QString zone = QCoreApplication::translate("ZoneFireFaultStatusDelegate", "_ZONE_LISTITEM") + QLatin1Char(' ')
                         + index.data(34).toString();
    painter->drawText(QRect(QPoint(5, 0), QPoint(242, half - 1)), Qt::AlignLeft | Qt::AlignVCenter, zone);
    painter->drawText(QRect(QPoint(5, half), QPoint(242, 2 * half - 1)), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->drawText(QRect(QPoint(252, 0), QPoint(306, h - 1)), Qt::AlignCenter, index.data(97).toString());
    painter->drawText(QRect(QPoint(316, 0), QPoint(370, h - 1)), Qt::AlignCenter, index.data(98).toString());
    painter->drawPixmap(385, (h - m_iconHeight) / 2, checkIcon(option, index));
    endRow(painter, option.rect, {247, 311, 375});
}
