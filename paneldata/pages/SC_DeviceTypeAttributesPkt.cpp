#include "paneldata/pages/SC_DeviceTypeAttributesPkt.h"

#include "core/PointAddressKey.h"
#include "core/TCTypes.h"

#include <QDebug>

namespace {

constexpr quint16 MaximumEntries = 256;
constexpr int MaximumValues = 8;

// Eight values, each followed by '|', the missing ones 0.
QString valueText(const QVector<quint16> &values)
{
    QString text;
    for (int i = 0; i < MaximumValues; ++i)
        text += QString::number(values.value(i)) + QLatin1Char('|');
    return text;
}

} // namespace

SC_DeviceTypeAttributesPkt::SC_DeviceTypeAttributesPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                       SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_count(buffer()->readUInt16())
    , m_firstType(buffer()->readUInt8())
{
    if (m_count > MaximumEntries)
        return;
    SC_PacketBuffer &bytes = *buffer();
    for (int i = 0; i < m_count && !bytes.isBad(); ++i) {
        DeviceTypeAttributeRecord record;
        record.firstAttribute = bytes.readUInt8();
        record.secondAttribute = bytes.readUInt8();
        const quint8 valueCount = bytes.readUInt8();
        if (valueCount > MaximumValues) {
            qWarning().nospace() << "SC_DeviceTypeAttributesPkt::SC_DeviceTypeAttributesPkt"
                                 << " device type " << quint8(m_firstType + i) << " has " << valueCount
                                 << " values; the page ends before it";
            break;
        }
        for (int v = 0; v < valueCount; ++v)
            record.values.append(bytes.readUInt16());
        m_records.append(record);
    }
}

bool SC_DeviceTypeAttributesPkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && m_count <= MaximumEntries;
}

bool SC_DeviceTypeAttributesPkt::isRoutedHere() const
{
    return panelNumber() == TC::cNoPanel && partNumber() == 0;
}

void SC_DeviceTypeAttributesPkt::handlePacketData()
{
    quint8 type = m_firstType;
    for (const DeviceTypeAttributeRecord &record : qAsConst(m_records)) {
        if (type != PointAddressKey::NoDevice) {
            setBucketKey(QStringLiteral("%1|%2|%3|%4|%5")
                             .arg(type)
                             .arg(record.firstAttribute)
                             .arg(record.secondAttribute)
                             .arg(record.values.size())
                             .arg(valueText(record.values)),
                         QLatin1String("1"));
            deviceTypeAttributes().insert(type, record);
        }
        ++type;
    }
}

void SC_DeviceTypeAttributesPkt::serialise()
{
    buffer()->writeLength();
}
