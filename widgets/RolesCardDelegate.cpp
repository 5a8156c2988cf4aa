#include "widgets/RolesCardDelegate.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>

RolesCardDelegate::RolesCardDelegate(const QString &frameFile, QObject *parent)
    : RolesDelegate(parent)
    , m_frame(QStringLiteral("../resources/Frames/") + frameFile)
{
}

QSize RolesCardDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return m_frame.size();
}

QPoint RolesCardDelegate::cardOrigin(const QStyleOptionViewItem &option, const QModelIndex &index,
                                     int oneCardShift) const
{
    const QAbstractItemModel *model = index.model();
    int shift = model && model->rowCount() == 1 ? oneCardShift : 0;
    // A view too narrow for the card and its shift would cut off the card's
    // right edge, and with it the ends of its values.
    if (const auto *view = qobject_cast<const QAbstractItemView *>(option.widget); view && shift > 0)
        shift = qBound(0, view->viewport()->width() - option.rect.left() - m_frame.width(), shift);
    return option.rect.topLeft() + QPoint(shift, 0);
}
