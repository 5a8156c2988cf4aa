#include "pointmodels/TaskPointFilter.h"

#include "paneldata/PointDataMapsConfiguration.h"

TaskPointFilter::TaskPointFilter(int mode, int action)
    : m_mode(mode)
{
    update();
    m_action = action;
}

void TaskPointFilter::update()
{
    switch (m_mode) {
    case Inputs:
        m_attributeMask |= InputPoint;
        break;
    case Outputs:
        m_attributeMask |= OutputPoint;
        break;
    case InputsAndOutputs:
        m_attributeMask |= InputPoint | OutputPoint;
        break;
    default:
        m_attributeMask &= quint8(~(InputPoint | OutputPoint));
        break;
    }
}

bool TaskPointFilter::bit(int page, TC::panel_t panel, const ChannelAddress &channel, const PointAddressKey &record)
{
    return PointDataMapsConfiguration::instance()->testPoint(page, panel, channel, record.pointNumber);
}

bool TaskPointFilter::bitOfMode(int inputsPage, int outputsPage, TC::panel_t panel, const ChannelAddress &channel,
                                const PointAddressKey &record) const
{
    switch (m_mode) {
    case Inputs:
        return bit(inputsPage, panel, channel, record);
    case Outputs:
        return bit(outputsPage, panel, channel, record);
    case InputsAndOutputs:
        return bit(inputsPage, panel, channel, record) || bit(outputsPage, panel, channel, record);
    default:
        return false;
    }
}
