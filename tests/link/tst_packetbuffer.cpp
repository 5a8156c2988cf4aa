#include "PacketBytes.h"
#include "link/SC_PacketBuffer.h"

#include <QtTest>

class tst_PacketBuffer final : public QObject
{
    Q_OBJECT

private slots:
    void headerLayouts_data();
    void headerLayouts();
    void marker228SelectsLayout1();
    void lengthFieldFollowsAppends();
    void bigEndianReaders();
    void bigEndianWriters_data();
    void bigEndianWriters();
    void readBitArray_data();
    void readBitArray();
    void appendBitArray_data();
    void appendBitArray();
    void appendText_data();
    void appendText();
    void boundedReads_data();
    void boundedReads();
    void badFlagIsSticky();
    void byteVectorReadsAtMost255();
    void rewindReturnsToFirstPayloadByte();
};

namespace {

SC_LkSpeakHeader sampleHeader(int layout)
{
    SC_LkSpeakHeader header;
    header.layoutKind = layout;
    header.functionCode = 245;
    header.destinationNode = 3;
    header.sourceNode = 0;
    header.firstAddress = 0x0102;
    header.firstService = 1;
    header.secondAddress = 0x0304;
    header.secondService = 50;
    header.acknowledgeRequest = true;
    header.sequence = 9;
    return header;
}

} // namespace

void tst_PacketBuffer::headerLayouts_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("layout 0") << 0 << hex("0000000e 03 00 f5 0102 01 0304 b2 09");
    QTest::newRow("layout 1") << 1 << hex("00000010 e4 03 00 f5 0102 01 0304 b2 09 00");
}

void tst_PacketBuffer::headerLayouts()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, golden);

    const auto outgoing = SC_PacketBuffer::createOutgoing(layout);
    outgoing->writeHeader(sampleHeader(layout));
    QCOMPARE(outgoing->getByteArray().toHex(' '), golden.toHex(' '));
    QCOMPARE(outgoing->headerLength(), golden.size());

    SC_PacketBuffer received(golden);
    QVERIFY(received.hasWholeHeader());
    QVERIFY(!received.isBad());
    QCOMPARE(received.layoutKind(), layout);
    QCOMPARE(received.readOffset(), golden.size());
    const SC_LkSpeakHeader header = received.header();
    const SC_LkSpeakHeader expected = sampleHeader(layout);
    QCOMPARE(header.length, quint32(golden.size()));
    QCOMPARE(header.functionCode, expected.functionCode);
    QCOMPARE(header.destinationNode, expected.destinationNode);
    QCOMPARE(header.sourceNode, expected.sourceNode);
    QCOMPARE(header.firstAddress, expected.firstAddress);
    QCOMPARE(header.firstService, expected.firstService);
    QCOMPARE(header.secondAddress, expected.secondAddress);
    QCOMPARE(header.secondService, expected.secondService);
    QCOMPARE(header.acknowledgeRequest, true);
    QCOMPARE(header.sequence, expected.sequence);
    QCOMPARE(header.layoutKind, layout);
}

void tst_PacketBuffer::marker228SelectsLayout1()
{
    // A layout-0 packet to node 228 cannot be told from a layout-1 packet.
    const QByteArray bytes = hex("00000010 e4 00 f5 0102 01 0304 32 09 00 00 00");
    SC_PacketBuffer received(bytes);
    QCOMPARE(received.layoutKind(), 1);
    QCOMPARE(received.header().sourceNode, quint8(245));
    QCOMPARE(received.header().functionCode, 1);
}

void tst_PacketBuffer::lengthFieldFollowsAppends()
{
    for (int layout : {0, 1}) {
        const auto outgoing = SC_PacketBuffer::createOutgoing(layout);
        outgoing->writeHeader(sampleHeader(layout));
        outgoing->appendByte(25);
        outgoing->appendUInt32(7);
        outgoing->writeLength();
        const QByteArray bytes = outgoing->getByteArray();
        QCOMPARE(bytes.size(), outgoing->headerLength() + 5);
        QCOMPARE(bytes.left(4).toHex(), QByteArray::number(bytes.size(), 16).rightJustified(8, '0'));
    }
}

void tst_PacketBuffer::bigEndianReaders()
{
    SC_PacketBuffer received(lkPacket(245, hex("01 0203 04050607 ff fffe ffffffff")));
    QCOMPARE(received.readUInt8(), quint8(0x01));
    QCOMPARE(received.readOffset(), 15);
    QCOMPARE(received.readUInt16(), quint16(0x0203));
    QCOMPARE(received.readOffset(), 17);
    QCOMPARE(received.readUInt32(), quint32(0x04050607));
    QCOMPARE(received.readOffset(), 21);
    QCOMPARE(received.readUInt8(), quint8(0xff));
    QCOMPARE(received.readUInt16(), quint16(0xfffe));
    QCOMPARE(received.readUInt32(), quint32(0xffffffff));
    QVERIFY(!received.isBad());
}

void tst_PacketBuffer::bigEndianWriters_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("u8") << 1 << 0xa5u << hex("a5");
    QTest::newRow("u16") << 2 << 0x1234u << hex("1234");
    QTest::newRow("u16 high") << 2 << 0xff00u << hex("ff00");
    QTest::newRow("u32") << 4 << 0xdeadbeefu << hex("deadbeef");
    QTest::newRow("u32 small") << 4 << 1u << hex("00000001");
}

void tst_PacketBuffer::bigEndianWriters()
{
    QFETCH(int, width);
    QFETCH(quint32, value);
    QFETCH(QByteArray, golden);
    const auto outgoing = SC_PacketBuffer::createOutgoing(0);
    if (width == 1)
        outgoing->appendByte(quint8(value));
    else if (width == 2)
        outgoing->appendUInt16(quint16(value));
    else
        outgoing->appendUInt32(value);
    QCOMPARE(outgoing->getByteArray().mid(14).toHex(), golden.toHex());
}

void tst_PacketBuffer::readBitArray_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QList<int>>("setBits");
    QTest::addColumn<int>("consumed");
    QTest::newRow("first 1, 10 bits") << 1 << 10 << hex("05 02") << QList<int>{1, 3, 10} << 2;
    QTest::newRow("no bits") << 0 << 0 << QByteArray() << QList<int>{} << 0;
    QTest::newRow("8 bits, one byte") << 0 << 8 << hex("81") << QList<int>{0, 7} << 1;
    QTest::newRow("bits past the count ignored") << 0 << 3 << hex("ff") << QList<int>{0, 1, 2} << 1;
    QTest::newRow("past the table end") << 250 << 16 << hex("ffff") << QList<int>{250, 251, 252, 253, 254, 255} << 2;
}

void tst_PacketBuffer::readBitArray()
{
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(QByteArray, field);
    QFETCH(QList<int>, setBits);
    QFETCH(int, consumed);

    SC_PacketBuffer received(lkPacket(245, field));
    const QBitArray bits = received.readBitArray(quint8(first), quint8(count));
    QCOMPARE(bits.size(), 256);
    QList<int> found;
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            found << i;
    }
    QCOMPARE(found, setBits);
    QCOMPARE(received.readOffset(), 14 + consumed);
    QVERIFY(!received.isBad());
}

void tst_PacketBuffer::appendBitArray_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("setBits");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("9 bits, 0 and 8") << 9 << QList<int>{0, 8} << hex("01 01");
    QTest::newRow("empty") << 0 << QList<int>{} << QByteArray();
    QTest::newRow("16 bits") << 16 << QList<int>{1, 7, 15} << hex("82 80");
}

void tst_PacketBuffer::appendBitArray()
{
    QFETCH(int, size);
    QFETCH(QList<int>, setBits);
    QFETCH(QByteArray, golden);
    QBitArray bits(size);
    for (int bit : setBits)
        bits.setBit(bit);
    const auto outgoing = SC_PacketBuffer::createOutgoing(0);
    outgoing->appendBitArray(bits);
    QCOMPARE(outgoing->getByteArray().mid(14).toHex(), golden.toHex());
}

void tst_PacketBuffer::appendText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("abc") << QStringLiteral("abc") << hex("03 616263");
    QTest::newRow("empty") << QString() << hex("00");
    // The count is of the encoded bytes, not of the characters.
    QTest::newRow("non-ASCII") << QString::fromUtf8("\xc3\xa9t\xc3\xa9") << hex("05 c3a9 74 c3a9");
    QTest::newRow("300 letters cut at 255") << QString(300, QLatin1Char('a')) << hex("ff") + QByteArray(255, 'a');
    // 128 two-byte letters: the last whole letter within 255 bytes ends at 254.
    QTest::newRow("no half character") << QString(128, QChar(0xe9)) << hex("fe") + QString(127, QChar(0xe9)).toUtf8();
}

void tst_PacketBuffer::appendText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, golden);
    const auto outgoing = SC_PacketBuffer::createOutgoing(0);
    outgoing->appendText(text);
    QCOMPARE(outgoing->getByteArray().mid(14).toHex(' '), golden.toHex(' '));
}

void tst_PacketBuffer::boundedReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("readable");
    QTest::addColumn<bool>("wholeHeader");
    QTest::newRow("length field matches") << lkPacket(245, hex("0102030405")) << 5 << true;
    QTest::newRow("length field shorter than the bytes") << lkPacket(245, hex("0102030405"), 0, 16) << 2 << true;
    QTest::newRow("length field longer than the bytes") << lkPacket(245, hex("0102030405"), 0, 1000) << 5 << true;
    QTest::newRow("length field inside the header") << lkPacket(245, hex("0102030405"), 0, 3) << 0 << true;
    QTest::newRow("layout 1") << lkPacket(245, hex("010203"), 1) << 3 << true;
    QTest::newRow("shorter than a header") << hex("0000000e 03 00 f5") << 0 << false;
    QTest::newRow("layout 1 with a layout-0 size") << hex("0000000e e4 00 f5 0102 01 0304 32 09") << 0 << false;
    QTest::newRow("empty") << QByteArray() << 0 << false;
}

void tst_PacketBuffer::boundedReads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, readable);
    QFETCH(bool, wholeHeader);

    SC_PacketBuffer received(bytes);
    QCOMPARE(received.hasWholeHeader(), wholeHeader);
    QCOMPARE(received.payloadLength(), readable);
    for (int i = 0; i < readable; ++i)
        QCOMPARE(received.readUInt8(), quint8(wholeHeader ? i + 1 : 0));
    QCOMPARE(received.isBad(), !wholeHeader);
    const int offset = received.readOffset();
    QCOMPARE(received.readUInt8(), quint8(0));
    QVERIFY(received.isBad());
    QCOMPARE(received.readOffset(), offset);
}

void tst_PacketBuffer::badFlagIsSticky()
{
    SC_PacketBuffer received(lkPacket(245, hex("010203")));
    QCOMPARE(received.readUInt32(), quint32(0));
    QVERIFY(received.isBad());
    // The bytes are there, but a parser that overran once is abandoned.
    QCOMPARE(received.readUInt8(), quint8(0));
    QCOMPARE(received.readUInt16(), quint16(0));
    QVERIFY(received.readByteVector(1).isEmpty());
    QCOMPARE(received.readBitArray(0, 8).count(true), 0);
    received.rewind();
    QVERIFY(received.isBad());
}

void tst_PacketBuffer::byteVectorReadsAtMost255()
{
    SC_PacketBuffer received(lkPacket(245, QByteArray(300, '\x07')));
    const QVector<quint8> bytes = received.readByteVector(255);
    QCOMPARE(bytes.size(), 255);
    QCOMPARE(bytes.first(), quint8(7));
    QCOMPARE(received.readOffset(), 14 + 255);
    QCOMPARE(received.readByteVector(255).size(), 0);
    QVERIFY(received.isBad());
}

void tst_PacketBuffer::rewindReturnsToFirstPayloadByte()
{
    SC_PacketBuffer received(lkPacket(245, hex("19 06"), 1));
    QCOMPARE(received.readUInt8(), quint8(0x19));
    received.rewind();
    QCOMPARE(received.readOffset(), 16);
    QCOMPARE(received.readUInt8(), quint8(0x19));
    QCOMPARE(received.readUInt8(), quint8(0x06));
}

QTEST_APPLESS_MAIN(tst_PacketBuffer)
#include "tst_packetbuffer.moc"
