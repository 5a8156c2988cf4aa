#pragma once

#include "paneldata/TCTypes.h"

#include <QObject>

// The single-device polls running on each panel.
class SingleDevicePollingHandler final : public QObject
{
    Q_OBJECT

public:
    static SingleDevicePollingHandler *instance();

    // Forgets every panel's polls; announced as stopped on panel 255.
    void clear();

signals:
    void singleDevicePollingStopped(TC::panel_t panel);

private:
    SingleDevicePollingHandler() = default;
};
