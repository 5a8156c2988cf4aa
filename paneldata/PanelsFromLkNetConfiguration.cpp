#include "paneldata/PanelsFromLkNetConfiguration.h"

#include <algorithm>

namespace {

constexpr int NodeLimit = 256;

bool isConfiguredPanel(quint8 state)
{
    return state == 1 || state == 2 || state == 4 || state == 5 || state == 6;
}

} // namespace

void PanelsFromLkNetConfiguration::setNodeStates(const QVector<quint8> &states)
{
    m_states = states;
    m_panels.clear();
    const int nodes = std::min(int(m_states.size()), NodeLimit);
    for (int node = 0; node < nodes; ++node) {
        if (isConfiguredPanel(m_states.at(node)))
            m_panels.append(quint8(node));
    }
    emit configuredPanelsUpdated();
}

quint8 PanelsFromLkNetConfiguration::panelState(quint8 panel) const
{
    return panel < m_states.size() ? m_states.at(panel) : 0;
}

bool PanelsFromLkNetConfiguration::isPanelPresent(quint8 panel) const
{
    return panelState(panel) != 0;
}
