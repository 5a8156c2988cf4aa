#include "widgets/ListItem2ColumnDelegate.h"

#include "link/WrapDirectional.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPainter>

ListItem2ColumnDelegate::ListItem2ColumnDelegate(int nameWidth, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_textPen(PaletteRepository::darkGrey())
    , m_linePen(PaletteRepository::midGrey(), 1)
    , m_nameWidth(nameWidth)
    , m_nameFont(FontRepository::instance()->normal15())
    , m_valueFont(FontRepository::instance()->bold15())
{
}

void ListItem2ColumnDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    const int w = option.rect.width();
    const int h = option.rect.height();
    painter->save();
    painter->setPen(m_textPen);
    painter->setFont(m_nameFont);
    painter->translate(option.rect.topLeft());
    painter->drawText(QRect(QPoint(0, 0), QPoint(m_nameWidth - 2, h - 1)),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                      wrapDirectional(index.data(Qt::DisplayRole).toString()));
    painter->setFont(m_valueFont);
    painter->drawText(QRect(QPoint(m_nameWidth, 0), QPoint(w - 1, h - 1)),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data(ValueRole).toString());
    painter->setPen(m_linePen);
    painter->drawLine(0, h - 1, w - 8, h - 1);
    painter->restore();
}

QSize ListItem2ColumnDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(10, 40);
}
