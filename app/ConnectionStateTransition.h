#pragma once

#include <QSignalTransition>

// A transition on a signal whose first argument is a link flag: it fires only
// when the flag equals the expected value.
class ConnectionStateTransition final : public QSignalTransition
{
    Q_OBJECT

public:
    ConnectionStateTransition(const char *signal, bool expected);

protected:
    bool eventTest(QEvent *event) override;

private:
    const bool m_expected;
};
