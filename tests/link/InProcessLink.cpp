#include "InProcessLink.h"

#include "FreePort.h"
#include "WaitUntil.h"
#include "core/SC_Timer.h"
#include "link/SC_LinkLayer.h"
#include "link/SyncClient.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

class ScaledTimer final : public SC_Timer
{
public:
    ScaledTimer(QObject *parent, int scale)
        : SC_Timer(parent)
        , m_timer(this)
        , m_scale(scale)
    {
        connect(&m_timer, &QTimer::timeout, this, &SC_Timer::timeout);
    }

    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }
    void setSingleShot(bool singleShot) override { m_timer.setSingleShot(singleShot); }

protected:
    void arm(int milliseconds) override { m_timer.start(milliseconds / m_scale); }

private:
    QTimer m_timer;
    int m_scale;
};

} // namespace

InProcessLink::InProcessLink(int timeScale, int heartbeatMs, int supervisionScale)
    : m_previousDirectory(QDir::currentPath())
    , m_heartbeatMs(heartbeatMs)
{
    QDir::setCurrent(m_directory.path());
    SC_Timer::setFactory([timeScale, supervisionScale](QObject *parent) {
        return new ScaledTimer(parent, qobject_cast<SC_LinkLayer *>(parent) ? supervisionScale : timeScale);
    });
}

InProcessLink::~InProcessLink()
{
    m_controller.reset();
    if (m_linkThread.isRunning()) {
        QMetaObject::invokeMethod(&m_link, &SC_EthernetLinkLayerFactory::Stop, Qt::BlockingQueuedConnection);
        m_linkThread.quit();
        m_linkThread.wait();
    }
    SC_Timer::setFactory({});
    QDir::setCurrent(m_previousDirectory);
}

bool InProcessLink::start()
{
    const quint16 port = freePort();
    m_link.setPort(port);
    m_linkThread.start();
    m_link.moveToThread(&m_linkThread);
    QSignalSpy started(&m_link, &SC_EthernetLinkLayerFactory::Started);
    QMetaObject::invokeMethod(&m_link, &SC_EthernetLinkLayerFactory::Start, Qt::QueuedConnection);
    if (!started.wait(WaitMs))
        return false;
    SyncClient::instance()->connectLinkLayer(m_link.linkLayer());
    m_controller = std::make_unique<PanelSimProcess>();
    // Verbose: the tests watch every heartbeat answer, not only the changed ones.
    if (!m_controller->start(port, {QStringLiteral("--heartbeat=%1").arg(m_heartbeatMs), QStringLiteral("--verbose")})
        || !said("connected"))
        return false;
    return waitUntil([] { return SyncClient::instance()->isLinkUp(); }, WaitMs);
}

void InProcessLink::command(const QString &line)
{
    m_controller->command(line);
}

int InProcessLink::waitForLine(const QString &start, int from)
{
    const int found = m_controller->waitForLineWithEvents(start, from, WaitMs);
    if (found >= 0)
        return found;
    const QStringList said = lines().filter(QRegularExpression(QStringLiteral("^(?!heartbeat)")));
    qWarning().noquote() << "InProcessLink: no" << start << "; the emulator's last lines:\n"
                         << said.mid(said.size() - 20).join(QLatin1Char('\n'));
    return -1;
}

int InProcessLink::lineCount() const
{
    return m_controller ? m_controller->lineCount() : 0;
}

QStringList InProcessLink::lines() const
{
    return m_controller ? m_controller->lines() : QStringList();
}

int InProcessLink::count(const QString &start) const
{
    return m_controller ? m_controller->count(start) : 0;
}
