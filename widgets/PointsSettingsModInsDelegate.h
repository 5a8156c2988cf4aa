#pragma once

#include <QAbstractItemDelegate>
#include <QPixmap>

// A point that the point settings will modify or insert, as a card.
class PointsSettingsModInsDelegate final : public QAbstractItemDelegate
{
    Q_OBJECT

public:
    explicit PointsSettingsModInsDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QPixmap m_frame;
};
