#pragma once

#include "eventlog/EventData.h"

#include <QString>

class QSqlQuery;

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
void bindEvent(QSqlQuery &query, const EventLog::EventData &event);

} // namespace EventLogTable
