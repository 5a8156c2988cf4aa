#include "paneldata/pages/SC_IRModeSummaryPkt.h"

#include "paneldata/IRserviceHandler.h"

namespace {

constexpr quint8 LastMode = 2;
constexpr int WordLoops = 16;

} // namespace

SC_IRModeSummaryPkt::SC_IRModeSummaryPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_mode(buffer()->readUInt8())
    , m_loopWord(buffer()->readUInt16())
    , m_value(buffer()->readUInt16())
    , m_loops(IRserviceHandler::LoopBits)
{
    if (hasOptionalField()) {
        SC_PacketBuffer &bytes = *buffer();
        const quint8 firstLoop = bytes.readUInt8();
        const quint8 count = bytes.readUInt8();
        const QBitArray field = bytes.readBitArray(firstLoop, count);
        for (int loop = 0; loop < IRserviceHandler::LoopBits; ++loop)
            m_loops.setBit(loop, field.testBit(loop));
        return;
    }
    for (int i = 0; i < WordLoops; ++i)
        m_loops.setBit(i + 1, m_loopWord & (1u << i));
}

bool SC_IRModeSummaryPkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && m_mode <= LastMode;
}

void SC_IRModeSummaryPkt::handlePacketData()
{
    IRserviceHandler::instance()->updateMode(panelNumber(), m_mode, m_value, m_loops);
}

void SC_IRModeSummaryPkt::serialise()
{
    buffer()->writeLength();
}
