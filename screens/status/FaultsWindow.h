#pragma once

#include <QtGlobal>

class AUK_90022;
class EventLogQueryModel;

// The faults list of a summary read a window at a time: the card view is
// told the total apart, the model holds the rows from the window's start,
// and the view's counter shows the position in the whole list.
class FaultsWindow final
{
public:
    // The first row of the window, plus one; 0 at the start.
    int offset() const { return m_offset; }
    void setOffset(int offset) { m_offset = offset; }
    // Moves the window by the cards the view scrolled over; false when it
    // did not move.
    bool scrolled(int from, int to);

    // Counts the faults, reads the window into the model and places the
    // view on it. Returns the total.
    int reload(EventLogQueryModel &model, AUK_90022 *view, int faultsLevel, bool inPointTable, quint8 node);

private:
    int m_offset = 0;
};
