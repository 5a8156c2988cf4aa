#pragma once

#include "core/ChannelAddress.h"
#include "core/PointAddressKey.h"
#include "core/TCTypes.h"

#include <QSharedPointer>
#include <QVector>

// One link of a point filter chain: decides whether a configured point,
// given in place as its panel, channel and record, belongs in a list. A
// chain accepts a point when every filter of it does; it is built tail
// first from fresh filters and shared by pointer.
class SimplePointFilter
{
public:
    // Attribute bits of a point record as the filters read them.
    static constexpr quint8 InputPoint = 0x02;
    static constexpr quint8 OutputPoint = 0x04;
    // Bits 0x18 holding 0x08: not a physical device.
    static constexpr quint8 PhysicalMask = 0x18;
    static constexpr quint8 NotPhysical = 0x08;

    SimplePointFilter() = default;
    virtual ~SimplePointFilter();
    SimplePointFilter(const SimplePointFilter &) = delete;
    SimplePointFilter &operator=(const SimplePointFilter &) = delete;

    // Called through acceptsAll(), which never passes a null channel or
    // record.
    virtual bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const = 0;

    // Makes the filter this one's successor. Refused (the chain stays as it
    // was) for an empty pointer and for a filter whose chain already holds
    // this one, which would make the chain endless.
    void setNext(const QSharedPointer<SimplePointFilter> &filter);
    const QSharedPointer<SimplePointFilter> &next() const { return m_next; }

    // This filter and its successors, head to tail, stopping at the first
    // refusal.
    bool acceptsAll(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const;

    // Links fresh filters in the given order, tail first; the head, or null
    // for none.
    static QSharedPointer<SimplePointFilter> chainOf(const QVector<QSharedPointer<SimplePointFilter>> &filters);

protected:
    static bool isLoopKind(const ChannelAddress &channel) { return channel.kind() == 0 || channel.kind() == 12; }
    // A point of a loop, not of a loop's pseudo channels.
    static bool isLoopPointChannel(const ChannelAddress &channel)
    {
        return isLoopKind(channel) && channel.number() == 0;
    }

private:
    QSharedPointer<SimplePointFilter> m_next;
};
