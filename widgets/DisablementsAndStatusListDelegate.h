#pragma once

#include "widgets/EventListDelegate.h"

// A disabled point with the states of its input and output, each over two rows.
class DisablementsAndStatusListDelegate final : public EventListDelegate
{
    Q_OBJECT

public:
    explicit DisablementsAndStatusListDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
