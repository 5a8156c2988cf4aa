#pragma once

#include "PacketBytes.h"
#include "SyncPageBench.h"

// Sends one page part through the protocol client and tells what the engine
// answered: 0 stored, 1 refused, 2 no handler; -1 for no answer.
class ConfigurationPageBench final
{
public:
    int receive(int page, int panel, int part, const QByteArray &body, int layout = 0, quint32 signature = 0x11223344)
    {
        return m_bench.receivePart(page, panel, part, body, layout, signature);
    }

    // Every cut of a whole packet, with its length field as it was.
    void receiveCuts(int page, int panel, int part, const QByteArray &body)
    {
        const QByteArray packet = syncPagePart(quint8(page), quint8(panel), quint8(part), 0x55, body);
        for (int cut = 1; cut < packet.size(); ++cut)
            m_bench.receive(packet.left(cut));
        m_bench.takeSent();
    }

    SyncPageBench &bench() { return m_bench; }

private:
    SyncPageBench m_bench;
};
