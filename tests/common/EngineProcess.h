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
    QString directory() const { return m_sharedDirectory.isEmpty() ? m_directory.path() : m_sharedDirectory; }
    // From now on the engine starts in another engine's directory, as a
    // second engine started on the same installation by mistake would.
    void useDirectoryOf(const EngineProcess &other) { m_sharedDirectory = other.directory(); }
    QProcessEnvironment &environment() { return m_environment; }
    // Puts the build's translations where an installation has them, so that
    // the engine shows words rather than translation keys; false when one
    // could not be copied.
    bool installTranslations();

    bool start(const QStringList &arguments = {});
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 processId() const { return m_process.processId(); }
    // Asks it to shut down as a host would (SIGTERM) and waits for its end;
    // true when it ended by itself with exit code 0.
    bool terminate(int timeoutMs = 60000);
    // Waits for the engine to end by itself: its exit code, or -1 when it
    // did not end in time or crashed.
    int waitForExit(int timeoutMs = 60000);

    // What every run so far wrote.
    QString standardOutput();
    QString standardError();
    // Waits until the engine has logged the text; false after the time-out.
    bool waitForLogged(const QString &text, int timeoutMs = 30000);

private:
    void collect();

    QTemporaryDir m_directory;
    QString m_sharedDirectory;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QProcess m_process;
    QByteArray m_output;
    QByteArray m_error;
};
