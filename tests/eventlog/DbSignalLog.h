#pragma once

#include "eventlog/EL_EventLogDBbase.h"

#include <QStringList>

// Every signal of the event log, recorded by name in emission order:
// "B500" and "L500" for the window's bounds, "reset500" for an accepted
// fire reset, plain names for the rest.
class DbSignalLog final : public QObject
{
    Q_OBJECT

public:
    explicit DbSignalLog(EL_EventLogDBbase *db);

    // The names other than the window's bounds.
    QStringList categories() const;
    // Only the window's bounds, as "B.. L..".
    QString bounds() const;

    QStringList log;
};
