#include "widgets/AutoConfigDelegate.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QPainter>

namespace {

constexpr int RowStep = 25;
constexpr int EdgeShift = 23;
const int kValueRoles[] = {58, 62, 59, 60, 96};

QRect box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool isFirstRow(const QModelIndex &index)
{
    return index.row() == 0;
}

bool isLastRow(const QModelIndex &index)
{
    const QAbstractItemModel *model = index.model();
    return model && index.row() == model->rowCount(index.parent()) - 1;
}

} // namespace

AutoConfigDelegate::AutoConfigDelegate(QObject *parent)
    : RolesDelegate(parent)
    , m_titles({roleTitle(58), roleTitle(62), roleTitle(59), roleTitle(60),
                QCoreApplication::translate("AutoConfigDelegate", "_ERROR_STRINGS_STATUSTITLE")})
    , m_frame(QStringLiteral("../resources/Frames/AUK_80156_Event_info_card.png"))
{
}

// The first and the last cards are wider, so the list can scroll either of
// them to the middle.
QSize AutoConfigDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int extra = (isFirstRow(index) ? EdgeShift : 0) + (isLastRow(index) ? EdgeShift : 0);
    return QSize(m_frame.width() + extra, option.rect.height());
}

void AutoConfigDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int w = m_frame.width();
    painter->save();
    painter->translate(option.rect.topLeft()
                       + QPoint(isFirstRow(index) ? EdgeShift : 0, (option.rect.height() - m_frame.height()) / 2));
    painter->drawPixmap(0, 0, m_frame);
    painter->setPen(PaletteRepository::lightGrey());
    for (int k = 0; k < 11; ++k)
        painter->drawLine(12, 8 + RowStep * k, w - 12, 8 + RowStep * k);
    painter->setPen(PaletteRepository::darkGrey());
    painter->setFont(FontRepository::instance()->normal15());
    for (int i = 0; i < m_titles.size(); ++i)
        painter->drawText(box(12, 8 + RowStep * i, 131, 32 + RowStep * i), Qt::AlignLeft | Qt::AlignVCenter,
                          m_titles.at(i));
    painter->setFont(FontRepository::instance()->bold15());
    for (int i = 0; i < int(std::size(kValueRoles)); ++i)
        painter->drawText(box(137, 8 + RowStep * i, w - 13, 32 + RowStep * i),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data(kValueRoles[i]).toString());
    painter->restore();
}
