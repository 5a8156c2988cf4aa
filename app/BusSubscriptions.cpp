#include "app/BusSubscriptions.h"

#include <QDebug>

namespace {

bool isLinkMode(int guiMode)
{
    return guiMode < 2;
}

} // namespace

void BusSubscriptions::add(const Entry &entry)
{
    m_entries << entry;
}

void BusSubscriptions::subscribeBusSignals(QDBusConnection connection, bool subscribe, int guiMode) const
{
    const QString path = QStringLiteral("/");
    for (const Entry &entry : m_entries) {
        if (subscribe) {
            if (entry.when == LinkModesOnly && !isLinkMode(guiMode))
                continue;
            if (!connection.connect(entry.service, path, entry.interface, entry.signal, entry.receiver, entry.slot)) {
                qWarning() << "BusSubscriptions::subscribeBusSignals"
                           << " Cannot subscribe to " << entry.service << entry.interface << entry.signal;
            }
        } else if (entry.removedAtShutDown && isLinkMode(guiMode)) {
            connection.disconnect(entry.service, path, entry.interface, entry.signal, entry.receiver, entry.slot);
        }
    }
}
