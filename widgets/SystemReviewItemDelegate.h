#pragma once

#include "widgets/ListItem2ColumnDelegate.h"

#include <QPixmap>

// The rows of the system-review tree: a group's header row on a textured
// band with an italic name, its entries as plain name-and-value rows.
class SystemReviewItemDelegate final : public ListItem2ColumnDelegate
{
    Q_OBJECT

public:
    explicit SystemReviewItemDelegate(int nameWidth, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QPixmap m_headerBackground;
    QFont m_headerFont;
};
