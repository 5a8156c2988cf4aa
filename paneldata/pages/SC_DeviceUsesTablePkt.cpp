#include "paneldata/pages/SC_DeviceUsesTablePkt.h"

#include "link/SyncClient.h"
#include "paneldata/KeyOrderedDeviceUses.h"

SC_DeviceUsesTablePkt::SC_DeviceUsesTablePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &bytes = *buffer();
    const quint16 count = bytes.readUInt16();
    m_firstUse = bytes.readUInt16();
    for (int i = 0; i < count && !bytes.isBad(); ++i) {
        Use use;
        use.kind = bytes.readUInt8();
        use.deviceType = bytes.readUInt8();
        use.text = readPageText();
        m_uses.append(use);
    }
}

void SC_DeviceUsesTablePkt::handlePacketData()
{
    if (partNumber() == 0)
        client()->emitBucketCommand({BucketCmd::ClearBucket, pageId(), QString(), QString()});
    for (int i = 0; i < m_uses.size(); ++i) {
        const Use &use = m_uses.at(i);
        setBucketKey(QString::number(m_firstUse + i),
                     QStringLiteral("%1|%2|%3").arg(use.kind).arg(use.deviceType).arg(use.text));
    }
    KeyOrderedDeviceUses::instance()->updateOrderedDeviceUses();
}

void SC_DeviceUsesTablePkt::serialise()
{
    buffer()->writeLength();
}
