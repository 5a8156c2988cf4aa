#pragma once

#include "eventlog/EventData.h"

#include <QVector>

namespace EventLog {

// The sequence numbers the event lists show: from the last accepted fire
// reset or the oldest event kept (the oldest bound) up to the newest live
// event (the latest bound). It spans about as many numbers as the table
// keeps rows, and has wrapped when the oldest bound is above the latest.
// Every operation reports each bound it sets, in order, so the owner can
// tell its listeners once the change is stored.
class SeqNoWindow final
{
public:
    // How many sequence numbers the window spans at most.
    static constexpr int Span = 10000;

    enum class Bound { Oldest, Latest };
    struct Change
    {
        Bound bound;
        SeqNum_t value;
        bool operator==(const Change &other) const { return bound == other.bound && value == other.value; }
    };
    using Changes = QVector<Change>;

    SeqNoWindow() = default;
    SeqNoWindow(SeqNum_t oldest, SeqNum_t latest)
        : m_oldest(oldest)
        , m_latest(latest)
    {
    }

    SeqNum_t oldest() const { return m_oldest; }
    SeqNum_t latest() const { return m_latest; }
    bool isWrapped() const { return m_oldest > m_latest; }

    // Takes in a live event's number.
    void advance(SeqNum_t seqNo, Changes &changes);
    // An accepted fire reset: the window restarts at its number.
    void restartAt(SeqNum_t seqNo, Changes &changes);
    // A refused fire reset: the next live event opens a fresh window.
    void clear(Changes &changes);

private:
    void setOldest(SeqNum_t value, Changes &changes);
    void setLatest(SeqNum_t value, Changes &changes);
    bool isNewerThanLatest(SeqNum_t seqNo) const;

    SeqNum_t m_oldest = 0;
    SeqNum_t m_latest = 0;
};

} // namespace EventLog
