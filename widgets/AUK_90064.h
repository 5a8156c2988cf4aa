#pragma once

#include "widgets/RolesCardDelegate.h"

// The statistics of a front-panel bus device as a card, or its block
// counts; an item of any other kind is not drawn.
class AUK_90064 final : public RolesCardDelegate
{
    Q_OBJECT

public:
    explicit AUK_90064(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
