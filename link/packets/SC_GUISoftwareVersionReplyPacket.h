#pragma once

#include "link/SC_RequestPacket.h"
#include "link/SC_SystemManagerSupportPacket.h"

#include <QString>

// The engine's software version for the controller (sub-code 20), sent
// back to the node that asked. Payload:
//   20 | 6 | 1 | 0 (u32) | 1 record: 0, major, minor, third number, 0,
//   development flag | the build time, ISO 8601 with a Z, as a text
class SC_GUISoftwareVersionReplyPacket final : public SC_RequestPacket<SC_SystemManagerSupportPacket>
{
public:
    static constexpr int SubCode = 20;

    struct VersionRecord
    {
        quint8 major = 0;
        quint8 minor = 0;
        quint8 third = 0;
        bool development = false;
        QString buildTime;
    };

    // The version text may carry the letter d for a development build; the
    // build date and time are as the compiler writes them ("Aug  7 2024",
    // "13:46:51").
    static VersionRecord versionRecord(const QString &version, const QString &buildDate, const QString &buildTime);

    SC_GUISoftwareVersionReplyPacket(const SC_LkSpeakBasePacket &request, const VersionRecord &record);
};
