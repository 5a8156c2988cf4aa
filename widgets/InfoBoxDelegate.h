#pragma once

#include <QItemDelegate>

// Paints one cell of an info pane's tables: dark text, and a light rule
// along the top of every row that lies inside the box.
class InfoBoxDelegate final : public QItemDelegate
{
    Q_OBJECT

public:
    explicit InfoBoxDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
