#pragma once

#include "paneldata/sc_SyncPagePacket.h"

#include <QBitArray>
#include <QStringList>
#include <QVector>

#include <array>

class SyncClient;

// Page 41, the panel-wide details that go to bucket 41 (no panel prefix),
// the panel options and the default point texts. Body:
//   0-1 display flags (bits 0-1 loop display format, bit 3 restricted
//       log-on, bit 6 fault signalling included) | 2 template id |
//   3 time-keeper node | 4 supervisor node | 5 master node
// then, each only when the part holds more bytes:
//   unit texts: languages C (1 or 2) | unit count N | N records of unit id,
//     text, and when C is 2 a second id and text; records stop where the
//     part's bytes do
//   feature word (u16; 255 when absent)
//   panel options: bit count, then that many bits
//   default point texts: first language, second language
// Without unit texts, or with C not 1 or 2, nothing after the node bytes
// applies. Each text is decoded in the code page of its own language.
class SC_GlobalConfigDetailsPkt final : public sc_SyncPagePacket
{
public:
    SC_GlobalConfigDetailsPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    struct Unit
    {
        quint8 id = 0;
        QStringList texts;
    };

    bool hasUnitLanguages() const { return m_unitLanguages == 1 || m_unitLanguages == 2; }
    void readUnits();
    void readTrailingFields();

    quint16 m_displayFlags = 0;
    std::array<quint8, 4> m_nodes{};
    int m_unitLanguages = 0;
    QVector<Unit> m_units;
    quint16 m_features = 255;
    QBitArray m_panelOptions;
    QString m_defaultText1;
    QString m_defaultText2;
};
