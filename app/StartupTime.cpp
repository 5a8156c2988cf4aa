#include "app/StartupTime.h"

#include <QFile>
#include <QList>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// The start time is the 22nd field; the second, the program's name in
// brackets, may itself hold blanks and brackets, so fields are counted
// after its last closing bracket, where the third field begins.
constexpr int StartTimeAfterName = 22 - 3;

} // namespace

namespace StartupTime {

std::optional<quint64> startTicks(const QByteArray &stat)
{
    const int nameEnd = stat.lastIndexOf(')');
    if (nameEnd < 0)
        return std::nullopt;
    const QList<QByteArray> fields = stat.mid(nameEnd + 1).simplified().split(' ');
    if (fields.size() <= StartTimeAfterName)
        return std::nullopt;
    bool ok = false;
    const quint64 ticks = fields.at(StartTimeAfterName).toULongLong(&ok);
    return ok ? std::optional<quint64>(ticks) : std::nullopt;
}

std::optional<qint64> sinceProcessStart()
{
    QFile file(QStringLiteral("/proc/self/stat"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<quint64> ticks = startTicks(file.read(4096));
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!ticks || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::nullopt;
    const qint64 nowMs = qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    const qint64 startMs = qint64(*ticks * 1000 / quint64(ticksPerSecond));
    return nowMs - startMs;
}

QString line(std::optional<qint64> milliseconds)
{
    if (!milliseconds)
        return QStringLiteral("Start-up: first screen shown; the process start time is not known");
    return QStringLiteral("Start-up: first screen shown %1 ms after the process started").arg(*milliseconds);
}

void reportWhenShown()
{
    QTimer::singleShot(0, [] {
        std::fputs(qPrintable(line(sinceProcessStart()) + QLatin1Char('\n')), stdout);
        std::fflush(stdout);
    });
}

} // namespace StartupTime
