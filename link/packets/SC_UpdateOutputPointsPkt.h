#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

#include <QVector>

// The controller sets the LEDs of output points (function codes 66 on, 67
// off, 68 first pulse pattern, 69 second pulse pattern). Payload:
//   flags (bit 7: a list follows; bits 0-2: output kind, 0 the panel's
//   own outputs, 2 the extension bus's) | first | count |
//   ceil(count / 8) bytes, one bit per point from first on, most
//   significant bit first; a set bit selects the point
class SC_UpdateOutputPointsPkt final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FirstFunctionCode = LkFunctionCode::OutputPointsOn;
    static constexpr int LastFunctionCode = LkFunctionCode::OutputPointsPulse2;

    explicit SC_UpdateOutputPointsPkt(const QSharedPointer<SC_PacketBuffer> &received);

    int ledState() const { return m_ledState; }
    quint8 outputKind() const { return m_outputKind; }
    const QVector<quint8> &points() const { return m_points; }

    void handlePacketData() override;
    void serialise() override;

private:
    int m_ledState;
    quint8 m_outputKind = 0;
    QVector<quint8> m_points;
};
