#pragma once

#include "core/SC_Singleton.h"
#include "frontpanel/GUICONSTS.h"
#include "frontpanel/KeySequenceShortcut.h"

#include <QObject>
#include <QVector>

// Watches the panel's keys for two hidden sequences: back, back, home, home
// opens the service menu while the panel link is down; the silence-buzzer
// key four times offers the buzzer override to a user with permission 2.
class GlobalShortcuts final
    : public QObject
    , public SC_Singleton<GlobalShortcuts>
{
    Q_OBJECT

public:
    enum Action : int { ServiceMenu = 1, BuzzerOverride = 2 };

    const QVector<KeySequenceShortcut> &shortcuts() const { return m_shortcuts; }

public slots:
    void keyPressed(GUICONSTS::eKeyTypes key);
    void setBuzzerOverride();

private:
    friend class SC_Singleton<GlobalShortcuts>;

    GlobalShortcuts();

    void fire(int action);

    QVector<KeySequenceShortcut> m_shortcuts;
};
