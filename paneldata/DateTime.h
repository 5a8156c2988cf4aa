#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// Panel time: the controller counts whole seconds since 1992-01-01 00:00:00
// (panel seconds). DateTime converts them and keeps the engine's picture of
// the panel clock as an offset from the PC clock.
class DateTime final : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 PanelEpoch = 694224000;

    // Seconds since the Unix epoch; tests put a fixed clock in.
    using Clock = qint64 (*)();

    static DateTime *instance();

    // The controller's current time. Differences of up to 2 seconds from
    // the PC clock are taken as jitter and keep the offset.
    static void setPanelTime(qint64 panelSeconds);
    static QDateTime panelDateTime();
    static qint64 offset();

    static QDateTime fromPanelSeconds(quint32 panelSeconds);
    static quint32 toPanelSeconds(const QDateTime &value);

    static QString fireInfoDateTime(qint64 panelSeconds);
    static QString monthName(int month);

    static void setClock(Clock clock);
    static void resetOffset();

private:
    DateTime() = default;
};
