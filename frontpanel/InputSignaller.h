#pragma once

#include "core/SC_Singleton.h"

#include <QObject>

// Where the panel's keys and touches reach the engine. So far: the one
// signal for any user activity, which the log-on clock, the fire display,
// the idle view and the backlight follow.
class InputSignaller final
    : public QObject
    , public SC_Singleton<InputSignaller>
{
    Q_OBJECT

signals:
    void userInputReceived();

private:
    friend class SC_Singleton<InputSignaller>;

    InputSignaller() = default;
};
