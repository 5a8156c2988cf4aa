#include "widgets/AUK_90064.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPainter>

namespace {

constexpr int KindRole = 186;
constexpr int AddressRole = 187;
constexpr int RowStep = 20;

const QVector<int> kStatistics = {33, 188, 189, 190, 191, 192, 193, 194, 195, 196, 197, 198, 199, AddressRole};
const QVector<int> kBlocks = {33, 200, 201};

QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

AUK_90064::AUK_90064(QObject *parent)
    : RolesCardDelegate(QStringLiteral("AUK_80156_Event_info_card.png"), parent)
{
}

void AUK_90064::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int kind = index.data(KindRole).toInt();
    if (kind != 0 && kind != 2)
        return;
    const bool statistics = kind == 0;
    const QVector<int> &roles = statistics ? kStatistics : kBlocks;
    const int w = frame().width();
    painter->save();
    painter->translate(cardOrigin(option, index, 23));
    painter->drawPixmap(0, 0, frame());
    painter->setPen(PaletteRepository::lightGrey());
    for (int k = 0; k < (statistics ? 14 : 4); ++k)
        painter->drawLine(25, 6 + RowStep * k, w - 25, 6 + RowStep * k);
    painter->setPen(PaletteRepository::darkGrey());
    const int aligned = Qt::AlignLeft | Qt::AlignVCenter;
    for (int pass = 0; pass < 2; ++pass) {
        const bool values = pass == 1;
        painter->setFont(values ? FontRepository::instance()->bold12() : FontRepository::instance()->normal12());
        const int left = values ? 147 : 25;
        for (int k = 0; k < roles.size(); ++k) {
            const int role = roles.at(k);
            const QString text = values ? index.data(role).toString() : roleTitle(role);
            // The address shares the first line, right of the panel.
            const QRect place = role == AddressRole ? box(values ? 344 : 222, 6, w + (values ? 343 : 221), 25)
                                                    : box(left, 6 + RowStep * k, w + left - 1, 25 + RowStep * k);
            painter->drawText(place, aligned, text);
        }
    }
    painter->restore();
}
