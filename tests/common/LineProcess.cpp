#include "LineProcess.h"

#include "TestPrograms.h"

#include <QElapsedTimer>

LineProcess::LineProcess()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &LineProcess::readLines);
}

LineProcess::~LineProcess()
{
    stop();
}

bool LineProcess::start(const QString &program, const QStringList &arguments)
{
    m_process.start(TestPrograms::path(program), arguments);
    return m_process.waitForStarted(10000);
}

void LineProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("quit\n");
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

void LineProcess::readLines()
{
    m_pending += m_process.readAllStandardOutput();
    for (int end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        m_lines << QString::fromUtf8(m_pending.left(end));
        m_pending.remove(0, end + 1);
    }
}

int LineProcess::indexOf(const QStringList &starts, int from) const
{
    for (int i = qMax(0, from); i < m_lines.size(); ++i) {
        for (const QString &start : starts) {
            if (m_lines.at(i).startsWith(start))
                return i;
        }
    }
    return -1;
}

int LineProcess::count(const QString &start) const
{
    int found = 0;
    for (const QString &line : m_lines)
        found += line.startsWith(start) ? 1 : 0;
    return found;
}

int LineProcess::waitForLine(const QString &start, int from, int timeoutMs)
{
    return waitForAnyLine(QStringList{start}, from, timeoutMs);
}

int LineProcess::waitForAnyLine(const QStringList &starts, int from, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (indexOf(starts, from) < 0 && timer.elapsed() < timeoutMs && isRunning())
        m_process.waitForReadyRead(int(qMax<qint64>(1, timeoutMs - timer.elapsed())));
    return indexOf(starts, from);
}

void LineProcess::write(const QString &line)
{
    m_process.write(line.toUtf8() + '\n');
}
