#include "link/packets/SC_UpdateOutputPointsPkt.h"

#include "link/SC_LinkEffects.h"

namespace {

constexpr quint8 ListFollows = 0x80;
constexpr quint8 OutputKindBits = 0x07;

int ledStateOf(int functionCode)
{
    switch (functionCode) {
    case LkFunctionCode::OutputPointsOn:
        return 1;
    case LkFunctionCode::OutputPointsPulse1:
        return 2;
    case LkFunctionCode::OutputPointsPulse2:
        return 3;
    default:
        return 0;
    }
}

} // namespace

SC_UpdateOutputPointsPkt::SC_UpdateOutputPointsPkt(const QSharedPointer<SC_PacketBuffer> &received)
    : SC_LkSpeakBasePacket(received)
    , m_ledState(ledStateOf(functionCode()))
{
    SC_PacketBuffer &bytes = *buffer();
    const quint8 flags = bytes.readUInt8();
    if (!(flags & ListFollows))
        return;
    m_outputKind = flags & OutputKindBits;
    const quint8 first = bytes.readUInt8();
    const quint8 count = bytes.readUInt8();
    const QVector<quint8> list = bytes.readByteVector(quint8((count + 7) / 8));
    if (bytes.isBad())
        return;
    for (int j = 0; j < count; ++j) {
        if (list.at(j / 8) & (0x80 >> (j % 8)))
            m_points.append(quint8(first + j));
    }
}

void SC_UpdateOutputPointsPkt::handlePacketData()
{
    SC_LinkEffects *effects = SC_LinkEffects::installed();
    for (const quint8 point : qAsConst(m_points))
        effects->setOutputPointState(m_outputKind, point, m_ledState);
}

void SC_UpdateOutputPointsPkt::serialise()
{
    buffer()->writeLength();
}
