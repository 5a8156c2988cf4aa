#include "EndToEndRig.h"

#include "FreePort.h"
#include "WaitUntil.h"
#include "app/QVemoApplication.h"

namespace {

const QString LinkUp = QStringLiteral("SyncClient::linkStateChanged link up status 2");

} // namespace

EndToEndRig::EndToEndRig()
    : EndToEndRig(Options())
{
}

EndToEndRig::EndToEndRig(const Options &options)
    : m_options(options)
    , m_port(options.portArgument ? freePort() : QVemoApplication::DefaultPort)
{
}

bool EndToEndRig::start()
{
    if (m_options.hostServices) {
        if (!m_hostServices.start())
            return fail(QStringLiteral("The host services did not start"));
        // From here on the record holds only what the engine asked for.
        m_hostServices.clear();
    }
    if (!startEngine())
        return false;
    if (!m_options.controller)
        return true;
    if (!m_controller.start(m_port, m_options.controllerArguments))
        return fail(QStringLiteral("The controller did not start"));
    // A controller and an engine that start together keep step from the
    // first heartbeat on, so its answer repeats the controller's toggle.
    return linkUp(0, QStringLiteral("heartbeat-answer 1"));
}

bool EndToEndRig::startEngine()
{
    // Link-ups of an earlier run of the engine must not count for this one.
    m_linkUps = linkUps();
    const QStringList arguments =
        m_options.portArgument ? QStringList{QStringLiteral("--port=%1").arg(m_port)} : QStringList();
    if (!m_engine.start(arguments))
        return fail(QStringLiteral("The engine did not start"));
    return true;
}

// An engine started again under a running controller is out of step with
// its toggle, so its first answer may be either.
bool EndToEndRig::waitForLink(int from)
{
    return linkUp(from, QStringLiteral("heartbeat-answer"));
}

bool EndToEndRig::linkUp(int from, const QString &answer)
{
    if (m_controller.waitForLine(QStringLiteral("connected"), from) < 0)
        return fail(QStringLiteral("The controller did not connect"));
    const int beat = m_controller.lineCount();
    m_controller.command(QStringLiteral("beat 2"));
    if (m_controller.waitForLine(answer, beat) < 0)
        return fail(QStringLiteral("No heartbeat answer"));
    if (!waitUntil([this] { return linkUps() > m_linkUps; }))
        return fail(QStringLiteral("The engine did not report the link up"));
    m_linkUps = linkUps();
    return true;
}

bool EndToEndRig::stopEngine()
{
    if (!m_engine.terminate())
        return fail(QStringLiteral("The engine did not end cleanly"));
    return true;
}

bool EndToEndRig::stop()
{
    m_controller.stop();
    const bool stopped = !m_engine.isRunning() || stopEngine();
    m_hostServices.stop();
    return stopped;
}

int EndToEndRig::linkUps()
{
    return m_engine.standardError().count(LinkUp);
}

bool EndToEndRig::fail(const QString &what)
{
    m_failure = what + QStringLiteral("\ncontroller:\n") + m_controller.lines().join(QLatin1Char('\n'))
                + QStringLiteral("\nengine:\n") + m_engine.standardError();
    if (m_options.hostServices)
        m_failure += QStringLiteral("\nhost services:\n") + m_hostServices.lines().join(QLatin1Char('\n'));
    return false;
}
