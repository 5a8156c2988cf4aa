#pragma once

#include "widgets/RolesCardDelegate.h"

// A walk-test summary as a card: a titled row per field, more of them
// while the walk test is fully reported.
class AUK_90057 final : public RolesCardDelegate
{
    Q_OBJECT

public:
    explicit AUK_90057(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
