#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// How long the engine took to show its first screen, counted from the start
// of its process as the kernel records it, so the loading of the program and
// its libraries counts too.
namespace StartupTime {

// Milliseconds since the process started; empty when the system does not
// say when that was.
std::optional<qint64> sinceProcessStart();
// The start time, in clock ticks after boot, from the text of
// "/proc/<pid>/stat"; empty when the text does not hold it.
std::optional<quint64> startTicks(const QByteArray &stat);
// "Start-up: first screen shown 312 ms after the process started", or that
// the time is not known.
QString line(std::optional<qint64> milliseconds);
// Prints the line once the event loop runs with the first screen shown.
void reportWhenShown();

} // namespace StartupTime
