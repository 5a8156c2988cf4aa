#pragma once

#include "link/SC_GUICommandPacket.h"
#include "link/SC_RequestPacket.h"

class SC_PointsAddress;

// A GUI command that carries one packet's share of a point list: its own
// fields, then the list's block from the start index. After serialise,
// nextStart() is where the next packet of the command starts, or 0 when the
// list is done. The list must outlive the packet.
class SC_PointListCommand : public SC_RequestPacket<SC_GUICommandPacket>
{
public:
    int start() const { return m_start; }
    int nextStart() const { return m_next; }

protected:
    SC_PointListCommand(int command, const SC_RequestAddress &address, const SC_RequestFields &fields,
                        const SC_PointsAddress &list, int start);

    void appendListBlock() override;

private:
    const SC_PointsAddress &m_list;
    int m_start;
    int m_next = 0;
};
