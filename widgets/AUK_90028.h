#pragma once

#include "widgets/RolesCardDelegate.h"

// A fire as a card of the fire screen: its title on the red band, the time
// at the top and a titled row per field. In the zone view a card stands for
// a zone and the first and last fires are named.
class AUK_90028 final : public RolesCardDelegate
{
    Q_OBJECT

public:
    AUK_90028(QObject *parent, bool hideInformation, bool rbusMode, bool logicalZones, bool locationTitles);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    bool zoneView = false;

private:
    QString rowTitle(int role) const;
    QVector<int> shownRows(const QModelIndex &index) const;
    QString cardTitle(const QModelIndex &index) const;

    bool m_hideInformation;
    bool m_rbusMode;
    bool m_logicalZones;
    bool m_locationTitles;
};
