#include "pointmodels/AllPointsFacade.h"

#include "pointmodels/model.h"

namespace {

constexpr quint8 LastChannelNumber = 7;
constexpr quint8 LoopKind = 12;
constexpr quint8 LastLoop = 32;
constexpr quint8 PseudoKind = 13;
constexpr quint8 LastPseudoAddress = 3;
constexpr quint8 LastPoint = 240;
constexpr quint8 FreeAddressDeviceType = 127;

} // namespace

AllPointsFacade::AllPointsFacade(CountModel *model, const QSharedPointer<SimplePointFilter> &head, TC::panel_t panel,
                                 quint8 channelNumber, quint8 channelKind, quint8 channelAddress, quint8 point)
    : ModelFacade(model, head, panel)
{
    if (channelNumber != 0) {
        const bool single = channelNumber <= LastChannelNumber;
        m_firstNumber = single ? channelNumber : 0;
        m_lastNumber = single ? channelNumber : LastChannelNumber;
    }
    if (channelAddress != 0) {
        if (channelKind == LoopKind) {
            if (channelAddress > LastLoop) {
                m_firstAddress = 1;
                m_lastAddress = LastLoop;
            } else {
                m_firstAddress = m_lastAddress = channelAddress;
                const QPair<quint8, quint8> range = model::instance()->pairedLoopAddressRange(panel, channelAddress);
                m_firstPoint = range.first;
                m_lastPoint = range.second;
            }
        } else if (channelKind == PseudoKind) {
            const bool single = channelAddress <= LastPseudoAddress;
            m_firstAddress = single ? channelAddress : 1;
            m_lastAddress = single ? channelAddress : LastPseudoAddress;
        }
    }
    if (point <= LastPoint)
        m_firstPoint = m_lastPoint = point;
}

void AllPointsFacade::run()
{
    if (hasNoFilter())
        return;
    PointAddressKey record(0, PointAddressKey::NoZone, FreeAddressDeviceType, 0, 0xFFFFFFFFu,
                           PointAddressKey::NoLogicalPointNumber);
    for (int panel = m_firstPanel; panel <= m_lastPanel; ++panel) {
        for (int number = m_firstNumber; number <= m_lastNumber; ++number) {
            for (int address = m_firstAddress; address <= m_lastAddress; ++address) {
                const ChannelAddress channel(LoopKind, quint8(address), quint8(number));
                for (int point = m_firstPoint; point <= m_lastPoint; ++point) {
                    record.pointNumber = quint8(point);
                    ModelFacade::visit(TC::panel_t(panel), &channel, &record);
                }
            }
        }
    }
}
