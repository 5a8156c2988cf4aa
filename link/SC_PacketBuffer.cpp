#include "link/SC_PacketBuffer.h"

#include "link/PanelTextDecoder.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

using Layout = SC_PacketBuffer::HeaderLayout;
constexpr quint16 Absent = SC_PacketBuffer::AbsentField;

constexpr std::array<Layout, 2> Layouts{{
    {0, 0, Absent, 4, 5, 6, 7, 9, 10, 12, 13, Absent, 14},
    {0, 1, 4, 5, 6, 7, 8, 10, 11, 13, 14, 15, 16},
}};

int receivedLayoutKind(const QByteArray &received)
{
    return received.size() > SC_PacketBuffer::LayoutMarkerOffset
                   && quint8(received.at(SC_PacketBuffer::LayoutMarkerOffset)) == SC_PacketBuffer::LayoutMarker
               ? 1
               : 0;
}

void putUInt16(QByteArray &bytes, int offset, quint16 value)
{
    qToBigEndian(value, bytes.data() + offset);
}

} // namespace

const SC_PacketBuffer::HeaderLayout &SC_PacketBuffer::layout(int kind)
{
    return Layouts[kind == 1 ? 1 : 0];
}

SC_PacketBuffer::SC_PacketBuffer(const QByteArray &received)
    : m_received(received)
    , m_layout(&layout(receivedLayoutKind(received)))
    , m_readOffset(m_layout->headerLength)
{
    m_end = int(std::min<qint64>(received.size(), lengthField()));
    m_bad = !hasWholeHeader();
    m_header = parseHeader();
}

SC_PacketBuffer::SC_PacketBuffer(int kind)
    : m_layout(&layout(kind))
    , m_outgoing(m_layout->headerLength, '\0')
{
}

QSharedPointer<SC_PacketBuffer> SC_PacketBuffer::createOutgoing(int kind)
{
    return QSharedPointer<SC_PacketBuffer>(new SC_PacketBuffer(kind));
}

bool SC_PacketBuffer::hasWholeHeader() const
{
    return m_received.size() >= m_layout->headerLength;
}

bool SC_PacketBuffer::holdsWholeHeader(const QByteArray &received)
{
    return received.size() >= layout(receivedLayoutKind(received)).headerLength;
}

quint32 SC_PacketBuffer::lengthField() const
{
    if (m_received.size() < 4)
        return 0;
    return qFromBigEndian<quint32>(m_received.constData() + m_layout->lengthOffset);
}

int SC_PacketBuffer::payloadLength() const
{
    return std::max(0, m_end - int(m_layout->headerLength));
}

// Read once, when the bytes arrive: the dispatch and the packet read it again
// and again, and received bytes never change.
SC_LkSpeakHeader SC_PacketBuffer::parseHeader() const
{
    SC_LkSpeakHeader header;
    if (!hasWholeHeader())
        return header;
    // Every field read lies inside the header, which is whole.
    const auto *bytes = reinterpret_cast<const uchar *>(m_received.constData());
    const Layout &l = *m_layout;
    header.length = lengthField();
    header.destinationNode = bytes[l.destinationNode];
    header.sourceNode = bytes[l.sourceNode];
    header.functionCode = bytes[l.functionCode];
    header.firstAddress = qFromBigEndian<quint16>(bytes + l.firstAddress);
    header.firstService = bytes[l.firstService];
    header.secondAddress = qFromBigEndian<quint16>(bytes + l.secondAddress);
    const quint8 secondServiceByte = bytes[l.secondServiceByte];
    header.secondService = secondServiceByte & 0x7F;
    header.acknowledgeRequest = (secondServiceByte & 0x80) != 0;
    header.sequence = bytes[l.sequence];
    header.layoutKind = l.kind;
    return header;
}

const char *SC_PacketBuffer::take(int count)
{
    if (m_bad || count > m_end - m_readOffset) {
        m_bad = true;
        return nullptr;
    }
    const char *field = m_received.constData() + m_readOffset;
    m_readOffset += count;
    return field;
}

quint8 SC_PacketBuffer::readUInt8()
{
    const char *field = take(1);
    return field ? quint8(*field) : 0;
}

quint16 SC_PacketBuffer::readUInt16()
{
    const char *field = take(2);
    return field ? qFromBigEndian<quint16>(field) : 0;
}

quint32 SC_PacketBuffer::readUInt32()
{
    const char *field = take(4);
    return field ? qFromBigEndian<quint32>(field) : 0;
}

QVector<quint8> SC_PacketBuffer::readByteVector(quint8 count)
{
    const char *field = take(count);
    if (!field)
        return {};
    return QVector<quint8>(reinterpret_cast<const quint8 *>(field), reinterpret_cast<const quint8 *>(field) + count);
}

// Bits that would land past the 256-position table are consumed but dropped.
QBitArray SC_PacketBuffer::readBitArray(quint8 firstBit, quint8 count)
{
    QBitArray bits(BitArraySize);
    const char *field = take((count + 7) / 8);
    if (!field)
        return bits;
    const int usable = std::min<int>(count, BitArraySize - firstBit);
    for (int i = 0; i < usable; ++i) {
        if (quint8(field[i / 8]) & (1u << (i % 8)))
            bits.setBit(firstBit + i);
    }
    return bits;
}

QString SC_PacketBuffer::readText(quint8 length, bool rightToLeft)
{
    return readText(length, rightToLeft, PanelTextDecoder::currentSlot());
}

QString SC_PacketBuffer::readText(quint8 length, bool rightToLeft, int languageSlot)
{
    const char *field = take(length);
    if (!field)
        return {};
    return textDecoders().decodePanelText(languageSlot, field, length, rightToLeft);
}

void SC_PacketBuffer::rewind()
{
    m_readOffset = m_layout->headerLength;
}

void SC_PacketBuffer::writeHeader(const SC_LkSpeakHeader &header)
{
    m_layout = &layout(header.layoutKind);
    const Layout &l = *m_layout;
    // In place: the buffer was made for a header of this layout.
    m_outgoing.fill('\0', l.headerLength);
    putUInt16(m_outgoing, l.lengthOffset + 2, l.headerLength);
    if (l.marker != Absent)
        m_outgoing[l.marker] = char(LayoutMarker);
    m_outgoing[l.destinationNode] = char(header.destinationNode);
    m_outgoing[l.sourceNode] = char(header.sourceNode);
    m_outgoing[l.functionCode] = char(header.functionCode);
    putUInt16(m_outgoing, l.firstAddress, header.firstAddress);
    m_outgoing[l.firstService] = char(header.firstService);
    putUInt16(m_outgoing, l.secondAddress, header.secondAddress);
    m_outgoing[l.secondServiceByte] = char(header.secondServiceByte());
    m_outgoing[l.sequence] = char(header.sequence);
}

void SC_PacketBuffer::appendByte(quint8 value)
{
    m_outgoing.append(char(value));
}

void SC_PacketBuffer::appendUInt16(quint16 value)
{
    appendByte(quint8(value >> 8));
    appendByte(quint8(value));
}

void SC_PacketBuffer::appendUInt32(quint32 value)
{
    appendUInt16(quint16(value >> 16));
    appendUInt16(quint16(value));
}

void SC_PacketBuffer::appendByteArray(const QByteArray &bytes)
{
    m_outgoing.append(bytes);
}

void SC_PacketBuffer::appendBitArray(const QBitArray &bits)
{
    QByteArray packed((bits.size() + 7) / 8, '\0');
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            packed[i / 8] = char(quint8(packed[i / 8]) | (1u << (i % 8)));
    }
    m_outgoing.append(packed);
}

// The length byte counts the bytes that follow it. A text longer than 255
// bytes is cut at the last whole character that fits, so the controller
// never receives half a UTF-8 sequence.
void SC_PacketBuffer::appendText(const QString &text)
{
    QByteArray encoded = text.toUtf8();
    if (encoded.size() > MaximumTextBytes) {
        int cut = MaximumTextBytes;
        while (cut > 0 && (quint8(encoded.at(cut)) & 0xC0) == 0x80)
            --cut;
        encoded.truncate(cut);
    }
    appendByte(quint8(encoded.size()));
    m_outgoing.append(encoded);
}

void SC_PacketBuffer::writeLength()
{
    qToBigEndian(quint32(m_outgoing.size()), m_outgoing.data() + m_layout->lengthOffset);
}
