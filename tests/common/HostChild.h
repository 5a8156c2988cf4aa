#pragma once

#include "WaitUntil.h"

#include <QByteArray>
#include <QDebug>
#include <QString>
#include <QStringList>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

// The host-services stand-in playing the engine's panel front. It must own
// the front panel's name before the engine starts, so it is started before
// the engine's application object exists, without Qt.
class HostChild final
{
public:
    bool start(const QString &program, quint16 enginePort)
    {
        int toChild[2];
        int fromChild[2];
        if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0)
            return false;
        const std::string path = program.toStdString();
        const std::string option = "--frontpanel=" + std::to_string(enginePort);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(toChild[0], STDIN_FILENO);
            ::dup2(fromChild[1], STDOUT_FILENO);
            ::close(toChild[1]);
            ::close(fromChild[0]);
            ::execl(path.c_str(), path.c_str(), option.c_str(), static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        m_input = toChild[1];
        m_output = fromChild[0];
        ::fcntl(m_output, F_SETFL, O_NONBLOCK);
        for (int i = 0; i < 300 && !lines().contains(QStringLiteral("ready")); ++i) {
            pollfd ready{m_output, POLLIN, 0};
            ::poll(&ready, 1, 100);
        }
        return lines().contains(QStringLiteral("ready"));
    }

    void stop()
    {
        if (m_pid <= 0)
            return;
        command(QStringLiteral("quit"));
        ::close(m_input);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        ::close(m_output);
        m_pid = -1;
    }

    void command(const QString &line)
    {
        const QByteArray bytes = line.toUtf8() + '\n';
        if (::write(m_input, bytes.constData(), size_t(bytes.size())) != bytes.size())
            qWarning() << "HostChild: command not written:" << line;
    }

    QStringList lines()
    {
        char chunk[4096];
        ssize_t got = 0;
        while ((got = ::read(m_output, chunk, sizeof chunk)) > 0)
            m_pending.append(chunk, int(got));
        for (int end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
            m_lines << QString::fromUtf8(m_pending.left(end));
            m_pending.remove(0, end + 1);
        }
        return m_lines;
    }

    bool saw(const QString &start)
    {
        return waitUntil([this, &start] {
            for (const QString &line : lines()) {
                if (line.startsWith(start))
                    return true;
            }
            return false;
        });
    }

    void clear()
    {
        lines();
        m_lines.clear();
    }

private:
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    QByteArray m_pending;
    QStringList m_lines;
};

// A loopback port nobody listens on, found without Qt (before the engine's
// application object exists).
inline quint16 unusedLoopbackPort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}
