#include "EngineProcess.h"

#include "TestPrograms.h"
#include "WaitUntil.h"

#include <QDir>
#include <QFile>

#include <csignal>

EngineProcess::EngineProcess() = default;

EngineProcess::~EngineProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool EngineProcess::installTranslations()
{
    const QDir built(TestPrograms::path(QStringLiteral("i18n")));
    const QStringList files = built.entryList({QStringLiteral("*.qm")}, QDir::Files);
    const QDir installed(QDir(directory()).filePath(QStringLiteral("c:/DESKSIM/DESKSIM 3_6/i18n")));
    if (files.isEmpty() || !installed.mkpath(QStringLiteral(".")))
        return false;
    for (const QString &file : files) {
        if (!QFile::copy(built.filePath(file), installed.filePath(file)))
            return false;
    }
    return true;
}

bool EngineProcess::start(const QStringList &arguments)
{
    if (!m_directory.isValid())
        return false;
    // Starting again drops what the previous run wrote and nobody read yet.
    collect();
    m_process.setWorkingDirectory(directory());
    m_process.setProcessEnvironment(m_environment);
    m_process.start(TestPrograms::path(QStringLiteral("app/teskengine")), arguments);
    return m_process.waitForStarted(10000);
}

bool EngineProcess::terminate(int timeoutMs)
{
    if (m_process.state() != QProcess::Running)
        return false;
    ::kill(pid_t(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(timeoutMs))
        return false;
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

int EngineProcess::waitForExit(int timeoutMs)
{
    if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(timeoutMs))
        return -1;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

QString EngineProcess::standardOutput()
{
    collect();
    return QString::fromUtf8(m_output);
}

QString EngineProcess::standardError()
{
    collect();
    return QString::fromUtf8(m_error);
}

void EngineProcess::collect()
{
    // A process never started is not open, and reading it only warns.
    if (!m_process.isOpen())
        return;
    m_output += m_process.readAllStandardOutput();
    m_error += m_process.readAllStandardError();
}

bool EngineProcess::waitForLogged(const QString &text, int timeoutMs)
{
    return waitUntil([this, &text] { return standardError().contains(text); }, timeoutMs);
}
