#include "paneldata/sync/SC_LoggedOnUserInformationPagePkt.h"

#include "link/SyncClient.h"

#include <QDebug>

SC_LoggedOnUserInformationPagePkt::SC_LoggedOnUserInformationPagePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                                     SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_userId(buffer()->readUInt8())
    , m_accessLevel(buffer()->readUInt8())
    , m_client(client)
{
    m_userName = buffer()->readText(buffer()->readUInt8(), false);
}

void SC_LoggedOnUserInformationPagePkt::handlePacketData()
{
    if (m_userId == 0 || (m_userId >= 100 && m_userId != NoUser)) {
        qWarning() << "SC_LoggedOnUserInformationPagePkt::handlePacketData"
                   << "invalid user ID:" << m_userId;
        return;
    }
    if (m_accessLevel > HighestAccessLevel) {
        qWarning() << "SC_LoggedOnUserInformationPagePkt::handlePacketData"
                   << "invalid user access level:" << m_accessLevel;
        return;
    }
    emit m_client->permissionsUpdate(m_userId, m_accessLevel);
}

void SC_LoggedOnUserInformationPagePkt::serialise()
{
    buffer()->writeLength();
}
