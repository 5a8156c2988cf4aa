#pragma once

#include "paneldata/TCTypes.h"

#include <QObject>

// The IR service mode of each panel.
class IRserviceHandler final : public QObject
{
    Q_OBJECT

public:
    static IRserviceHandler *instance();

    // Forgets every panel; announced as a change of panel 255.
    void clear();

signals:
    void irModeChanged(TC::panel_t panel);

private:
    IRserviceHandler() = default;
};
