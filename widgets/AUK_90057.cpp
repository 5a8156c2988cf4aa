#include "widgets/AUK_90057.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPainter>

namespace {

constexpr int FullListRole = 134;
constexpr int RowStep = 25;

const QVector<int> kFullRows = {122, 123, 124, 125, 126, 127, 128, 129, 130, 131};
const QVector<int> kShortRows = {122, 123, 135, 124, 125, 127, 128, 129, 130};

} // namespace

AUK_90057::AUK_90057(QObject *parent)
    : RolesCardDelegate(QStringLiteral("AUK_80156_Event_info_card.png"), parent)
{
}

void AUK_90057::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVector<int> &roles = index.data(FullListRole).toBool() ? kFullRows : kShortRows;
    const int w = frame().width();
    painter->save();
    painter->translate(cardOrigin(option, index, 23));
    painter->drawPixmap(0, 0, frame());
    painter->setPen(PaletteRepository::lightGrey());
    for (int i = 0; i <= roles.size(); ++i)
        painter->drawLine(8, 8 + RowStep * i, w - 8, 8 + RowStep * i);
    painter->setPen(PaletteRepository::darkGrey());
    painter->setFont(FontRepository::instance()->normal15());
    for (int k = 0; k < roles.size(); ++k)
        painter->drawText(QRect(8, 8 + RowStep * k, w, RowStep), Qt::AlignLeft | Qt::AlignVCenter,
                          roleTitle(roles.at(k)));
    painter->setFont(FontRepository::instance()->bold15());
    for (int k = 0; k < roles.size(); ++k)
        painter->drawText(QRect(247, 8 + RowStep * k, w, RowStep), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(roles.at(k)).toString());
    painter->restore();
}
