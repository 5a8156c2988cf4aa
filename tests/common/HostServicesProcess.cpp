#include "HostServicesProcess.h"

#include "TestPrograms.h"

#include <QElapsedTimer>

HostServicesProcess::HostServicesProcess()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &HostServicesProcess::readLines);
}

HostServicesProcess::~HostServicesProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("quit\n");
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

bool HostServicesProcess::start()
{
    m_process.start(TestPrograms::path(QStringLiteral("tools/hostservices/hostservices")), QStringList());
    if (!m_process.waitForStarted(10000))
        return false;
    return waitForLine(QStringLiteral("ready")) >= 0;
}

void HostServicesProcess::readLines()
{
    m_pending += m_process.readAllStandardOutput();
    for (int end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        m_lines << QString::fromUtf8(m_pending.left(end));
        m_pending.remove(0, end + 1);
    }
}

int HostServicesProcess::indexOf(const QString &start) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).startsWith(start))
            return i;
    }
    return -1;
}

int HostServicesProcess::waitForLine(const QString &start, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (indexOf(start) < 0 && timer.elapsed() < timeoutMs && m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(int(qMax<qint64>(1, timeoutMs - timer.elapsed())));
    return indexOf(start);
}

QString HostServicesProcess::command(const QString &line)
{
    const int before = m_lines.size();
    const auto answer = [this, before] {
        for (int i = before; i < m_lines.size(); ++i) {
            if (m_lines.at(i).startsWith(QStringLiteral("emitted ")) || m_lines.at(i).startsWith(QStringLiteral("error ")))
                return m_lines.at(i);
        }
        return QString();
    };
    m_process.write(line.toUtf8() + '\n');
    QElapsedTimer timer;
    timer.start();
    while (answer().isEmpty() && timer.elapsed() < 10000 && m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(100);
    return answer();
}
