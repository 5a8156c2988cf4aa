#include "PacketBytes.h"
#include "link/PanelTextDecoder.h"
#include "link/RightToLeftText.h"
#include "link/SC_PacketBuffer.h"

#include <QtTest>

class tst_PanelText final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void codePages_data();
    void codePages();
    void everyCodePageOfTheTableOpens();
    void longTextInAWideCodePage();
    void stateStartsAfreshForEachText();
    void undecodableTextReadsDecodingError_data();
    void undecodableTextReadsDecodingError();
    void slotsAreIndependent();
    void readTextConsumesTheField();
    void readTextRightToLeft();
    void reorderRightToLeft_data();
    void reorderRightToLeft();
    void rightToLeftClass_data();
    void rightToLeftClass();
    void wrapBidiEmbedding_data();
    void wrapBidiEmbedding();
};

namespace {

QString decode(int slot, const QByteArray &bytes, bool rightToLeft = false)
{
    return textDecoders().decodePanelText(slot, bytes.constData(), bytes.size(), rightToLeft);
}

QString text(std::initializer_list<ushort> codes)
{
    QString result;
    for (ushort code : codes)
        result += QChar(code);
    return result;
}

} // namespace

void tst_PanelText::cleanup()
{
    textDecoders().setupTextDecoder(1, 850);
    textDecoders().setupTextDecoder(2, 850);
}

void tst_PanelText::codePages_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("850") << 850 << hex("41 82") << text({'A', 0xE9});
    QTest::newRow("852") << 852 << hex("a5") << text({0x0105});
    QTest::newRow("866") << 866 << hex("80") << text({0x0410});
    QTest::newRow("936") << 936 << hex("c4e3") << text({0x4F60});
    QTest::newRow("862") << 862 << hex("80") << text({0x05D0});
    QTest::newRow("737") << 737 << hex("80") << text({0x0391});
    QTest::newRow("857") << 857 << hex("8d") << text({0x0131});
    QTest::newRow("437") << 437 << hex("82") << text({0xE9});
    QTest::newRow("874") << 874 << hex("a1") << text({0x0E01});
    QTest::newRow("932") << 932 << hex("82a0") << text({0x3042});
    QTest::newRow("949") << 949 << hex("b0a1") << text({0xAC00});
    QTest::newRow("950") << 950 << hex("a4a4") << text({0x4E2D});
    QTest::newRow("1258 composes") << 1258 << hex("61 cc") << text({0xE0});
    QTest::newRow("1258 last letter kept") << 1258 << hex("61") << QStringLiteral("a");
    QTest::newRow("720 built in") << 720 << hex("41 9f e0 fe") << text({'A', 0x0627, 0x0636, 0x25A0});
    QTest::newRow("1252") << 1252 << hex("80") << text({0x20AC});
    QTest::newRow("1250") << 1250 << hex("8a") << text({0x0160});
    QTest::newRow("1251") << 1251 << hex("c0") << text({0x0410});
    QTest::newRow("1255") << 1255 << hex("e0") << text({0x05D0});
    QTest::newRow("1253") << 1253 << hex("c1") << text({0x0391});
    QTest::newRow("1254") << 1254 << hex("d0") << text({0x011E});
    QTest::newRow("1256") << 1256 << hex("c7") << text({0x0627});
    QTest::newRow("unknown code page is 850") << 1200 << hex("82") << text({0xE9});
    QTest::newRow("empty") << 1252 << QByteArray() << QString();
}

void tst_PanelText::codePages()
{
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QVERIFY(textDecoders().setupTextDecoder(2, quint16(codePage)));
    QCOMPARE(decode(2, bytes), expected);
}

void tst_PanelText::everyCodePageOfTheTableOpens()
{
    const QList<int> table{850, 852,  866, 936,  862,  737,  857,  437,  874,  932, 949,
                           950, 1258, 720, 1252, 1250, 1251, 1255, 1253, 1254, 1256};
    for (int codePage : table) {
        QVERIFY2(textDecoders().setupTextDecoder(1, quint16(codePage)), qPrintable(QString::number(codePage)));
        QCOMPARE(decode(1, "Zone 1"), QStringLiteral("Zone 1"));
    }
}

// 255 letters of two UTF-8 bytes each, and 127 of three: the decoded text
// is far longer than its 255 input bytes.
void tst_PanelText::longTextInAWideCodePage()
{
    QCOMPARE(decode(1, QByteArray(255, '\x82')), QString(255, QChar(0xE9)));
    textDecoders().setupTextDecoder(1, 932);
    QByteArray kana;
    for (int i = 0; i < 127; ++i)
        kana += hex("82a0");
    QCOMPARE(decode(1, kana), QString(127, QChar(0x3042)));
}

// A letter that a text ends with must not be combined with the start of
// the next text.
void tst_PanelText::stateStartsAfreshForEachText()
{
    textDecoders().setupTextDecoder(1, 1258);
    QCOMPARE(decode(1, "a"), QStringLiteral("a"));
    QCOMPARE(decode(1, hex("cc 62")), text({0x0300, 'b'}));
    textDecoders().setupTextDecoder(1, 932);
    QCOMPARE(decode(1, hex("82")), PanelTextDecoder::decodingError());
    QCOMPARE(decode(1, hex("a1")), text({0xFF61}));
}

void tst_PanelText::undecodableTextReadsDecodingError_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("byte with no character") << 1252 << hex("61 81 62");
    QTest::newRow("half a double-byte letter") << 932 << hex("41 82");
    QTest::newRow("longer than a text field") << 850 << QByteArray(256, 'a');
}

void tst_PanelText::undecodableTextReadsDecodingError()
{
    QFETCH(int, codePage);
    QFETCH(QByteArray, bytes);
    textDecoders().setupTextDecoder(1, quint16(codePage));
    QCOMPARE(decode(1, bytes), QStringLiteral("DECODING ERROR"));
}

void tst_PanelText::slotsAreIndependent()
{
    textDecoders().setupTextDecoder(1, 1251);
    textDecoders().setupTextDecoder(2, 1253);
    QCOMPARE(decode(1, hex("c1")), text({0x0411}));
    QCOMPARE(decode(2, hex("c1")), text({0x0391}));
    // Every slot number other than 1 is the second language.
    QCOMPARE(decode(7, hex("c1")), text({0x0391}));
}

void tst_PanelText::readTextConsumesTheField()
{
    textDecoders().setupTextDecoder(1, 1252);
    SC_PacketBuffer received(lkPacket(245, hex("616263 61 81 62 09")));
    QCOMPARE(received.readText(3, false), QStringLiteral("abc"));
    QCOMPARE(received.readText(3, false), QStringLiteral("DECODING ERROR"));
    QCOMPARE(received.readUInt8(), quint8(9));
    QVERIFY(!received.isBad());
    QCOMPARE(received.readText(1, false), QString());
    QVERIFY(received.isBad());
}

void tst_PanelText::readTextRightToLeft()
{
    textDecoders().setupTextDecoder(1, 1255);
    SC_PacketBuffer received(lkPacket(245, hex("616263 20 e0e1e2")));
    QCOMPARE(received.readText(7, true), text({0x05D2, 0x05D1, 0x05D0, ' ', 'a', 'b', 'c'}));
}

void tst_PanelText::reorderRightToLeft_data()
{
    const QChar alef(0x05D0), bet(0x05D1), gimel(0x05D2), dalet(0x05D3);
    QTest::addColumn<QString>("logical");
    QTest::addColumn<QString>("visual");
    QTest::newRow("no right-to-left") << "Zone  12 north"
                                      << "Zone  12 north";
    QTest::newRow("latin then hebrew") << QString("abc ") + alef + bet + gimel << QString(gimel) + bet + alef + " abc";
    QTest::newRow("mixed word") << QString("ab") + alef + bet << QString(bet) + alef + "ab";
    QTest::newRow("two hebrew words") << QString(alef) + bet + ' ' + gimel + dalet
                                      << QString(dalet) + gimel + ' ' + bet + alef;
    QTest::newRow("latin around hebrew") << QString("a ") + alef + bet + " b" << QString("b ") + bet + alef + " a";
    QTest::newRow("lines kept in order") << QString("abc\n") + alef + bet << QString("abc\n") + bet + alef;
    QTest::newRow("empty") << ""
                           << "";
}

void tst_PanelText::reorderRightToLeft()
{
    QFETCH(QString, logical);
    QFETCH(QString, visual);
    QCOMPARE(::reorderRightToLeft(logical), visual);
}

void tst_PanelText::rightToLeftClass_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("wordClass");
    QTest::newRow("empty") << QString() << 3;
    QTest::newRow("latin") << "abc" << 1;
    QTest::newRow("hebrew letter") << QString("a") + QChar(0x05D0) << 2;
    QTest::newRow("hebrew point is not a letter") << QString(QChar(0x05B0)) << 1;
}

void tst_PanelText::rightToLeftClass()
{
    QFETCH(QString, word);
    QFETCH(int, wordClass);
    QCOMPARE(::rightToLeftClass(word), wordClass);
}

void tst_PanelText::wrapBidiEmbedding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("wrapped");
    QTest::newRow("left to right") << "abc" << text({0x202A, 'a', 'b', 'c', 0x200E, 0x202C});
    QTest::newRow("right to left") << text({0x05D0, 0x05D1}) << text({0x202B, 0x05D0, 0x05D1, 0x200F, 0x202C});
}

void tst_PanelText::wrapBidiEmbedding()
{
    QFETCH(QString, text);
    QFETCH(QString, wrapped);
    QCOMPARE(::wrapBidiEmbedding(text), wrapped);
}

QTEST_APPLESS_MAIN(tst_PanelText)
#include "tst_paneltext.moc"
