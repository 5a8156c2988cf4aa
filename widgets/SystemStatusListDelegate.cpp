#include "widgets/SystemStatusListDelegate.h"

#include "widgets/FontRepository.h"

#include <QPainter>

namespace {

constexpr int RowStep = 25;
constexpr int OneCardShift = 27;

const QVector<int> kLongRoles = {58, 62, 59, 60, 61, 80, 76, 84, 90, 87, 93, 145};
const QVector<int> kShortRoles = {58, 62, 59, 60, 61, 80, 76, 84, 90, 87, 93};

QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

SystemStatusListDelegate::SystemStatusListDelegate(bool longList, bool eventLogFrame, QObject *parent)
    : EventListDelegate(longList ? &kLongRoles : &kShortRoles, parent, false, false, eventLogFrame)
{
    m_titleOption.setWrapMode(QTextOption::NoWrap);
}

void SystemStatusListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    const int w = frame().width();
    painter->save();
    painter->translate(cardOrigin(option, index, OneCardShift));
    painter->drawPixmap(0, 0, frame());
    painter->setPen(m_linePen);
    for (int k = 0; k < 10; ++k)
        painter->drawLine(22, 28 + RowStep * k, w - 22, 28 + RowStep * k);
    painter->setPen(m_textPen);
    painter->setFont(FontRepository::instance()->normal15());
    for (const RoleColumn &column : roleColumns())
        painter->drawText(box(22, 4 + RowStep * column.column, 101, 28 + RowStep * column.column), column.title,
                          m_titleOption);
    paintRows(painter, index, true);
    painter->restore();
}

void SystemStatusListDelegate::paintValue(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const
{
    painter->save();
    painter->setPen(m_textPen);
    painter->setFont(FontRepository::instance()->bold15());
    painter->drawText(QRect(102, 4 + RowStep * column.column, frame().width() - 80, RowStep),
                      index.data(column.role).toString(), m_titleOption);
    painter->restore();
}

void SystemStatusListDelegate::paintIoState(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const
{
    const int d = (frame().width() - 102) / 3;
    const int top = 4 + RowStep * column.column;
    painter->save();
    painter->setPen(m_textPen);
    painter->setFont(FontRepository::instance()->bold15());
    for (int part = 0; part < 3; ++part)
        painter->drawText(box(102 + d * part, top, 101 + d * (part + 1), top + 24),
                          index.data(column.role + 1 + part).toString(), m_centredOption);
    painter->setPen(m_linePen);
    for (int part = 1; part < 3; ++part)
        painter->drawLine(102 + d * part, top, 102 + d * part, top + 25);
    painter->restore();
}
