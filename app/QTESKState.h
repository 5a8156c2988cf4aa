#pragma once

#include <QState>

class QTimer;

// A state of the idle-view machine; every state works on the machine's one
// inactivity timer.
class QTESKState : public QState
{
    Q_OBJECT

public:
    QTESKState(QTimer *timer, const QString &name, QState *parent = nullptr);

protected:
    QTimer *timer() const { return m_timer; }

private:
    QTimer *m_timer;
};
