#include "widgets/RolesCardDelegate.h"

#include <QAbstractItemModel>

RolesCardDelegate::RolesCardDelegate(const QString &frameFile, QObject *parent)
    : RolesDelegate(parent)
    , m_frame(QStringLiteral("../resources/Frames/") + frameFile)
{
}

QSize RolesCardDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return m_frame.size();
}

QPoint RolesCardDelegate::cardOrigin(const QStyleOptionViewItem &option, const QModelIndex &index, int oneCardShift)
{
    const QAbstractItemModel *model = index.model();
    const bool alone = model && model->rowCount() == 1;
    return option.rect.topLeft() + QPoint(alone ? oneCardShift : 0, 0);
}
