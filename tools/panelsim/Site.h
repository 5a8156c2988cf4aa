#pragma once

#include "SiteConfiguration.h"
#include "SiteStatus.h"
#include "SiteTexts.h"

#include <QByteArray>

// What the emulated controller is: its node numbers, the kind of controller,
// the options it announces at connection and the header layout it writes.
struct Site
{
    quint8 panelNode = 1;
    quint8 controllerType = 6;
    quint8 networkNode = 1;
    quint8 connectionNode = 2;
    // 255: the connection request carries no option byte.
    int connectionOptions = 255;
    int headerLayout = 0;
    // The first flag byte of the engine configuration: bit 0 key switch
    // access, bit 1 the regional board's inputs, then evacuate, sounders
    // on/off, key safe and alarm acknowledgement.
    quint8 engineFlags = 0;
    // The event code of this panel's fire reset, named in the engine
    // configuration.
    quint16 resetEventCode = 250;
    SiteConfiguration configuration;
    SiteStatus status;
    // The connection key the controller hands out at the end of a
    // synchronisation.
    QByteArray connectionKey = QByteArrayLiteral("\x5a\xa5\x01\x02");
    SiteTexts texts;

    static Site demo();
    static Site generated(const SiteSize &size);
};
