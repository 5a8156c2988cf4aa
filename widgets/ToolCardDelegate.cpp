#include "widgets/ToolCardDelegate.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPainter>

namespace {

constexpr int RowStep = 25;

QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

ToolCardDelegate::ToolCardDelegate(const QVector<int> &roles, QObject *parent)
    : RolesCardDelegate(QStringLiteral("AUK_80156_Event_info_card.png"), parent)
{
    setRoleColumns(titledColumns(roles));
}

void ToolCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int w = frame().width();
    painter->save();
    painter->translate(cardOrigin(option, index, 23));
    painter->drawPixmap(0, 0, frame());
    painter->setPen(PaletteRepository::lightGrey());
    for (int k = 0; k < 8; ++k)
        painter->drawLine(22, 22 + RowStep * k, w - 22, 22 + RowStep * k);
    painter->setPen(PaletteRepository::darkGrey());
    painter->setFont(FontRepository::instance()->normal15());
    for (const RoleColumn &column : roleColumns())
        painter->drawText(box(22, 24 + RowStep * column.column, w + 21, 48 + RowStep * column.column),
                          Qt::AlignLeft | Qt::AlignVCenter, column.title);
    painter->setFont(FontRepository::instance()->bold15());
    const QList<RoleColumn> &columns = roleColumns();
    for (int i = 0; i < columns.size(); ++i) {
        const RoleColumn &column = columns.at(i);
        const QString value = index.data(column.role).toString();
        const int c = column.column;
        if (i == columns.size() - 1)
            painter->drawText(box(162, 27 + RowStep * c, w - 26, 101 + RowStep * c),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, value);
        else
            painter->drawText(box(162, 24 + RowStep * c, w + 161, 48 + RowStep * c), Qt::AlignLeft | Qt::AlignVCenter,
                              value);
    }
    painter->restore();
}
