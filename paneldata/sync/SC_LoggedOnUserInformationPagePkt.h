#pragma once

#include "link/SC_TESKSupportPacket.h"

#include <QString>

class SyncClient;

// Who is logged on at the panel (sub-code 4). Payload: 4, user id (1 to 99,
// 255 nobody), access level (0 to 14), name length, name.
class SC_LoggedOnUserInformationPagePkt final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 4;
    static constexpr quint8 NoUser = 255;
    static constexpr quint8 HighestAccessLevel = 14;

    SC_LoggedOnUserInformationPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    const QString &userName() const { return m_userName; }

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_userId;
    quint8 m_accessLevel;
    QString m_userName;
    SyncClient *m_client;
};
