#include "frontpanel/rbusInputPointChangePacket.h"

#include "frontpanel/RbusPacketBuffer.h"

namespace {

constexpr quint8 InputPointChangeCode = 37;
constexpr quint8 InputPointChangeSubCode = 8;
constexpr quint8 NumberBits = 0x7f;
constexpr quint8 ActiveBit = 0x80;

} // namespace

rbusInputPointChangePacket::rbusInputPointChangePacket(QSharedPointer<RbusPacketBuffer> buffer)
    : rbusBasePacket(std::move(buffer), InputPointChangeCode, InputPointChangeSubCode)
{
}

bool rbusInputPointChangePacket::addEntry(int group, int number, bool state)
{
    if (m_entries.size() >= MaximumEntries)
        return false;
    const quint8 numberBits = quint8(number) & NumberBits;
    m_entries.append({quint8(group), state ? quint8(numberBits | ActiveBit) : numberBits});
    return true;
}

void rbusInputPointChangePacket::serialise()
{
    if (m_entries.isEmpty()) {
        setInvalid();
        return;
    }
    appendHeader();
    for (const Entry &entry : qAsConst(m_entries)) {
        out().append(entry.group);
        out().append(entry.numberAndState);
    }
    out().setPacketLength();
}
