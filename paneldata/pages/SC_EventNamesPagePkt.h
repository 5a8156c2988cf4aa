#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 19, the names of the controller's event kinds. Body: language count
// L (1 or 2) | 16-bit first event F | 16-bit count N (at least 1) | N times
// L texts, events F to F + N - 1 counted round through 65535 to 0.
class SC_EventNamesPagePkt final : public sc_SyncPagePacket
{
public:
    SC_EventNamesPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_languages;
    quint16 m_first;
    quint16 m_count;
    QVector<QStringList> m_names;
};
