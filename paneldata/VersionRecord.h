#pragma once

#include <QtGlobal>

// One software version of a piece of equipment; build 0 means none.
struct VersionRecord
{
    quint8 versionKind = 0;
    quint8 major = 0;
    quint8 minor = 0;
    quint8 build = 0;
    // Panel seconds.
    quint32 buildTime = 0;
};
