#pragma once

#include "paneldata/PanelPointNamesRecord.h"
#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 7, the point names of a panel. Body: language count L (1 or 2) |
// 16-bit record count R (at most 4096) | R records: channel byte 0 |
// channel byte 1 (a numerical channel in header layout 0) | first point |
// point count M | M times L texts. A page comes in several parts; part 0
// starts the panel's names afresh.
class SC_PanelPointNamesPagePkt final : public sc_SyncPagePacket
{
public:
    SC_PanelPointNamesPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    const QVector<PanelPointNamesRecord> &records() const { return m_records; }

    bool isAccepted() const override;
    bool isRoutedHere() const override;
    void handlePacketData() override;
    void serialise() override;

private:
    void readRecord();

    quint8 m_languages;
    quint16 m_recordCount;
    QVector<PanelPointNamesRecord> m_records;
};
