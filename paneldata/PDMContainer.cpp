#include "paneldata/PDMContainer.h"

PDMContainer::PDMContainer(QObject *parent)
    : QObject(parent)
{
}

PanelPDMContainer *PDMContainer::panel(quint8 panel)
{
    return TC::isTablePanel(panel) ? &m_panels[panel] : nullptr;
}

const PanelPDMContainer *PDMContainer::panel(quint8 panel) const
{
    return TC::isTablePanel(panel) ? &m_panels[panel] : nullptr;
}

void PDMContainer::clear()
{
    for (PanelPDMContainer &entry : m_panels)
        entry.clear();
}

int PDMContainer::pointCount() const
{
    int count = 0;
    for (const PanelPDMContainer &entry : m_panels)
        count += entry.pointCount();
    return count;
}
