#pragma once

#include <QAtomicInt>

// The packets the link thread has handed to the screen thread and the
// screen thread has not handled yet. The link stops reading its socket while
// the backlog is full, so a controller (or anyone who connects) that sends
// faster than the screen thread handles is held back by TCP instead of
// filling the engine's memory and starving the screen thread's timers.
// Shared by the two threads; nothing else of the link is. Only a receiver
// that counts what it handles bounds the backlog: without one (a benchmark,
// a test of the link alone) nothing would ever drain it.
//
// Reading resumes once the screen thread has taken the backlog down to half
// its limit, not one below it: the link then hands over many packets at
// once, which the screen thread handles as one read (its live events in one
// transaction), instead of one packet per resumption.
class SC_ReceiveBacklog final
{
public:
    static constexpr int Limit = 256;
    static constexpr int ResumeAt = Limit / 2;

    // Screen thread, before the receiver takes its first packet.
    void attachReceiver()
    {
        m_waiting.storeRelease(0);
        m_attached.storeRelease(1);
    }

    // Link thread.
    void added() { m_waiting.fetchAndAddOrdered(1); }
    bool isFull() const { return m_attached.loadAcquire() != 0 && m_waiting.loadAcquire() >= Limit; }

    // Screen thread, once per packet handled. True when this one takes the
    // backlog down to ResumeAt: the link, stopped at the limit since it was
    // last this low, may read again. Every stop is followed by such a
    // packet, as the screen thread works through the packets before it.
    bool handled() { return m_waiting.fetchAndAddOrdered(-1) == ResumeAt + 1; }

private:
    QAtomicInt m_waiting;
    QAtomicInt m_attached;
};
