#pragma once

#include <QCoreApplication>
#include <QObject>

// Stands in for the panel link: tells, by the signal the engine's state
// follows, whether the controller's link is up.
class FakeEthernetLink final : public QObject
{
    Q_OBJECT
signals:
    void updateEnetConnectedToPanel(bool connected);
};

// Lets queued calls arrive, and the calls those queue in turn.
inline void settleQueuedEvents()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}
