#pragma once

#include "link/SC_LkSpeakHeader.h"

#include <QBitArray>
#include <QByteArray>
#include <QSharedPointer>
#include <QString>
#include <QVector>

// The bytes of one LkSpeak packet, read or written field by field. Every
// multi-byte field is big-endian. The header comes in two layouts:
//
//   field                 layout 0   layout 1
//   length (u32)          0-3        0-3       whole packet, header included
//   layout marker (u8)    -          4         always 228
//   destination node      4          5
//   source node           5          6
//   function code         6          7
//   first address (u16)   7-8        8-9
//   first service         9          10
//   second address (u16)  10-11      11-12
//   second service        12         13        bit 7: acknowledge requested
//   sequence              13         14
//   reserved              -          15        always 0
//
// A received packet is read through one bounded cursor: the readable bytes
// end at the packet's length field or at the last byte received, whichever
// comes first. A read past that end returns 0 (or an empty value), reads
// nothing, and marks the buffer bad for good, so a parser reads all its
// fields and checks isBad() once.
class SC_PacketBuffer final
{
public:
    struct HeaderLayout
    {
        quint16 lengthOffset;
        int kind;
        quint16 marker;
        quint16 destinationNode;
        quint16 sourceNode;
        quint16 functionCode;
        quint16 firstAddress;
        quint16 firstService;
        quint16 secondAddress;
        quint16 secondServiceByte;
        quint16 sequence;
        quint16 reserved;
        quint16 headerLength;
    };
    static constexpr quint16 AbsentField = 65535;
    static constexpr quint8 LayoutMarker = 228;
    static constexpr int LayoutMarkerOffset = 4;
    static constexpr int MaximumHeaderLength = 16;

    static const HeaderLayout &layout(int kind);

    // Over received bytes; shares them, copies nothing.
    explicit SC_PacketBuffer(const QByteArray &received);
    static QSharedPointer<SC_PacketBuffer> createOutgoing(int kind);

    int layoutKind() const { return m_layout->kind; }
    int headerLength() const { return m_layout->headerLength; }

    // Received side.
    bool hasWholeHeader() const;
    // The same for bytes not yet in a buffer.
    static bool holdsWholeHeader(const QByteArray &received);
    const SC_LkSpeakHeader &header() const { return m_header; }
    quint32 lengthField() const;
    int payloadLength() const;
    int readOffset() const { return m_readOffset; }
    bool isBad() const { return m_bad; }

    quint8 readUInt8();
    quint16 readUInt16();
    quint32 readUInt32();
    QVector<quint8> readByteVector(quint8 count);
    QBitArray readBitArray(quint8 firstBit, quint8 count);
    // Decoded with the code page of the current language.
    QString readText(quint8 length, bool rightToLeft);
    // Decoded with the code page of the given language slot (1 or 2), for a
    // field that names its language.
    QString readText(quint8 length, bool rightToLeft, int languageSlot);
    void rewind();

    // Outgoing side.
    void writeHeader(const SC_LkSpeakHeader &header);
    void appendByte(quint8 value);
    void appendUInt16(quint16 value);
    void appendUInt32(quint32 value);
    void appendByteArray(const QByteArray &bytes);
    void appendBitArray(const QBitArray &bits);
    void appendText(const QString &text);
    void writeLength();
    QByteArray getByteArray() const { return m_outgoing; }

    static constexpr int BitArraySize = 256;
    static constexpr int MaximumTextBytes = 255;

private:
    explicit SC_PacketBuffer(int kind);

    const char *take(int count);
    SC_LkSpeakHeader parseHeader() const;

    QByteArray m_received;
    const HeaderLayout *m_layout;
    int m_end = 0;
    int m_readOffset = 0;
    bool m_bad = false;
    SC_LkSpeakHeader m_header;
    QByteArray m_outgoing;
};
