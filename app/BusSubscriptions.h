#pragma once

#include <QDBusConnection>
#include <QString>
#include <QVector>

class QObject;

// The host services' bus signals that the engine receives directly: each
// entry names the sending service, interface and signal (on path "/") and
// the receiving slot. Entries are subscribed in the order they were added.
class BusSubscriptions final
{
public:
    enum When {
        Always,
        // Only while the front end runs on the panel link (modes 0 and 1).
        LinkModesOnly,
    };

    struct Entry
    {
        QString service;
        QString interface;
        QString signal;
        QObject *receiver;
        const char *slot; // SLOT(...)
        When when;
        // Removed again at shut-down; the others stay until the bus closes.
        bool removedAtShutDown;
    };

    void add(const Entry &entry);

    // Subscribes every entry that applies to the GUI mode, or, with subscribe
    // false, removes the entries marked for removal (only in the link modes).
    // The mode is the one at the moment of the call.
    void subscribeBusSignals(QDBusConnection connection, bool subscribe, int guiMode) const;

private:
    QVector<Entry> m_entries;
};
