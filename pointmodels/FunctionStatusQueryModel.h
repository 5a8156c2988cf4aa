#pragma once

#include "pointmodels/EventLogQueryModel.h"

// The unrestored faults of the points that have a chosen function, newest
// first. Each refresh writes the packed keys of those points into the
// event log's temporary point table, which the fault counts can be limited
// to as well, and selects the faults of the points in it.
class FunctionStatusQueryModel final : public EventLogQueryModel
{
    Q_OBJECT

public:
    // Only a model of mode 2 fills itself; the others stay empty.
    static constexpr int FillingMode = 2;

    FunctionStatusQueryModel(int functionFlags, int mode, QObject *parent = nullptr);

    // False when the table could not be refilled; it then holds no key.
    bool fillPointTable();
    void selectPointEvents(bool faultsOnly);

public slots:
    void refresh();

private:
    int m_functionFlags;
    int m_mode;
};
