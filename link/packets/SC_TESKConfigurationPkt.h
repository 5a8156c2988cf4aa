#pragma once

#include "link/SC_TESKSupportPacket.h"

#include <QChar>
#include <QVector>

class SyncClient;

// The controller's engine configuration (sub-code 21). Payload after the
// sub-code (16-bit fields big-endian):
//   first language | second language | language usage | date format |
//   reserved | flags 1 | flags 2 | panel number | reset event code 1 (16) |
//   reset event code 2 (16) | first code page (16) | second code page (16) |
//   custom link 1 | custom link 2 | engineer log-out minutes |
//   then, each only when the packet holds it whole:
//   input point channel, bus address, configuration version (16) |
//   expected brand | restriction mask (16) | second restriction mask (16) |
//   letter table: languages L, point kinds T, T x L one-byte letters
// Applied once after each loss of the link; answered and followed by an
// event-log resynchronisation request every time.
class SC_TESKConfigurationPkt final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 21;
    static constexpr int FixedPayload = 20;

    SC_TESKConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint8 inputPointChannel() const { return m_inputPointChannel; }
    quint8 rbusAddress() const { return m_rbusAddress; }
    quint16 version() const { return m_version; }
    quint8 expectedBrand() const { return m_expectedBrand; }

    void handlePacketData() override;
    void serialise() override;

    // The acknowledgement: 0 when the brand the controller expects is the
    // engine's, else 1 or 2 by the engine's brand.
    static quint8 brandAnswer(quint8 expectedBrand, int engineBrand);

private:
    bool holds(int bytes) const;
    void apply();

    quint8 m_firstLanguage;
    quint8 m_secondLanguage;
    quint8 m_languageUsage;
    quint8 m_dateFormat;
    quint8 m_firstFlags;
    quint8 m_secondFlags;
    quint8 m_panelNumber;
    quint16 m_resetEventCode1;
    quint16 m_resetEventCode2;
    quint16 m_firstCodepage;
    quint16 m_secondCodepage;
    quint8 m_customLink1;
    quint8 m_customLink2;
    quint8 m_logoutMinutes;
    quint8 m_inputPointChannel = 7;
    quint8 m_rbusAddress = 255;
    quint16 m_version = 500;
    quint8 m_expectedBrand = 0;
    quint16 m_restrictionMask = 0;
    quint16 m_restrictionMaskExt = 0;
    QVector<QChar> m_letters1;
    QVector<QChar> m_letters2;
    SyncClient *m_client;
};
