#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// The built engine as a child process, started in a temporary directory of
// its own so runs never share files.
class EngineProcess final
{
public:
    EngineProcess();
    ~EngineProcess();
    EngineProcess(const EngineProcess &) = delete;
    EngineProcess &operator=(const EngineProcess &) = delete;

    // The directory the engine starts in (where its "c:" tree grows).
    QString directory() const { return m_directory.path(); }
    QProcessEnvironment &environment() { return m_environment; }

    bool start(const QStringList &arguments = {});
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 processId() const { return m_process.processId(); }
    // Asks it to shut down as a host would (SIGTERM) and waits for its end;
    // true when it ended by itself with exit code 0.
    bool terminate(int timeoutMs = 60000);

    // What every run so far wrote.
    QString standardOutput();
    QString standardError();
    // Waits until the engine has logged the text; false after the time-out.
    bool waitForLogged(const QString &text, int timeoutMs = 30000);

private:
    void collect();

    QTemporaryDir m_directory;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QProcess m_process;
    QByteArray m_output;
    QByteArray m_error;
};
