#pragma once

#include "paneldata/sc_SyncPagePacket.h"

#include <QByteArray>

class SyncClient;

// Page 1, the site configuration fingerprint. Body: 0-1 length n | n bytes.
// The engine keeps only the part's signature, to report it back.
class SC_SiteConfigurationFingerprintPkt final : public sc_SyncPagePacket
{
public:
    SC_SiteConfigurationFingerprintPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    const QByteArray &fingerprint() const { return m_fingerprint; }

    void handlePacketData() override;
    void serialise() override;

private:
    QByteArray m_fingerprint;
};
