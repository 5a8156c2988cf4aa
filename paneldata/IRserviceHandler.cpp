#include "paneldata/IRserviceHandler.h"

IRserviceHandler::IRserviceHandler()
{
    qRegisterMetaType<TC::panel_t>("TC::panel_t");
}

void IRserviceHandler::updateMode(TC::panel_t panel, int mode, quint16 value, const QBitArray &loops)
{
    m_modes.insert(panel, Mode{mode, value, loops});
    emit irModeChanged(panel);
}

int IRserviceHandler::irMode(TC::panel_t panel) const
{
    return m_modes.value(panel).mode;
}

quint16 IRserviceHandler::irValue(TC::panel_t panel) const
{
    return m_modes.value(panel).value;
}

QBitArray IRserviceHandler::irLoops(TC::panel_t panel) const
{
    return m_modes.value(panel).loops;
}

void IRserviceHandler::clear()
{
    m_modes.clear();
    emit irModeChanged(TC::cAllPanels);
}
