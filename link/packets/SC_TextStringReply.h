#pragma once

#include "core/ChannelAddress.h"
#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

#include <QString>

class SyncClient;

// A point's or a zone's text the engine asked for (function code 152).
// Payload: flags (bit 0 a point text follows, bit 1 a zone text, bit 6 a
// panel byte ends the packet, bit 7 the second language), then
//   point: channel kind, channel address (numerical in layout 0) |
//          channel number | point | two bytes not used | length, text
//   zone:  zone | length, text
//   panel
// Without the panel byte the texts are the sending panel's: the header's
// source node.
class SC_TextStringReply final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::TextStringReply;

    SC_TextStringReply(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    // The texts' language (1 or 2), which also picks their code page.
    int textLanguage() const;

    quint8 m_flags;
    ChannelAddress m_channel;
    quint8 m_point = 0;
    QString m_pointText;
    quint8 m_zone = 0;
    QString m_zoneText;
    quint8 m_panel;
    SyncClient *m_client;
};
