#pragma once

#include "widgets/EventListDelegate.h"

// A point of the point and function status lists as a card: its states,
// analogue values and, in the long form, its last test date.
class SystemStatusListDelegate final : public EventListDelegate
{
    Q_OBJECT

public:
    SystemStatusListDelegate(bool longList, bool eventLogFrame, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void paintValue(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const override;
    void paintIoState(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const override;
};
