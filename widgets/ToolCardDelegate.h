#pragma once

#include "widgets/RolesCardDelegate.h"

#include <QVector>

// A card of the engineering tools: a titled row per role on the event card
// frame; the last row's value may wrap over several lines.
class ToolCardDelegate : public RolesCardDelegate
{
    Q_OBJECT

public:
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    ToolCardDelegate(const QVector<int> &roles, QObject *parent);
};
