#include "widgets/TitledRowCardDelegate.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"
#include "widgets/TextLines.h"

#include <QPainter>

namespace {

constexpr int InformationRole = 64;
constexpr int RowStep = 26;

QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QVector<int> shownRoles(QVector<int> roles, bool hideInformation)
{
    if (hideInformation)
        roles.removeAll(InformationRole);
    return roles;
}

} // namespace

TitledRowCardDelegate::TitledRowCardDelegate(const QVector<int> &roles, bool hideInformation, QObject *parent)
    : RolesCardDelegate(QStringLiteral("AUK_80153_eventlog_info_card.png"), parent)
{
    setRoleColumns(titledColumns(shownRoles(roles, hideInformation)));
}

void TitledRowCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int w = frame().width();
    painter->save();
    painter->translate(option.rect.topLeft());
    painter->drawPixmap(0, 0, frame());
    painter->setPen(PaletteRepository::darkGrey());
    painter->setFont(FontRepository::instance()->normal15());
    for (const RoleColumn &column : roleColumns())
        painter->drawText(box(12, 12 + RowStep * column.column, 156, 37 + RowStep * column.column), column.title,
                          QTextOption());
    int drawn = 0;
    for (const RoleColumn &column : roleColumns()) {
        const int c = column.column;
        if (column.role == InformationRole) {
            painter->setFont(FontRepository::instance()->bold12());
            painter->drawText(box(157, 7 + RowStep * c, w - 6, 91 + RowStep * c),
                              cutIntoLines(index.data(column.role).toString(), 20), QTextOption());
        } else {
            painter->setFont(FontRepository::instance()->bold15());
            painter->drawText(box(157, 12 + RowStep * c, w - 6, 36 + RowStep * c), index.data(column.role).toString(),
                              QTextOption());
        }
        ++drawn;
    }
    painter->setPen(PaletteRepository::lightGrey());
    for (int k = 1; k < drawn; ++k)
        painter->drawLine(12, 6 + RowStep * k, w - 12, 6 + RowStep * k);
    painter->restore();
}
