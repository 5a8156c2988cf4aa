#include "eventlog/SeqNoWindow.h"

namespace EventLog {

namespace {

// Sequence-number arithmetic is modulo 65536.
SeqNum_t minus(SeqNum_t value, int amount)
{
    return SeqNum_t(int(value) - amount);
}

} // namespace

void SeqNoWindow::advance(SeqNum_t seqNo, Changes &changes)
{
    const int oldest = m_oldest;
    const int latest = m_latest;
    if (oldest == 0 && latest == 0) {
        setLatest(seqNo, changes);
        setOldest(seqNo, changes);
    }
    if (m_oldest == m_latest) {
        setLatest(seqNo, changes);
        return;
    }
    if (oldest > latest && seqNo > latest) {
        if (latest - oldest + 65536 >= Span)
            setOldest(minus(seqNo, Span - 1), changes);
        setLatest(seqNo, changes);
        return;
    }
    if (oldest > latest || latest - oldest - 1 >= Span)
        setOldest(minus(seqNo, Span - 1), changes);
    if (isNewerThanLatest(seqNo))
        setLatest(seqNo, changes);
}

void SeqNoWindow::restartAt(SeqNum_t seqNo, Changes &changes)
{
    setOldest(seqNo, changes);
    setLatest(seqNo, changes);
}

void SeqNoWindow::clear(Changes &changes)
{
    setOldest(0, changes);
    setLatest(0, changes);
}

void SeqNoWindow::setOldest(SeqNum_t value, Changes &changes)
{
    m_oldest = value;
    changes.append({Bound::Oldest, value});
}

void SeqNoWindow::setLatest(SeqNum_t value, Changes &changes)
{
    m_latest = value;
    changes.append({Bound::Latest, value});
}

bool SeqNoWindow::isNewerThanLatest(SeqNum_t seqNo) const
{
    if (m_latest == 65535 || seqNo > m_latest)
        return true;
    // The controller's numbering wrapped past 65535 without this window
    // seeing 65535 itself (an event missed across a reconnection): a number
    // just past the wrap is still newer, or the window would stop moving and
    // new events would never be listed.
    return int(seqNo) + 65536 - int(m_latest) < Span;
}

} // namespace EventLog
