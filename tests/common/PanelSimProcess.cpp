#include "PanelSimProcess.h"

#include "WaitUntil.h"

bool PanelSimProcess::start(quint16 port, const QStringList &arguments)
{
    return m_process.start(QStringLiteral("tools/panelsim/panelsim"),
                           QStringList{QStringLiteral("--port=%1").arg(port)} + arguments);
}

int PanelSimProcess::waitForLineWithEvents(const QString &start, int from, int timeoutMs)
{
    int found = -1;
    waitUntil(
        [&] {
            const QStringList all = lines();
            for (int i = from; i < all.size() && found < 0; ++i) {
                if (all.at(i).startsWith(start))
                    found = i;
            }
            return found >= 0;
        },
        timeoutMs);
    return found;
}
