#pragma once

#include <QState>

class SC_Timer;

// A state of the idle-view machine; every state works on the machine's one
// inactivity timer.
class QTESKState : public QState
{
    Q_OBJECT

public:
    QTESKState(SC_Timer *timer, const QString &name, QState *parent = nullptr);

protected:
    SC_Timer *timer() const { return m_timer; }

private:
    SC_Timer *m_timer;
};
