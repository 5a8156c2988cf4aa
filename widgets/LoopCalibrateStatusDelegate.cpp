#include "widgets/LoopCalibrateStatusDelegate.h"

#include "widgets/PanelIcon.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

constexpr int FirstLoopRole = 38;
constexpr int SecondLoopRole = 40;
constexpr int FirstStatusRole = 137;
constexpr int SecondStatusRole = 138;

bool bothLoops(const QModelIndex &index)
{
    return index.data(SecondLoopRole).toInt() != 0 && index.data(FirstLoopRole).toInt() != 0;
}

} // namespace

LoopCalibrateStatusDelegate::LoopCalibrateStatusDelegate(int rowWidth, int rowHeight, QObject *parent)
    : StatusRowDelegate(rowWidth, rowHeight, QPixmap(QStringLiteral("../resources/images/AUK_80131_Check_on.png")),
                        QPixmap(QStringLiteral("../resources/images/AUK_80130_Check_off.png")), parent)
    , m_doubleRowHeight(rowHeight + 20)
    , m_tickIcon(panelIcon("AUK_80236_tick.png"))
    , m_crossIcon(panelIcon("AUK_80237_cross.png"))
    , m_resyncIcon(panelIcon("AUK_80269_resync.png"))
    , m_unknownIcon(panelIcon("AUK_80270_unknown.png"))
    , m_calibrationFaultIcon(panelIcon("AUK_80306_calibration_fault.png"))
    , m_notPart13Icon(panelIcon("AUK_80305_not_part_13.png"))
{
}

QSize LoopCalibrateStatusDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    return QSize(m_rowWidth, bothLoops(index) ? m_doubleRowHeight : m_rowHeight);
}

const QPixmap &LoopCalibrateStatusDelegate::statusIcon(int status) const
{
    switch (status) {
    case 0:
        return m_crossIcon;
    case 1:
        return m_resyncIcon;
    case 2:
        return m_tickIcon;
    case 5:
        return m_calibrationFaultIcon;
    case 6:
        return m_notPart13Icon;
    default:
        return m_unknownIcon;
    }
}

void LoopCalibrateStatusDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    const int h = option.rect.height();
    const bool first = index.data(FirstLoopRole).toInt() != 0;
    const bool second = index.data(SecondLoopRole).toInt() != 0;
    const QString loop = QCoreApplication::translate("LoopCalibrateStatusDelegate", "_LOOP_247_36_BODYTEXTSTYLE");
    QString text = loop;
    if (first && second)
        text += QLatin1Char(' ') + index.data(39).toString() + QStringLiteral("\n\n") + loop + QLatin1Char(' ')
                + index.data(41).toString() + QLatin1Char(' ');
    else if (first)
        text += QLatin1Char(' ') + index.data(39).toString();
    else if (second)
        text += QLatin1Char(' ') + index.data(41).toString();

    beginRow(painter, option.rect, index);
    painter->drawText(QRect(QPoint(5, 0), QPoint(242, h - 1)), Qt::AlignLeft | Qt::AlignVCenter, text);
    const QPixmap &firstIcon = statusIcon(index.data(FirstStatusRole).toInt());
    const QPixmap &secondIcon = statusIcon(index.data(SecondStatusRole).toInt());
    const int x = 247 + (128 - firstIcon.width()) / 2;
    if (first && second) {
        painter->drawPixmap(x, h - m_iconHeight - 34, firstIcon);
        painter->drawPixmap(x, h - m_iconHeight - 4, secondIcon);
    } else if (first || second) {
        painter->drawPixmap(x, (h - m_iconHeight) / 2, first ? firstIcon : secondIcon);
    }
    painter->drawPixmap(385, (h - m_iconHeight) / 2, checkIcon(option, index));
    endRow(painter, option.rect, {247, 375});
}
