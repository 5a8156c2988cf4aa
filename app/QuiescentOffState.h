#pragma once

#include "app/QTESKState.h"

// The idle view is held off: an alarm, a pending summary, a key-in, a
// log-on or no connection.
class QuiescentOffState final : public QTESKState
{
    Q_OBJECT

public:
    explicit QuiescentOffState(SC_Timer *timer, QState *parent = nullptr);

protected:
    void onEntry(QEvent *event) override;
};
