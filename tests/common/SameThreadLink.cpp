#include "SameThreadLink.h"

#include "FreePort.h"
#include "HeldPoints.h"
#include "WaitUntil.h"
#include "core/BucketMaster.h"
#include "link/SC_Ethernet.h"
#include "link/SC_LinkLayer.h"
#include "link/SyncClient.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/SC_PageHandlerTable.h"

#include <QDebug>
#include <QRegularExpression>

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

bool SameThreadLink::receiveSite(quint8 panel)
{
    PointCoreConfiguration::instance()->clearPanel(255);
    PointDataMapsConfiguration::instance()->clearPanel(0, 255);
    int from = m_controller.lineCount();
    m_controller.command(QStringLiteral("status"));
    const int line = waitForLine(QStringLiteral("status panel %1 ").arg(panel), from);
    if (line < 0)
        return false;
    const QRegularExpressionMatch counted =
        QRegularExpression(QStringLiteral(" points (\\d+)")).match(m_controller.lines().at(line));
    if (!counted.hasMatch()) {
        qWarning() << "SameThreadLink: panelsim counts no points in" << m_controller.lines().at(line);
        return false;
    }
    from = m_controller.lineCount();
    m_controller.command(QStringLiteral("site"));
    if (waitForLine(QStringLiteral("site-sent"), from) < 0)
        return false;
    const int points = counted.captured(1).toInt();
    if (waitUntil([&] { return heldPoints(panel) == points; }, Timeout))
        return true;
    qWarning() << "SameThreadLink: the engine holds" << heldPoints(panel) << "points of panel" << panel << "of"
               << points;
    return false;
}

QString SameThreadLink::disabledPoints(quint8 panel)
{
    const int from = m_controller.lineCount();
    m_controller.command(QStringLiteral("disabled %1").arg(panel));
    const int line = waitForLine(QStringLiteral("disabled panel="), from);
    return line < 0 ? QString() : m_controller.lines().at(line);
}

int SameThreadLink::waitForLine(const QString &start, int from)
{
    const int found = m_controller.waitForLineWithEvents(start, from, Timeout);
    if (found < 0)
        qWarning().noquote() << m_controller.lines().join(QLatin1Char('\n'));
    return found;
}
