#pragma once

#include "frontpanel/rbusBasePacket.h"

#include <QVector>

// Inputs of the panel front (keys) pressed or released, 1 to 10 of them.
// Body: per entry the group byte (0, 1 or 2), then the input number in
// bits 0-6 with bit 7 set while the input is active.
class rbusInputPointChangePacket final : public rbusBasePacket
{
public:
    static constexpr int MaximumEntries = 10;

    explicit rbusInputPointChangePacket(QSharedPointer<RbusPacketBuffer> buffer);

    // False, adding nothing, once the packet holds its ten entries.
    bool addEntry(int group, int number, bool state);
    void serialise() override;

private:
    struct Entry
    {
        quint8 group;
        quint8 numberAndState;
    };

    QVector<Entry> m_entries;
};
