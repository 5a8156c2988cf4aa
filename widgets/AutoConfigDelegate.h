#pragma once

#include "widgets/RolesDelegate.h"

#include <QPixmap>
#include <QStringList>

// A point reported by the loop auto-configuration, as a card with its
// errors.
class AutoConfigDelegate final : public RolesDelegate
{
    Q_OBJECT

public:
    explicit AutoConfigDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QStringList m_titles;
    QPixmap m_frame;
};
