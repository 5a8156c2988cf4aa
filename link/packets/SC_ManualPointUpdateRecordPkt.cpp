#include "link/packets/SC_ManualPointUpdateRecordPkt.h"

#include "core/ChannelConversion.h"

#include <QDebug>

namespace {

constexpr quint8 RecordKind = 0;
constexpr quint8 LoopKind = 12;

SC_RequestFields fields(quint16 recordNumber, quint8 loop, quint8 point, QVector<ModifiedPointSetting> settings,
                        int layoutKind)
{
    QPair<quint8, quint8> channel(LoopKind, loop);
    if (layoutKind == 0) {
        channel = channelAddressToNumerical(LoopKind, loop);
        channel.first &= 0x0F;
    }
    if (settings.size() > SC_ManualPointUpdateRecordPkt::MaximumSettings) {
        qWarning() << "SC_ManualPointUpdateRecordPkt" << settings.size() << "settings of point" << point
                   << "; the first" << SC_ManualPointUpdateRecordPkt::MaximumSettings << "are sent";
        settings.resize(SC_ManualPointUpdateRecordPkt::MaximumSettings);
    }
    SC_RequestFields fields;
    fields.u8(RecordKind).u16(recordNumber).u8(channel.first).u8(channel.second).u8(point);
    fields.u8(quint8(settings.size()));
    for (const ModifiedPointSetting &setting : qAsConst(settings)) {
        fields.u8(setting.flags);
        if (setting.flags & ModifiedPointSetting::HasDeviceUse)
            fields.u16(setting.deviceUse);
        if (setting.flags & ModifiedPointSetting::HasZone)
            fields.u8(setting.zone);
        if (setting.flags & ModifiedPointSetting::HasLogicalPoint)
            fields.u8(setting.logicalPointNumber);
        // The length byte counts the bytes sent.
        if (setting.flags & ModifiedPointSetting::HasText)
            fields.countedBytes(setting.text.toLocal8Bit());
    }
    return fields;
}

} // namespace

SC_ManualPointUpdateRecordPkt::SC_ManualPointUpdateRecordPkt(quint8 panel, quint16 recordNumber, quint8 loop,
                                                             quint8 point,
                                                             const QVector<ModifiedPointSetting> &settings,
                                                             int layoutKind)
    : SC_RequestPacket(fields(recordNumber, loop, point, settings, layoutKind), SubCode,
                       SC_RequestAddress{layoutKind, panel, true})
{
}
