#include "widgets/InfoBoxDelegate.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPainter>

InfoBoxDelegate::InfoBoxDelegate(QObject *parent)
    : QItemDelegate(parent)
{
}

void InfoBoxDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    painter->setPen(PaletteRepository::darkGrey());
    painter->setFont(FontRepository::instance()->bold18());
    const int alignment = index.data(Qt::TextAlignmentRole).toInt();
    painter->drawText(option.rect.translated(0, 1), alignment | Qt::TextWordWrap,
                      index.data(Qt::DisplayRole).toString());
    painter->setPen(PaletteRepository::lightGrey());
    // Rows that run past the bottom of the box get no rule.
    if (option.rect.bottom() - painter->window().bottom() < 9)
        painter->drawLine(option.rect.topLeft(), option.rect.topRight());
    painter->restore();
}
