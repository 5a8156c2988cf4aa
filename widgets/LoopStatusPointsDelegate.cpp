#include "widgets/LoopStatusPointsDelegate.h"

#include <QPainter>

LoopStatusPointsDelegate::LoopStatusPointsDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon,
                                                   const QPixmap &uncheckedIcon, QObject *parent)
    : StatusRowDelegate(rowWidth, rowHeight, checkedIcon, uncheckedIcon, parent)
    , m_tickIcon(QStringLiteral("../resources/icons/AUK_80236_tick.png"))
    , m_crossIcon(QStringLiteral("../resources/icons/AUK_80237_cross.png"))
{
}

QString LoopStatusPointsDelegate::pointAddress(const QModelIndex &index)
{
    QString address = index.data(39).toString();
    if (index.data(40).toUInt() != 0 && !index.data(36).toBool()) {
        address.chop(1);
        address += QLatin1Char(',') + index.data(41).toString() + QLatin1Char(' ');
    } else if (address.endsWith(QChar(0))) {
        address.chop(1);
    }
    // One substitution for all three: a "%" in the controller's text stays
    // as it is.
    return QStringLiteral("%1 %2%3").arg(QStringLiteral("%1").arg(index.data(33).toUInt(), 2, 10, QLatin1Char('0')),
                                         address,
                                         QStringLiteral("%1").arg(index.data(35).toUInt(), 3, 10, QLatin1Char('0')));
}

void LoopStatusPointsDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    const int h = option.rect.height();
    beginRow(painter, option.rect, index);
    painter->drawText(QRect(QPoint(5, 0), QPoint(115, h - 1)), Qt::AlignLeft | Qt::AlignVCenter, pointAddress(index));
    const int cells[] = {120, 200};
    const int roles[] = {103, 104};
    for (int i = 0; i < 2; ++i) {
        const QPixmap &icon = index.data(roles[i]).toBool() ? m_tickIcon : m_crossIcon;
        painter->drawPixmap(cells[i] + (80 - icon.width()) / 2, (h - m_iconHeight) / 2, icon);
    }
    endRow(painter, option.rect, {120, 200, 280});
}
