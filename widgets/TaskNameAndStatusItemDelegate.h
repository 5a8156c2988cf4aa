#pragma once

#include <QAbstractItemDelegate>
#include <QFont>
#include <QPixmap>
#include <QSize>

#include <memory>

// A row of a task list: the task's name and a badge of its state on the
// right (on, off, a time of day or a text).
class TaskNameAndStatusItemDelegate final : public QAbstractItemDelegate
{
    Q_OBJECT

public:
    TaskNameAndStatusItemDelegate(int rowWidth, int rowHeight, const QPixmap &badgeBackground,
                                  const QPixmap &offBadgeBackground, const QSize &iconSize, QObject *parent = nullptr);
    ~TaskNameAndStatusItemDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The badge a row shows for its status.
    QPixmap badge(const QModelIndex &index) const;

private:
    QPixmap textBadge(const QString &text) const;
    const QPixmap &onBadge() const;

    int m_rowWidth;
    int m_rowHeight;
    QPixmap m_badgeBackground;
    QPixmap m_offBadge;
    QSize m_iconSize;
    mutable std::unique_ptr<QPixmap> m_onBadge;
    QFont m_font;
};
