#pragma once

#include "pointmodels/ModelFacade.h"

// Walks every possible point of a range of loop addresses instead of the
// configured points, so that a list can show the free addresses too. Each
// point is offered as a loop point (channel kind 12) with a record that
// names no device: zone 254, device type 127, no attributes, every function.
class AllPointsFacade final : public ModelFacade
{
public:
    // A channel number above 7 means 0 to 7; a kind-12 address above 32
    // means loops 1 to 32, another loop walks its paired address range; a
    // kind-13 address of 4 or more means 1 to 3; a point of 240 or less
    // walks that point alone.
    AllPointsFacade(CountModel *model, const QSharedPointer<SimplePointFilter> &head, TC::panel_t panel,
                    quint8 channelNumber, quint8 channelKind, quint8 channelAddress, quint8 point);

    void run() override;

private:
    quint8 m_firstNumber = 0;
    quint8 m_lastNumber = 0;
    quint8 m_firstAddress = 0;
    quint8 m_lastAddress = 0;
    quint8 m_firstPoint = 0;
    quint8 m_lastPoint = 240;
};
