#pragma once

#include "core/SC_Singleton.h"
#include "core/TCTypes.h"

#include <QBitArray>
#include <QHash>
#include <QObject>

// The IR service mode of each panel as the controller reports it: the mode
// (0 enabled, 1 disabled, 2 not available), a value, and the loops it
// concerns (bit l for loop l, loops 1 to 32).
class IRserviceHandler final
    : public QObject
    , public SC_Singleton<IRserviceHandler>
{
    Q_OBJECT

public:
    static constexpr int NotAvailable = 2;
    static constexpr int LoopBits = 33;

    // Announced even when nothing changed.
    void updateMode(TC::panel_t panel, int mode, quint16 value, const QBitArray &loops);
    // A panel never reported: mode 2, value 0, no loops.
    int irMode(TC::panel_t panel) const;
    quint16 irValue(TC::panel_t panel) const;
    QBitArray irLoops(TC::panel_t panel) const;
    // Forgets every panel; announced as a change of panel 255.
    void clear();

signals:
    void irModeChanged(TC::panel_t panel);

private:
    friend class SC_Singleton<IRserviceHandler>;

    struct Mode
    {
        int mode = NotAvailable;
        quint16 value = 0;
        QBitArray loops;
    };

    IRserviceHandler();

    QHash<TC::panel_t, Mode> m_modes;
};
