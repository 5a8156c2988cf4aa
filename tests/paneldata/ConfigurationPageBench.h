#pragma once

#include "SyncPageBench.h"
#include "SyncPageBytes.h"

// Sends one page part through the protocol client and tells what the engine
// answered: 0 stored, 1 refused, 2 no handler; -1 for no answer.
class ConfigurationPageBench final
{
public:
    int receive(int page, int panel, int part, const QByteArray &body, int layout = 0,
                quint32 signature = 0x11223344)
    {
        QByteArray packet = syncPagePart(quint8(page), quint8(panel), quint8(part), signature, body);
        if (layout == 1)
            packet = inLayout1(packet);
        m_bench.receive(packet);
        const QByteArrayList sent = m_bench.takeSent();
        return sent.isEmpty() ? -1 : quint8(sent.last().back());
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
    // The same packet with the layout-1 header: the marker after the length
    // field and a reserved byte at its end.
    static QByteArray inLayout1(const QByteArray &layout0)
    {
        QByteArray packet = layout0.left(4) + char(228) + layout0.mid(4, 10) + char(0) + layout0.mid(14);
        return withLength(packet);
    }

    SyncPageBench m_bench;
};
