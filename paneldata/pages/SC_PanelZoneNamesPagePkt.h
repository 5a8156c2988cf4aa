#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 6, the zone names of a panel. Body: language count L (1 or 2) |
// first zone Z | count N | N times L texts, the names of zones Z to
// Z + N - 1 (at most zone 240). Part 0 replaces the panel's names.
class SC_PanelZoneNamesPagePkt final : public sc_SyncPagePacket
{
public:
    SC_PanelZoneNamesPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_languages;
    quint8 m_firstZone;
    quint8 m_count;
    QVector<QStringList> m_names;
};
