#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 12, the device descriptions, system-wide (panel 254). Body:
// language count L (1 or 2) | first description F | 16-bit count N (at
// most 256) | N times L texts, for F to F + N - 1 counted round through 255
// to 0.
class SC_PointDeviceDescriptionsPagePkt final : public sc_SyncPagePacket
{
public:
    SC_PointDeviceDescriptionsPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    bool isAccepted() const override;
    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_languages;
    quint8 m_first;
    quint16 m_count;
    QVector<QStringList> m_descriptions;
};
