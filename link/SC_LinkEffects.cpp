#include "link/SC_LinkEffects.h"

#include <QDebug>

namespace {

SC_LinkEffects linkAlone;
SC_LinkEffects *current = &linkAlone;

} // namespace

SC_LinkEffects *SC_LinkEffects::installed()
{
    return current;
}

void SC_LinkEffects::install(SC_LinkEffects *effects)
{
    current = effects ? effects : &linkAlone;
}

SC_LinkEffects::~SC_LinkEffects() = default;

int SC_LinkEffects::brand() const
{
    return 0;
}

void SC_LinkEffects::setSynchronising(bool)
{
}
void SC_LinkEffects::setCompatible(bool)
{
}
void SC_LinkEffects::connectionInitiated(quint8)
{
}
void SC_LinkEffects::clearSystemFaultLed()
{
}
void SC_LinkEffects::resetTextRequests()
{
}
void SC_LinkEffects::setPanelName(const QString &)
{
}
void SC_LinkEffects::showPanelStatus(const PanelStatus &)
{
}
void SC_LinkEffects::setFaultActive(bool)
{
}
void SC_LinkEffects::showBanner(bool, bool)
{
}
void SC_LinkEffects::walkTestUpdated()
{
}
void SC_LinkEffects::linkLost()
{
}
void SC_LinkEffects::controllerLost()
{
}
void SC_LinkEffects::loggedOff()
{
}
void SC_LinkEffects::setPulsePatterns(quint8, quint8)
{
}
void SC_LinkEffects::setOutputPointState(int, quint8, int)
{
}
void SC_LinkEffects::startStandbyCountdown(quint16, int)
{
}

// Without a screen, the outcome of a print is still seen by whoever runs the
// link.
void SC_LinkEffects::showPrintResult(int popupKind)
{
    qWarning() << "SC_PrintReportReplyPkt::handlePacketData"
               << " No screen for the print result" << popupKind;
}
