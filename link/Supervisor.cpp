#include "link/Supervisor.h"

#include "core/SC_Timer.h"
#include "link/SyncClient.h"
#include "link/packets/SC_SupervisionPacket.h"
#include "pointmodels/model.h"

Supervisor::Supervisor(QObject *parent)
    : QObject(parent)
    , m_responseTimer(SC_Timer::create(this))
{
    m_responseTimer->setSingleShot(true);
    connect(SyncClient::instance(), &SyncClient::SupervisionRequest, this, &Supervisor::SupervisionRequest);
    connect(m_responseTimer, &SC_Timer::timeout, this, &Supervisor::ResponseTimeout);
}

Supervisor::~Supervisor() = default;

void Supervisor::SupervisionRequest(SC_TESKSupportPacket *request)
{
    model::instance();
    m_responseTimer->start(ResponseDelayMs);
    m_answer = std::make_unique<SC_SupervisionPacket>(*request, SyncClient::instance());
}

// An answer goes out once: its bytes are final once it is serialised.
void Supervisor::ResponseTimeout()
{
    if (!m_answer)
        return;
    SyncClient::instance()->sendSupervisionReply(m_answer.get());
    m_answer.reset();
}
