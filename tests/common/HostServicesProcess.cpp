#include "HostServicesProcess.h"

bool HostServicesProcess::start(quint16 frontPanelPort)
{
    const QStringList arguments =
        frontPanelPort ? QStringList{QStringLiteral("--frontpanel=%1").arg(frontPanelPort)} : QStringList();
    if (!m_process.start(QStringLiteral("tools/hostservices/hostservices"), arguments))
        return false;
    return waitForLine(QStringLiteral("ready")) >= 0;
}

QString HostServicesProcess::command(const QString &line)
{
    const int before = m_process.lines().size();
    m_process.write(line);
    const int answer = m_process.waitForAnyLine({QStringLiteral("emitted "), QStringLiteral("error ")}, before, 10000);
    return answer < 0 ? QString() : m_process.lines().at(answer);
}
