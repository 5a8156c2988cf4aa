#include "SameThreadLink.h"

#include "FreePort.h"
#include "core/BucketMaster.h"
#include "link/SC_Ethernet.h"
#include "link/SC_LinkLayer.h"
#include "link/SyncClient.h"
#include "paneldata/SC_PageHandlerTable.h"

#include <QDebug>

SameThreadLink::SameThreadLink()
{
    SyncClient *client = SyncClient::instance();
    SC_PageHandlerTable::registerWith(client);
    client->feedStateStore(BucketMaster::instance());
}

SameThreadLink::~SameThreadLink()
{
    m_controller.stop();
    m_link.reset();
    m_transport.reset();
}

bool SameThreadLink::connect(const QStringList &panelsimArguments)
{
    const quint16 port = freePort();
    m_transport = std::make_unique<SC_Ethernet>(port);
    m_link = std::make_unique<SC_LinkLayer>(m_transport.get());
    SyncClient::instance()->connectLinkLayer(m_link.get());
    m_link->Start();
    return m_controller.start(port, panelsimArguments) && waitForLine(QStringLiteral("connected")) >= 0;
}

bool SameThreadLink::heartbeatAnswered()
{
    const int from = m_controller.lineCount();
    m_controller.command(QStringLiteral("beat 2"));
    return waitForLine(QStringLiteral("heartbeat-answer"), from) >= 0;
}

int SameThreadLink::waitForLine(const QString &start, int from)
{
    const int found = m_controller.waitForLineWithEvents(start, from, Timeout);
    if (found < 0)
        qWarning().noquote() << m_controller.lines().join(QLatin1Char('\n'));
    return found;
}
