#pragma once

#include <QFont>
#include <QPen>
#include <QStyledItemDelegate>

// A name and its value on one 40-pixel row with a line under it.
class ListItem2ColumnDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ListItem2ColumnDelegate(int nameWidth, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    static constexpr int ValueRole = 55;

    QPen m_textPen;
    QPen m_linePen;
    int m_nameWidth;
    QFont m_nameFont;
    QFont m_valueFont;
};
