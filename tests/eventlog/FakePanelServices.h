#pragma once

#include "eventlog/PanelServices.h"

#include <QList>
#include <QPair>

// This panel's settings as a test sets them; records the status resets.
class FakePanelServices final : public EventLog::PanelServices
{
public:
    quint8 getPanelNumber() const override { return panelNumber; }
    quint16 getResetEventCode1() const override { return resetCode1; }
    quint16 getResetEventCode2() const override { return resetCode2; }
    bool getLogicalAddr() const override { return logicalAddr; }
    void applyHighPriorityStatus(quint32 flags, quint32 value) override { statusCalls << qMakePair(flags, value); }

    quint8 panelNumber = 1;
    quint16 resetCode1 = 0x0301;
    quint16 resetCode2 = 0x0302;
    bool logicalAddr = false;
    QList<QPair<quint32, quint32>> statusCalls;
};
