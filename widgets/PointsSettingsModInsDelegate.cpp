#include "widgets/PointsSettingsModInsDelegate.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPainter>

namespace {

constexpr int RowStep = 25;
constexpr int NameRole = 116;
constexpr int NameLineLength = 20;

} // namespace

PointsSettingsModInsDelegate::PointsSettingsModInsDelegate(QObject *parent)
    : QAbstractItemDelegate(parent)
    , m_frame(QStringLiteral("../resources/Frames/AUK_80053_singlepoint_info_card.png"))
{
}

QSize PointsSettingsModInsDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(m_frame.width() + 27, option.rect.height());
}

void PointsSettingsModInsDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    const int w = m_frame.width();
    painter->save();
    painter->translate(option.rect.topLeft() + QPoint(27, (option.rect.height() - m_frame.height()) / 2));
    painter->drawPixmap(0, 0, m_frame);
    painter->setPen(PaletteRepository::lightGrey());
    for (int k = 0; k < 10; ++k)
        painter->drawLine(22, 22 + RowStep * k, w - 22, 22 + RowStep * k);
    painter->setPen(PaletteRepository::darkGrey());
    painter->setFont(FontRepository::instance()->bold15());
    // Row n of the card, 25 pixels high from y 24.
    const auto row = [w](int n) { return QRect(0, 24 + RowStep * n, w, RowStep); };
    painter->drawText(row(0), Qt::AlignCenter, index.data(33).toString());
    painter->drawText(row(1), Qt::AlignCenter, index.data(62).toString());
    const QString name = index.data(NameRole).toString();
    painter->drawText(row(3), Qt::AlignCenter, name.left(NameLineLength));
    const bool secondLine = name.size() > NameLineLength;
    if (secondLine)
        painter->drawText(row(4), Qt::AlignCenter, name.mid(NameLineLength));
    const int n = secondLine ? 6 : 5;
    painter->drawText(row(n), Qt::AlignCenter, index.data(118).toString());
    painter->drawText(row(n + 1), Qt::AlignCenter, index.data(111).toString());
    painter->drawText(row(n + 2), Qt::AlignCenter, index.data(117).toString());
    painter->restore();
}
