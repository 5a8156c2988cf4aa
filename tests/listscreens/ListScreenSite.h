#pragma once

#include <QList>
#include <QString>

// A small panel network scripted into the configuration singletons for the
// selector tests: named panels with points in zones, logical zones, and the
// map of the panels that do not answer this one (panel 0).
namespace ListScreenSite {

// Empties everything first; the panels get the names "Panel <n> <place>".
void build(const QList<quint8> &panels);
void addZonePoints(quint8 panel, const QList<quint8> &zones);
void nameZone(quint8 panel, quint8 zone, const QString &name);
void addLogicalZone(quint8 panel, quint8 zone, quint16 logicalZone);
// Writes the not-responding map; tell() also announces it as a page would.
void setSilent(const QList<quint8> &panels);
void tellSilentChanged();
void setNetworkPanels(const QList<quint8> &panels);

} // namespace ListScreenSite
