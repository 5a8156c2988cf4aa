#pragma once

#include <QMetaType>
#include <QtGlobal>

namespace EventLog {

// The controller's event sequence number; it wraps from 65535 to 0.
typedef unsigned short SeqNum_t;

// Categories the event log acts on: the low four bits of eventCat.
enum Category : quint8 {
    CategoryDisablement = 3,
    CategoryFault = 4,
    CategoryFire = 8,
    CategoryNone = 15,
};

// One event as the controller reports it, fields in the order of the
// event-log data packet. Signals carry it by pointer to const, valid only
// while the signal is delivered: receivers copy what they keep.
struct EventData
{
    quint8 node = 0;
    quint8 channel = 0;
    quint8 channelAddr = 0;
    quint8 pointCat = 0;
    quint8 pointNum = 0;
    quint8 logicalPointNum = 0;
    quint8 logicalPointZone = 0;
    quint8 deviceType = 0;
    quint16 eventCode = 0;
    SeqNum_t seqNo = 0;
    quint8 zone = 0;
    quint8 sector = 0;
    quint32 timeAndDate = 0;
    quint8 priority = 0;
    quint8 stdPriority = 0;
    // Low nibble: the category; in a restoral the high nibble is the
    // category of the event it restores.
    quint8 eventCat = CategoryNone;
    // Bit 0: restoral; bits 1-2: active status.
    quint8 statusBits = 0;
    quint8 acceptStatus = 0;
    // Bit 0: point output; bit 1: event channel; bit 2: solo detector;
    // bits 3-5 and 7: point input (bit 7 weighs 8).
    quint8 pointBits = 0;
    quint16 clientID = 0;
    quint16 totalNoEvents = 0;
    quint16 eventPosTotal = 0;
    // 4: an information text id follows.
    quint8 extDataProvided = 0;
    quint8 infoTextID = 255;

    quint8 category() const { return eventCat & 0x0F; }
    bool isRestoral() const { return statusBits & 0x01; }
    // The category a restoral restores; CategoryNone for any other event.
    quint8 restoredCategory() const { return isRestoral() ? quint8(eventCat >> 4) : quint8(CategoryNone); }
    // The point as one number: panel, the two ChannelAddress bytes and the
    // point number, from the low byte up.
    quint32 packedKey() const
    {
        return quint32(node) | (quint32(channel) << 8) | (quint32(pointCat) << 12) | (quint32(channelAddr) << 16)
               | (quint32(pointNum) << 24);
    }
};

} // namespace EventLog

Q_DECLARE_METATYPE(EventLog::EventData)
Q_DECLARE_METATYPE(const EventLog::EventData *)
