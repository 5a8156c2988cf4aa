#pragma once

#include "widgets/CounterRole.h"

#include <QAbstractItemDelegate>
#include <QFont>
#include <QList>
#include <QPen>
#include <QPixmap>
#include <QSize>

#include <memory>

// Paints one row of a selector list: the item's text, an optional counter in
// parentheses, a check icon on the right and a line under the row. A row
// marked highlighted (role 32) is drawn white on dark grey.
class SelectorItemDelegate final : public QAbstractItemDelegate
{
    Q_OBJECT

public:
    SelectorItemDelegate(int rowWidth, int rowHeight, const QPixmap &checkedIcon, const QPixmap &uncheckedIcon,
                         const QSize &iconSize, QObject *parent = nullptr);
    ~SelectorItemDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The delegate owns the role; a subclass keeps its own text.
    void setCounterRole(CounterRole *role);
    // One of the standard counters by role; any other role removes it.
    void setCounterDataRole(int role);
    void setCounterRoles(const QList<CounterRole> &roles);

    // The counter the row shows, in parentheses; empty for none.
    QString counterText(const QModelIndex &index) const;

private:
    QPen m_linePen;
    QFont m_textFont;
    QFont m_counterFont;
    int m_rowWidth;
    int m_rowHeight;
    QPixmap m_checkedIcon;
    QPixmap m_uncheckedIcon;
    QSize m_iconSize;
    QList<std::shared_ptr<CounterRole>> m_counterRoles;
};
