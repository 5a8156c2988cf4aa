#pragma once

#include "widgets/RolesCardDelegate.h"

#include <QVector>

// A card of the log screens: one titled row per role of a fixed list on
// the event-log card frame; an information text is broken into lines.
class TitledRowCardDelegate : public RolesCardDelegate
{
    Q_OBJECT

public:
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    // The information role is left out when it is hidden.
    TitledRowCardDelegate(const QVector<int> &roles, bool hideInformation, QObject *parent);
};
