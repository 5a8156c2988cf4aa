#pragma once

#include "link/SC_TESKSupportPacket.h"

// The commands of the engine's user interface (support sub-code 100):
// payload 100, the GUI command code, then the command's own fields.
class SC_GUICommandPacket : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 100;

    enum Command {
        SetTimeDate = 1,
        ForcePoints = 2,
        ForcePointsAction = 3,
        DisablePoints = 4,
        Walktest = 5,
        LoopPointCountersSnapshot = 6,
        ServiceTool = 7,
        BasicPointCommand = 8,
    };

    int command() const { return m_command; }

protected:
    SC_GUICommandPacket(int command, const SC_RequestAddress &address);

private:
    int m_command;
};
