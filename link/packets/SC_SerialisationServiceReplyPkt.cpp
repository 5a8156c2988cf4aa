#include "link/packets/SC_SerialisationServiceReplyPkt.h"

#include "link/SyncClient.h"
#include "link/sc_LkPointManagerServices.h"

using namespace LkSpeak::PointManagerServices;

namespace {

constexpr quint8 ReplyTypeMask = 0x1F;
constexpr int LongSummary = 24;
constexpr int MaximumDetailedBits = 255;

eSerialisationStatus statusOf(quint8 byte)
{
    return eSerialisationStatus(byte & 0x0F);
}

eSerialisationProgress progressOf(quint8 byte)
{
    return eSerialisationProgress(byte >> 5);
}

} // namespace

SC_SerialisationServiceReplyPkt::SC_SerialisationServiceReplyPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                                 SyncClient *client)
    : SC_PointManagerServicesPkt(received)
    , m_replyType(buffer()->readUInt8() & ReplyTypeMask)
    , m_client(client)
{
    switch (m_replyType) {
    case eEnquiryReply:
        readEnquiry();
        break;
    case eInitiateReply:
        readInitiate();
        break;
    case eStatusReply:
        readStatus();
        break;
    case eSummaryReply:
        readSummary();
        break;
    case eDetailedReply:
        readDetailed();
        break;
    case eLoopSetReply:
        readLoopSet();
        break;
    default:
        break;
    }
}

QBitArray SC_SerialisationServiceReplyPkt::readCountedBits(int count)
{
    return count > 0 ? buffer()->readBitArray(0, quint8(count)) : QBitArray();
}

void SC_SerialisationServiceReplyPkt::readEnquiry()
{
    SC_PacketBuffer &bytes = *buffer();
    m_statusByte = bytes.readUInt8();
    for (QBitArray &loops : m_enquiryLoops) {
        bytes.readUInt8();
        loops = readCountedBits(bytes.readUInt8());
    }
}

void SC_SerialisationServiceReplyPkt::readInitiate()
{
    SC_PacketBuffer &bytes = *buffer();
    m_statusByte = bytes.readUInt8();
    m_time = bytes.readUInt32();
    bytes.readUInt8();
    m_bits = readCountedBits(bytes.readUInt8());
}

void SC_SerialisationServiceReplyPkt::readStatus()
{
    SC_PacketBuffer &bytes = *buffer();
    const quint8 count = bytes.readUInt8();
    for (int i = 0; i < count && !bytes.isBad(); ++i) {
        SerialisationServiceStatus status;
        status.loop = bytes.readUInt8();
        const quint8 state = bytes.readUInt8();
        status.status = statusOf(state);
        status.progress = progressOf(state);
        m_statuses << status;
    }
}

// The counts are kept in the order the signal passes them: b0, b1, b2,
// b6, b3, b4, b5, b7, then the two file counts.
void SC_SerialisationServiceReplyPkt::readSummary()
{
    SC_PacketBuffer &bytes = *buffer();
    bytes.readUInt8();
    const quint8 length = bytes.readUInt8();
    m_loop = bytes.readUInt8();
    m_statusByte = bytes.readUInt8();
    m_time = bytes.readUInt32();
    constexpr std::array<int, 8> SignalSlot{0, 1, 2, 4, 5, 6, 3, 7};
    for (int wire = 0; wire < 8; ++wire)
        m_counts[size_t(SignalSlot[size_t(wire)])] = bytes.readUInt8();
    if (length < LongSummary)
        return;
    m_counts[8] = bytes.readUInt8();
    bytes.readUInt32();
    m_counts[9] = bytes.readUInt8();
    bytes.readUInt32();
}

void SC_SerialisationServiceReplyPkt::readDetailed()
{
    SC_PacketBuffer &bytes = *buffer();
    m_statusByte = bytes.readUInt8();
    m_detailed = (m_statusByte & 0x80) != 0;
    m_loop = bytes.readUInt8();
    m_time = bytes.readUInt32();
    m_bitsSet = bytes.readUInt16();
    bytes.readUInt16();
    m_bits = readCountedBits(qMin<int>(bytes.readUInt16(), MaximumDetailedBits));
}

void SC_SerialisationServiceReplyPkt::readLoopSet()
{
    SC_PacketBuffer &bytes = *buffer();
    m_statusByte = bytes.readUInt8();
    const quint8 first = bytes.readUInt8();
    const quint8 count = bytes.readUInt8();
    m_bits = bytes.readBitArray(first, count);
}

void SC_SerialisationServiceReplyPkt::handlePacketData()
{
    sc_LkPointManagerServices *services = m_client->getPointManagerServices();
    const TC::panel_t panel = sourceNode();
    switch (m_replyType) {
    case eEnquiryReply:
        emit services->SerialisationEnquiryResponse(panel, eSerialisationServiceStatus(m_statusByte & 0x03),
                                                    m_enquiryLoops[0], m_enquiryLoops[1], m_enquiryLoops[2],
                                                    m_enquiryLoops[3], m_enquiryLoops[4]);
        return;
    case eInitiateReply:
        emit services->SerialisationInitiateResponse(panel, eSerialisationInitiateStatus(m_statusByte & 0x03),
                                                     eSerialisationFromFileErrorStatus(m_statusByte >> 4), m_time,
                                                     m_bits);
        return;
    case eStatusReply:
        emit services->SerialisationStatusResponse(panel, m_statuses);
        return;
    case eSummaryReply:
        emit services->SerialisationSummaryResponse(
            panel, m_loop, statusOf(m_statusByte), progressOf(m_statusByte), m_time, m_counts[0], m_counts[1],
            m_counts[2], m_counts[3], m_counts[4], m_counts[5], m_counts[6], m_counts[7], m_counts[8], m_counts[9]);
        return;
    case eDetailedReply:
        if (m_detailed) {
            emit services->SerialisationDetailedResponse(
                panel, m_loop, eSerialisationInformationType(m_statusByte & 0x0F), m_time, m_bitsSet, m_bits);
        }
        return;
    case eLoopSetReply:
        emit services->digitalEnrolmentLoopSetReply(eSerialisationFromFileErrorStatus(m_statusByte), m_bits);
        return;
    default:
        emit services->digitalEnrolmentUnknownReplyTypeResponse(eSerialisationReplyType(m_replyType));
    }
}

void SC_SerialisationServiceReplyPkt::serialise()
{
}
