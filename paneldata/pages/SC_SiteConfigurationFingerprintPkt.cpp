#include "paneldata/pages/SC_SiteConfigurationFingerprintPkt.h"

#include <algorithm>

SC_SiteConfigurationFingerprintPkt::SC_SiteConfigurationFingerprintPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                                       SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &bytes = *buffer();
    int left = bytes.readUInt16();
    while (left > 0 && !bytes.isBad()) {
        const quint8 chunk = quint8(std::min(left, 255));
        for (quint8 byte : bytes.readByteVector(chunk))
            m_fingerprint.append(char(byte));
        left -= chunk;
    }
}

void SC_SiteConfigurationFingerprintPkt::handlePacketData()
{
}

void SC_SiteConfigurationFingerprintPkt::serialise()
{
    buffer()->writeLength();
}
