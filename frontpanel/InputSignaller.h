#pragma once

#include <QObject>

// Where the panel's keys and touches reach the engine. So far: the one
// signal for any user activity, which the log-on clock, the fire display,
// the idle view and the backlight follow.
class InputSignaller final : public QObject
{
    Q_OBJECT

public:
    static InputSignaller *instance();

signals:
    void userInputReceived();

private:
    InputSignaller() = default;
};
