#pragma once

#include "core/SC_Singleton.h"

#include <QObject>

class SC_Timer;

// Keeps the fire display in front while a fire is active: the home screen
// with the fire screen on top comes back after half a minute without input,
// and once more when the fire is reset or the panel link is lost.
class FireTimer final
    : public QObject
    , public SC_Singleton<FireTimer>
{
    Q_OBJECT

public:
    static constexpr int ReshowMs = 30000;

    bool isRunning() const;

public slots:
    void newFireReset();
    void fireTimeout();
    void fireStart();
    void fireReset();
    void fireNewEvent();
    void resetFireTimer();

signals:
    void updatedByFireReset(quint32 seqNo);

private:
    friend class SC_Singleton<FireTimer>;

    FireTimer();

    SC_Timer *m_timer;
};
