#pragma once

#include "core/SC_Singleton.h"
#include "core/TCTypes.h"

#include <QHash>
#include <QObject>

// The single-device polls running on each panel: at most one polled point
// per loop.
class SingleDevicePollingHandler final
    : public QObject
    , public SC_Singleton<SingleDevicePollingHandler>
{
    Q_OBJECT

public:
    using LoopPoints = QHash<TC::channelAddressNumerical_t, TC::point_t>;

    // Replaces a poll of another point on the same loop.
    void startPolling(TC::panel_t panel, TC::channelAddressNumerical_t loop, TC::point_t point);
    void stopPolling(TC::panel_t panel);
    // Forgets every panel's polls; announced as stopped on panel 255.
    void clear();

    bool isPolling(TC::panel_t panel) const;
    LoopPoints polledPoints(TC::panel_t panel) const;
    // Whether a polled point of the panel lies in the zone.
    bool pollsZone(TC::panel_t panel, TC::zone_t zone) const;

signals:
    void singleDevicePollingStarted(TC::panel_t panel, TC::channelAddressNumerical_t loop, TC::point_t point);
    void singleDevicePollingStopped(TC::panel_t panel);

private:
    friend class SC_Singleton<SingleDevicePollingHandler>;

    SingleDevicePollingHandler();

    QHash<TC::panel_t, LoopPoints> m_polls;
};
