#pragma once

#include "eventlog/EventData.h"

#include <QList>

// The panel network the events-summary tests stand on: panels 1 and 3 with
// a detector, two sounders, an alarm-signalling output and two controls on
// loop 1, and faults written into a fresh event log.
namespace SummarySite {

// Point numbers on loop 1 of each panel.
enum Point : quint8 {
    Detector = 1,
    Sounder = 2,
    DisabledSounder = 3,
    Signalling = 4,
    Control = 5,
    ForcedControl = 6,
};

// Builds the site: the second sounder is disabled, the control and the
// forced control are active, the forced control is forced.
void build();

struct Fault
{
    quint8 node;
    quint8 point;
    quint8 acceptStatus = 3;
};

// A fresh log holding the unrestored faults, oldest first (sequence
// numbers from 1).
void writeFaults(const QList<Fault> &faults);
// Fault n of count faults on panel 1, each on its own point.
QList<Fault> manyFaults(int count);

} // namespace SummarySite
