#include "DbSignalLog.h"

DbSignalLog::DbSignalLog(EL_EventLogDBbase *db)
{
    using DB = EL_EventLogDBbase;
    const auto record = [this](const char *name) { return [this, name] { log << QLatin1String(name); }; };
    connect(db, &DB::updatedSeqNoByFireReset, this,
            [this](EventLog::SeqNum_t seqNo) { log << QStringLiteral("reset%1").arg(seqNo); });
    connect(db, &DB::updatedCurrResetOrOldestSeqNo, this,
            [this](EventLog::SeqNum_t seqNo) { log << QStringLiteral("B%1").arg(seqNo); });
    connect(db, &DB::updatedlatestCurrSeqNo, this,
            [this](EventLog::SeqNum_t seqNo) { log << QStringLiteral("L%1").arg(seqNo); });
    connect(db, &DB::updatedWarnings, this, record("warnings"));
    connect(db, &DB::updatedFaults, this, record("faults"));
    connect(db, &DB::updatedFires, this, record("fires"));
    connect(db, &DB::updatedDisablements, this, record("disablements"));
    connect(db, &DB::eventLogUpdated, this, record("logUpdated"));
    connect(db, &DB::outstandingEventsUpdated, this, record("outstanding"));
    connect(db, &DB::clearOutstandingEventsOnReset, this, record("clearOnReset"));
    connect(db, qOverload<const EventLog::EventData *>(&DB::outstandingEventSettled), this,
            [this](const EventLog::EventData *event) { log << QStringLiteral("settled%1").arg(event->seqNo); });
    connect(db, &DB::newEventLogRegistered, this,
            [this](const EventLog::EventData *event) { log << QStringLiteral("new%1").arg(event->seqNo); });
    connect(db, &DB::staleDBInLog, this, record("stale"));
    connect(db, &DB::resyncHistoricLog, this, record("resync"));
}

namespace {

bool isBound(const QString &name)
{
    return name.size() > 1 && (name.startsWith('B') || name.startsWith('L')) && name.at(1).isDigit();
}

} // namespace

QStringList DbSignalLog::categories() const
{
    QStringList names;
    for (const QString &name : log) {
        if (!isBound(name))
            names << name;
    }
    return names;
}

QString DbSignalLog::bounds() const
{
    QStringList names;
    for (const QString &name : log) {
        if (isBound(name))
            names << name;
    }
    return names.join(' ');
}
