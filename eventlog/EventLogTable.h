#pragma once

#include "eventlog/EventData.h"

#include <QString>

class QSqlQuery;
class SqliteStatement;

// The table that holds the event log: its name, its columns and how an
// event fills a row. Every statement on the table takes its name from here.
namespace EventLogTable {

inline constexpr char name[] = "EventLog";

// "CREATE TABLE IF NOT EXISTS EventLog (seqNo INTEGER PRIMARY KEY,...)"
QString createStatement();
QString indexStatement();
// The lists page through the log newest first; without this index every
// page of a full log sorts all of it.
QString timeIndexStatement();
// "INSERT OR REPLACE INTO EventLog (...) VALUES (?,...);", one placeholder
// per column, bound by bindEvent in column order.
QString insertStatement();
// The same insert that leaves a stored row of the same number as it is and
// inserts nothing.
QString insertNewStatement();
void bindEvent(QSqlQuery &query, const EventLog::EventData &event);
void bindEvent(SqliteStatement &statement, const EventLog::EventData &event);

} // namespace EventLogTable
