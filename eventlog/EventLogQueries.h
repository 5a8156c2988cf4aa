#pragma once

#include <QString>

class QDateTime;
class QSqlQuery;

// The queries over the event log that the event lists, counters and
// summaries share. The executing ones finish the caller's query, run the
// statement on it and return whether it ran; the caller reads the rows.
// A count form returns one row holding the number of matching events.
// Where an offset is given, 0 or more returns one page of rows from there
// and a negative one returns every row. Panel 255 means all panels.
namespace EventLogQueries {

inline constexpr quint8 AllPanels = 255;
inline constexpr int PageRows = 3;
// The temporary table of packed point keys that the function status list
// fills and the fault queries can be limited to.
inline constexpr char PointTable[] = "TempStatTable";

// Accept filters of the fault queries; any other value filters nothing.
enum AcceptFilter : int { AcceptedEvents = 1, UnacceptedEvents = 2 };

// Events stamped from..to, both included, newest first.
bool countEvents(QSqlQuery &query, const QDateTime &from, const QDateTime &to, int offset, bool count);
// Events of the categories in the mask (bit n for category n), newest first.
bool categoryEvents(QSqlQuery &query, quint16 categoryMask, int offset, bool unrestoredOnly, bool count, quint8 node);
// Unrestored faults; inPointTable keeps those of the points in PointTable.
bool countFilteredEvents(QSqlQuery &query, int acceptFilter, bool inPointTable, quint8 node);
bool selectFilteredEvents(QSqlQuery &query, int acceptFilter, bool inPointTable, quint8 node, int offset);
// The text of the unaccepted, unrestored events query, for the caller to
// prepare: categorySelector 0 picks the warnings (with logical addressing
// categories 1 and 6, else all but 2, 3, 4 and 8), 1 category 6, others all.
void outstandingEventsSql(bool allCategories, bool count, QString *sql, int categorySelector, quint8 node);

} // namespace EventLogQueries
