#pragma once

#include "core/SC_Singleton.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class SC_Timer;

// Panel time: the controller counts whole seconds since 1992-01-01 00:00:00
// (panel seconds). DateTime converts them, keeps the engine's picture of the
// panel clock as an offset from the PC clock, and once a second gives the
// page headers the panel's time and, when it changed, its date.
class DateTime final
    : public QObject
    , public SC_Singleton<DateTime>
{
    Q_OBJECT

public:
    static constexpr qint64 PanelEpoch = 694224000;

    // Seconds since the Unix epoch; tests put a fixed clock in.
    using Clock = qint64 (*)();

    // The controller's current time. Differences of up to 2 seconds from
    // the PC clock are taken as jitter and keep the offset.
    static void setPanelTime(qint64 panelSeconds);
    static QDateTime panelDateTime();
    static qint64 offset();

    static QDateTime fromPanelSeconds(quint32 panelSeconds);
    static quint32 toPanelSeconds(const QDateTime &value);

    static QString fireInfoDateTime(qint64 panelSeconds);
    static QString monthName(int month);
    static QString formatDate(const QDateTime &value);
    static QString formatDateTime(const QDateTime &value, const QString &format);

    static void setClock(Clock clock);
    static void resetOffset();

public slots:
    void clientUpdater();

signals:
    void UI_UpdateTime(QString time);
    void UI_UpdateDate(QString date);

private:
    friend class SC_Singleton<DateTime>;

    DateTime();

    SC_Timer *m_timer;
};
