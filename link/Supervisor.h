#pragma once

#include <QObject>

#include <memory>

class SC_SupervisionPacket;
class SC_TESKSupportPacket;
class SC_Timer;

// Answers the controller's supervision once it has been quiet for 4 s:
// every request prepares a fresh answer and restarts the wait, so a burst
// of requests gets one answer, 4 s after its last request.
class Supervisor final : public QObject
{
    Q_OBJECT

public:
    static constexpr int ResponseDelayMs = 4000;

    explicit Supervisor(QObject *parent = nullptr);
    ~Supervisor() override;

public slots:
    void SupervisionRequest(SC_TESKSupportPacket *request);
    void ResponseTimeout();

private:
    SC_Timer *m_responseTimer;
    std::unique_ptr<SC_SupervisionPacket> m_answer;
};
