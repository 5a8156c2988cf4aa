#include "app/TerminationSignals.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Written by the signal handler, read on the GUI thread; a signal handler may
// do no more than write a byte.
int g_signalSockets[2] = {-1, -1};

constexpr int handledSignals[] = {SIGTERM, SIGINT};

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (g_signalSockets[0] != -1 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSockets) != 0) {
        qWarning() << "TerminationSignals::TerminationSignals"
                   << " Cannot watch termination signals";
        return;
    }
    m_notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);

    struct sigaction action = {};
    action.sa_handler = &TerminationSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : handledSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (int signalNumber : handledSignals)
        std::signal(signalNumber, SIG_DFL);
    ::close(g_signalSockets[0]);
    ::close(g_signalSockets[1]);
    g_signalSockets[0] = g_signalSockets[1] = -1;
}

void TerminationSignals::handle(int signalNumber)
{
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_signalSockets[0], &byte, 1);
}

void TerminationSignals::readSignal()
{
    char byte = 0;
    if (::read(g_signalSockets[1], &byte, 1) != 1)
        return;
    qDebug() << "TerminationSignals::readSignal"
             << " Shutting down on signal " << int(byte);
    m_requested = true;
    emit terminationRequested(int(byte));
    // Quitting a loop that the start-up runs before the main loop would cut
    // that step short.
    if (m_inMainLoop)
        QCoreApplication::quit();
}

int TerminationSignals::exec()
{
    if (m_requested)
        return 0;
    m_inMainLoop = true;
    const int result = QCoreApplication::exec();
    m_inMainLoop = false;
    return result;
}
