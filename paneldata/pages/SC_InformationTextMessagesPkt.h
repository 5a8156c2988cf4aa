#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 18, the information messages of a panel. Body: language count L |
// first message F | count N (at least 1) | N times L texts, messages F to
// F + N - 1 (at most message 100). Part 0 replaces the panel's messages.
class SC_InformationTextMessagesPkt final : public sc_SyncPagePacket
{
public:
    SC_InformationTextMessagesPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_languages;
    quint8 m_first;
    quint8 m_count;
    QVector<QStringList> m_messages;
};
