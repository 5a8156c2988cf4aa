#include "paneldata/SingleDevicePollingHandler.h"

#include "pointmodels/model.h"

namespace {

constexpr quint8 LoopKind = 12;
constexpr quint8 LoopChannelNumber = 0;

} // namespace

SingleDevicePollingHandler::SingleDevicePollingHandler()
{
    qRegisterMetaType<TC::panel_t>("TC::panel_t");
    qRegisterMetaType<TC::channelAddressNumerical_t>("TC::channelAddressNumerical_t");
    qRegisterMetaType<TC::point_t>("TC::point_t");
}

void SingleDevicePollingHandler::startPolling(TC::panel_t panel, TC::channelAddressNumerical_t loop, TC::point_t point)
{
    m_polls[panel].insert(loop, point);
    emit singleDevicePollingStarted(panel, loop, point);
}

void SingleDevicePollingHandler::stopPolling(TC::panel_t panel)
{
    m_polls.remove(panel);
    emit singleDevicePollingStopped(panel);
}

void SingleDevicePollingHandler::clear()
{
    m_polls.clear();
    emit singleDevicePollingStopped(TC::cAllPanels);
}

bool SingleDevicePollingHandler::isPolling(TC::panel_t panel) const
{
    return !m_polls.value(panel).isEmpty();
}

SingleDevicePollingHandler::LoopPoints SingleDevicePollingHandler::polledPoints(TC::panel_t panel) const
{
    return m_polls.value(panel);
}

bool SingleDevicePollingHandler::pollsZone(TC::panel_t panel, TC::zone_t zone) const
{
    const LoopPoints polls = m_polls.value(panel);
    for (auto poll = polls.cbegin(); poll != polls.cend(); ++poll) {
        if (model::instance()->pointZone(panel, LoopKind, LoopChannelNumber, poll.key(), poll.value()) == zone)
            return true;
    }
    return false;
}
