#pragma once

#include "SiteConfiguration.h"

#include <QtGlobal>

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
    SiteConfiguration configuration;

    static Site demo();
};
