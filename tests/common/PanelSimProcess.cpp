#include "PanelSimProcess.h"

bool PanelSimProcess::start(quint16 port, const QStringList &arguments)
{
    return m_process.start(QStringLiteral("tools/panelsim/panelsim"),
                           QStringList{QStringLiteral("--port=%1").arg(port)} + arguments);
}
