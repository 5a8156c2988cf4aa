#include "link/SC_PointsIndividual.h"

#include "core/ChannelConversion.h"
#include "core/PointAddressKey.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/DisableDataMapFilter.h"

#include <QDebug>

#include <algorithm>
#include <array>

SC_PointsIndividual::SC_PointsIndividual()
    : SC_PointsAddress(Individual)
{
}

void SC_PointsIndividual::addPoint(quint8 channelKind, quint8 channelAddress, quint8 channelNumber, quint8 point)
{
    m_points.append(PointIndividualAddress(channelKind, channelAddress, channelNumber, point));
}

int SC_PointsIndividual::byteLength(int start) const
{
    const quint16 remaining = quint16(count() - start);
    return std::min<int>(remaining, MaximumChunkEntries) * 3 + 3;
}

// The entry that brings the twentieth distinct channel closes the chunk.
int SC_PointsIndividual::chunkLength(int start) const
{
    const int limit = std::min(count() - start, MaximumChunkEntries);
    std::array<quint16, MaximumChunkChannels> channels{};
    int channelCount = 0;
    int taken = 0;
    while (taken < limit) {
        const quint16 channel = m_points.at(start + taken).channel().key();
        ++taken;
        if (std::find(channels.begin(), channels.begin() + channelCount, channel) == channels.begin() + channelCount) {
            channels[size_t(channelCount++)] = channel;
            if (channelCount == MaximumChunkChannels)
                break;
        }
    }
    return taken;
}

int SC_PointsIndividual::loadByteArray(QByteArray &target, int start) const
{
    if (start < 0 || start >= count()) {
        qWarning().nospace() << "SC_PointsIndividual::loadByteArray"
                             << ":" << 78 << " attempt to load past end of list";
        return 0;
    }
    const int taken = chunkLength(start);
    const int first = target.size();
    target.resize(first + 3 + 3 * taken);
    char *out = target.data() + first;
    *out++ = char(kind());
    *out++ = char(panel());
    *out++ = char(taken);
    for (int i = start + taken - 1; i >= start; --i) {
        const PointIndividualAddress &entry = m_points.at(i);
        *out++ = char(entry.channel().byte0());
        *out++ = char(entry.channel().byte1());
        *out++ = char(entry.point());
    }
    return start + taken == count() ? 0 : start + taken;
}

bool SC_PointsIndividual::containsFlaggedPoint() const
{
    const DisableDataMapFilter flagged;
    // The entries hold their channels as the link sends them (numerical in
    // header layout 0); the maps are kept by channel kind and address.
    const int layout = TeskGlobalConfig::instance()->packetHeaderLayout();
    for (const PointIndividualAddress &entry : m_points) {
        const ChannelAddress &sent = entry.channel();
        const QPair<quint8, quint8> kindAndAddress = channelFromLayout(sent.kind(), sent.address(), layout);
        const ChannelAddress channel(kindAndAddress.first, kindAndAddress.second, sent.number());
        PointAddressKey record;
        record.pointNumber = entry.point();
        if (flagged.accept(panel(), &channel, &record))
            return true;
    }
    return false;
}
