#pragma once

#include <QProcess>
#include <QStringList>

// A program of this build run as a child process that reports one event per
// line on its standard output, and takes commands on its standard input.
class LineProcess final : public QObject
{
    Q_OBJECT

public:
    LineProcess();
    ~LineProcess() override;

    // Starts a program by its path below the build directory.
    bool start(const QString &program, const QStringList &arguments = {});
    bool isRunning() const { return m_process.state() == QProcess::Running; }

    QStringList lines() const { return m_lines; }
    void clear() { m_lines.clear(); }
    int count(const QString &start) const;
    // Waits until a line that starts with the text has arrived at or after
    // index 'from'; its index in lines(), or -1 after the time-out.
    int waitForLine(const QString &start, int from = 0, int timeoutMs = 30000);
    // The same for the first line that starts with any of the texts.
    int waitForAnyLine(const QStringList &starts, int from, int timeoutMs);

    void write(const QString &line);
    // Sends "quit" and waits for the end; kills it when it does not end.
    void stop();

private:
    void readLines();
    int indexOf(const QStringList &starts, int from) const;

    QProcess m_process;
    QStringList m_lines;
    QByteArray m_pending;
};
