#pragma once

#include "app/QTESKState.h"

// The idle view: only the start screen is stacked. Leaving it brings the
// home screen back, unless a fire is shown.
class QuiescentState final : public QTESKState
{
    Q_OBJECT

public:
    explicit QuiescentState(SC_Timer *timer, QState *parent = nullptr);

protected:
    void onEntry(QEvent *event) override;
    void onExit(QEvent *event) override;
};
