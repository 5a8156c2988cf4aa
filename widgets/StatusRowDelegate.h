#pragma once

#include "widgets/RolesDelegate.h"

#include <QFont>
#include <QPen>
#include <QPixmap>

// Base of the fixed-column rows of the status summaries: white rows, dark
// grey when highlighted, with column lines and a line under each row.
class StatusRowDelegate : public RolesDelegate
{
    Q_OBJECT

public:
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    StatusRowDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon, const QPixmap &uncheckedIcon,
                      QObject *parent);

    // Saves the painter, moves it to the row's corner, fills the row and
    // sets the pen and font of its texts.
    void beginRow(QPainter *painter, const QRect &row, const QModelIndex &index) const;
    // Draws the column lines and the line under the row, and restores.
    void endRow(QPainter *painter, const QRect &row, std::initializer_list<int> columnLines) const;
    // The check icon of a row: checked when selected or checked.
    const QPixmap &checkIcon(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    QPixmap m_checkedIcon;
    QPixmap m_uncheckedIcon;
    QPen m_linePen;
    QFont m_textFont;
    int m_iconWidth;
    int m_iconHeight;
    int m_rowWidth;
    int m_rowHeight;
};
