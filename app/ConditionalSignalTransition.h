#pragma once

#include <QMetaMethod>
#include <QSignalTransition>

#include <functional>

// A signal transition that is taken only while its condition holds.
class ConditionalSignalTransition final : public QSignalTransition
{
    Q_OBJECT

public:
    using Condition = std::function<bool()>;

    // The signal comes from QMetaMethod::fromSignal(), so a renamed signal
    // fails the build.
    ConditionalSignalTransition(const QObject *sender, const QMetaMethod &signal, Condition condition,
                                QState *source = nullptr);

protected:
    bool eventTest(QEvent *event) override;

private:
    Condition m_condition;
};
