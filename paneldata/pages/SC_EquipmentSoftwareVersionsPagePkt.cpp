#include "paneldata/pages/SC_EquipmentSoftwareVersionsPagePkt.h"

#include "core/ChannelConversion.h"
#include "paneldata/SWVersions.h"

SC_EquipmentSoftwareVersionsPagePkt::SC_EquipmentSoftwareVersionsPagePkt(
    const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &in = *buffer();
    const quint8 count = in.readUInt8();
    m_equipment.reserve(count);
    for (int i = 0; i < count && !in.isBad(); ++i) {
        EquipmentRecord record;
        record.firstAddressByte = in.readUInt8();
        record.secondAddressByte = in.readUInt8();
        if (layoutKind() == 0) {
            const auto channel = numericalToChannelAddress(record.firstAddressByte, record.secondAddressByte);
            record.firstAddressByte = channel.first;
            record.secondAddressByte = channel.second;
        }
        record.kind = in.readUInt8();
        record.subKind = in.readUInt8();
        const quint8 versions = in.readUInt8();
        for (int v = 0; v < versions && !in.isBad(); ++v) {
            VersionRecord version;
            version.versionKind = in.readUInt8();
            version.major = in.readUInt8();
            version.minor = in.readUInt8();
            version.build = in.readUInt8();
            version.buildTime = in.readUInt32();
            record.versions.append(version);
        }
        m_equipment.append(record);
    }
}

bool SC_EquipmentSoftwareVersionsPagePkt::isRoutedHere() const
{
    return isTablePanel();
}

void SC_EquipmentSoftwareVersionsPagePkt::handlePacketData()
{
    SWVersions *versions = SWVersions::instance();
    const quint8 panel = panelNumber();
    versions->clearPanel(panel);
    for (const EquipmentRecord &record : qAsConst(m_equipment))
        versions->addEquipment(panel, record.kind, record.subKind, record.firstAddressByte, record.secondAddressByte,
                               record.versions);
}

void SC_EquipmentSoftwareVersionsPagePkt::serialise()
{
    buffer()->writeLength();
}
