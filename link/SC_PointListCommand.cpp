#include "link/SC_PointListCommand.h"

#include "link/SC_PointsAddress.h"

SC_PointListCommand::SC_PointListCommand(int command, const SC_RequestAddress &address, const SC_RequestFields &fields,
                                         const SC_PointsAddress &list, int start)
    : SC_RequestPacket(fields, command, address)
    , m_list(list)
    , m_start(start)
{
}

void SC_PointListCommand::appendListBlock()
{
    QByteArray block;
    block.reserve(m_list.byteLength(m_start));
    m_next = m_list.loadByteArray(block, m_start);
    buffer()->appendByteArray(block);
}
