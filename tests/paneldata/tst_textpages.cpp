#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SyncPageBench.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "link/PanelTextDecoder.h"
#include "link/SyncClient.h"
#include "paneldata/PanelPointStringsFile.h"
#include "paneldata/PointTextCache.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

enum Page {
    ZoneNames = 6,
    PointNames = 7,
    DeviceTags = 11,
    Descriptions = 12,
    Information = 18,
    EventNames = 19,
    RegionNames = 28
};
constexpr int Stored = 0;
constexpr int Refused = 1;

// The file once the names the engine holds in memory are written.
QByteArray fileBytes(quint8 panel)
{
    PointTextCache::instance()->flush();
    QFile file(PanelPointStringsFile(panel).fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

QString pointText(quint8 panel, quint8 kind, quint8 address, quint8 point, int language = 1)
{
    return PointTextCache::instance()->pointText(panel, ChannelAddress(kind, address, 0), point, language);
}

// Code page 850 in the first language, 1251 in the second.
const QByteArray Kueche850("K\x81"
                           "che");
const QByteArray Kuchnya1251("\xca\xf3\xf5\xed\xff");
const QString Kueche = QStringLiteral("K\u00fcche");
const QString Kuchnya = QStringLiteral("\u041a\u0443\u0445\u043d\u044f");

} // namespace

// The name and text pages, from the bytes the controller sends to what the
// state store and the point-text files hold.
class tst_TextPages final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void zoneNames_data();
    void zoneNames();
    void zoneNamesLaterPartAdds();
    void pointNamesInSeveralParts();
    void anotherPanelsNameStaysCachedWhilePartsArrive();
    void pointNamesChannelOfEitherLayout_data();
    void pointNamesChannelOfEitherLayout();
    void pointNamesRefused_data();
    void pointNamesRefused();
    void textsDecodeInTheirLanguagesCodePage_data();
    void textsDecodeInTheirLanguagesCodePage();
    void systemPages_data();
    void systemPages();
    void systemPageSignatureChange();
    void informationTexts_data();
    void informationTexts();
    void regionNames_data();
    void regionNames();
    void truncatedPagesChangeNothing_data();
    void truncatedPagesChangeNothing();

private:
    int receive(int page, int panel, int part, const QByteArray &body, int layout = 0, quint32 signature = 0x1234)
    {
        return m_bench->receivePart(page, panel, part, body, layout, signature);
    }
    void seed(int bucket, const QStringList &keys)
    {
        for (const QString &key : keys)
            BucketMaster::instance()->setValue(bucket, key, QStringLiteral("old"));
    }

    QTemporaryDir m_directory;
    std::unique_ptr<SyncPageBench> m_bench;
};

void tst_TextPages::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
    qRegisterMetaType<TC::panel_t>("TC::panel_t");
}

void tst_TextPages::init()
{
    m_bench = std::make_unique<SyncPageBench>();
    PointTextCache::instance()->clearPanel(255);
    TeskGlobalConfig::instance()->setCurrentLang(1);
    textDecoders().setupTextDecoder(1, 850);
    textDecoders().setupTextDecoder(2, 1251);
}

void tst_TextPages::cleanup()
{
    m_bench.reset();
}

void tst_TextPages::zoneNames_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("bucket");

    const QStringList untouched{"70|5|1=old", "7|5|1=old"};
    QTest::newRow("two languages, zones 200 and 201")
        << hex("02 c8 02") + pageText("Lobby") + pageText("Foyer") + pageText("") + pageText("Keller") << Stored
        << QStringList{"70|5|1=old", "7|200|1=Lobby", "7|200|2=Foyer", "7|201|2=Keller"};
    QTest::newRow("one language up to zone 240")
        << hex("01 c8 29") + pageText("z").repeated(41) << Stored << QStringList();
    QTest::newRow("past zone 240") << hex("01 c8 2a") + QByteArray(42, '\0') << Refused << untouched;
    QTest::newRow("first zone 241") << hex("01 f1 00") << Refused << untouched;
    QTest::newRow("three languages") << hex("03 01 01") + pageText("a") + pageText("b") + pageText("c") << Refused
                                     << untouched;
}

void tst_TextPages::zoneNames()
{
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QFETCH(QStringList, bucket);

    seed(ZoneNames, {"7|5|1", "70|5|1"});
    QCOMPARE(receive(ZoneNames, 7, 0, body), answer);
    const QStringList held = m_bench->bucket(ZoneNames);
    if (QTest::currentDataTag() == QLatin1String("one language up to zone 240")) {
        QCOMPARE(held.size(), 42);
        QVERIFY(held.contains("7|240|1=z"));
        QVERIFY(!held.contains("7|5|1=old"));
    } else {
        QCOMPARE(sortedEntries(held), sortedEntries(bucket));
    }
}

void tst_TextPages::zoneNamesLaterPartAdds()
{
    QCOMPARE(receive(ZoneNames, 7, 0, hex("01 01 01") + pageText("One")), Stored);
    QCOMPARE(receive(ZoneNames, 7, 1, hex("01 02 01") + pageText("Two")), Stored);
    QCOMPARE(m_bench->bucket(ZoneNames), (QStringList{"7|1|1=One", "7|2|1=Two"}));
}

// Every part of a page brings some of the panel's names; all of them stay,
// in memory and in the panel's file, until part 0 of the next page.
void tst_TextPages::pointNamesInSeveralParts()
{
    QSignalSpy updated(SyncClient::instance(), &SyncClient::pointStringUpdated);
    const QByteArray part0 = hex("01 0002") + hex("00 01 01 02") + pageText("Hall") + pageText("Stairs")
                             + hex("00 02 05 01") + pageText("Plant room");
    const QByteArray part1 = hex("02 0001") + hex("00 03 0a 01") + pageText(Kueche850) + pageText(Kuchnya1251);
    QCOMPARE(receive(PointNames, 4, 0, part0), Stored);
    QCOMPARE(receive(PointNames, 4, 1, part1), Stored);
    QCOMPARE(updated.count(), 2);
    QCOMPARE(updated.at(1).at(0).value<TC::panel_t>(), TC::panel_t(4));

    QCOMPARE(fileBytes(4), QByteArray("12;1;0;1;Hall;;\n12;1;0;2;Stairs;;\n12;2;0;5;Plant room;;\n"
                                      "12;3;0;10;K\xc3\xbc"
                                      "che;"
                                      + Kuchnya.toUtf8() + ";\n"));
    QCOMPARE(pointText(4, 12, 1, 2, 2), QString());
    QCOMPARE(pointText(4, 12, 1, 2, 1), QStringLiteral("Stairs"));
    QCOMPARE(pointText(4, 12, 3, 10, 1), Kueche);
    QCOMPARE(pointText(4, 12, 3, 10, 2), Kuchnya);

    // The next page starts afresh with its part 0.
    QCOMPARE(receive(PointNames, 4, 0, hex("01 0001 00 04 01 01") + pageText("New")), Stored);
    QCOMPARE(fileBytes(4), QByteArray("12;4;0;1;New;;\n"));
    QCOMPARE(pointText(4, 12, 1, 1), QString());
}

// A screen showing an event asks for its point's name after every part of
// the names page: another panel's name stays cached meanwhile, so the panel
// whose parts arrive is neither written nor read back once per part.
void tst_TextPages::anotherPanelsNameStaysCachedWhilePartsArrive()
{
    QCOMPARE(receive(PointNames, 1, 0, hex("01 0001 00 01 01 01") + pageText("Fire point")), Stored);
    QCOMPARE(pointText(1, 12, 1, 1), QStringLiteral("Fire point"));
    QCOMPARE(receive(PointNames, 4, 0, hex("01 0001 00 01 01 01") + pageText("Four one")), Stored);
    QCOMPARE(pointText(1, 12, 1, 1), QStringLiteral("Fire point"));
    QCOMPARE(receive(PointNames, 4, 1, hex("01 0001 00 01 02 01") + pageText("Four two")), Stored);
    QCOMPARE(pointText(1, 12, 1, 1), QStringLiteral("Fire point"));

    QVERIFY(!QFile::exists(PanelPointStringsFile(4).fileName()));
    QCOMPARE(fileBytes(4), QByteArray("12;1;0;1;Four one;;\n12;1;0;2;Four two;;\n"));
    QCOMPARE(pointText(4, 12, 1, 2), QStringLiteral("Four two"));
}

void tst_TextPages::pointNamesChannelOfEitherLayout_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("channel");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("layout 1: loop 3 as it is") << 1 << hex("0c 03") << QByteArray("12;3;0;7;x;;\n");
    QTest::newRow("layout 1: kind and number nibbles") << 1 << hex("2c 03") << QByteArray("12;3;2;7;x;;\n");
    QTest::newRow("layout 0: numerical loop 3") << 0 << hex("00 03") << QByteArray("12;3;0;7;x;;\n");
    QTest::newRow("layout 0: number nibble stays") << 0 << hex("10 03") << QByteArray("12;3;1;7;x;;\n");
    QTest::newRow("layout 0: numerical 19 is the bus channel 1") << 0 << hex("00 13") << QByteArray("15;1;0;7;x;;\n");
    QTest::newRow("layout 0: a kind of its own") << 0 << hex("02 00") << QByteArray("2;0;0;7;x;;\n");
}

void tst_TextPages::pointNamesChannelOfEitherLayout()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, channel);
    QFETCH(QByteArray, line);
    QCOMPARE(receive(PointNames, 2, 0, hex("01 0001") + channel + hex("07 01") + pageText("x"), layout), Stored);
    QCOMPARE(fileBytes(2), line);
}

void tst_TextPages::pointNamesRefused_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("no languages") << 4 << hex("00 0001 00 01 01 01") + pageText("a");
    QTest::newRow("three languages") << 4 << hex("03 0001 00 01 01 01") + pageText("a") + pageText("b") + pageText("c");
    QTest::newRow("more than 4096 records") << 4 << hex("01 1001 00 01 01 01") + pageText("a");
}

void tst_TextPages::pointNamesRefused()
{
    QFETCH(int, panel);
    QFETCH(QByteArray, body);
    QCOMPARE(receive(PointNames, 4, 0, hex("01 0001 00 01 01 01") + pageText("Kept")), Stored);
    QSignalSpy updated(SyncClient::instance(), &SyncClient::pointStringUpdated);
    QCOMPARE(receive(PointNames, panel, 0, body), Refused);
    QCOMPARE(updated.count(), 0);
    QCOMPARE(fileBytes(4), QByteArray("12;1;0;1;Kept;;\n"));
}

// Each language's texts come in the code page of that language, whatever
// the language on show.
void tst_TextPages::textsDecodeInTheirLanguagesCodePage_data()
{
    QTest::addColumn<int>("currentLanguage");
    QTest::newRow("first language shown") << 1;
    QTest::newRow("second language shown") << 2;
}

void tst_TextPages::textsDecodeInTheirLanguagesCodePage()
{
    QFETCH(int, currentLanguage);
    TeskGlobalConfig::instance()->setCurrentLang(currentLanguage);
    QCOMPARE(receive(ZoneNames, 1, 0, hex("02 03 01") + pageText(Kueche850) + pageText(Kuchnya1251)), Stored);
    QCOMPARE(m_bench->value(ZoneNames, "1|3|1"), Kueche);
    QCOMPARE(m_bench->value(ZoneNames, "1|3|2"), Kuchnya);
    QCOMPARE(receive(PointNames, 1, 0, hex("02 0001 00 01 09 01") + pageText(Kueche850) + pageText(Kuchnya1251)),
             Stored);
    QCOMPARE(pointText(1, 12, 1, 9, 1), Kueche);
    QCOMPARE(pointText(1, 12, 1, 9, 2), Kuchnya);
    QCOMPARE(fileBytes(1), Kueche.toUtf8().prepend("12;1;0;9;") + ';' + Kuchnya.toUtf8() + ";\n");
}

void tst_TextPages::systemPages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("panel");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("bucket");

    QTest::newRow("tags round through 255")
        << int(DeviceTags) << 254
        << hex("fe 0004") + pageText("T254") + pageText("T255") + pageText("T0") + pageText("T1") << Stored
        << QStringList{"0=T0", "1=T1", "254=T254", "255=T255", "7=old"};
    // Another panel's tags are not for this engine: acknowledged, not kept.
    QTest::newRow("tags of a panel") << int(DeviceTags) << 3 << hex("00 0001") + pageText("T") << Stored
                                     << QStringList{"7=old"};
    QTest::newRow("more than 256 tags") << int(DeviceTags) << 254 << hex("00 0101") << Refused << QStringList{"7=old"};
    QTest::newRow("descriptions in two languages")
        << int(Descriptions) << 254
        << hex("02 ff 0002") + pageText("Smoke") + pageText(Kuchnya1251) + pageText("Heat") + pageText("") << Stored
        << QStringList{"0|1=Heat", "255|1=Smoke", "255|2=" + Kuchnya, "7=old"};
    QTest::newRow("descriptions of a panel")
        << int(Descriptions) << 2 << hex("01 00 0001") + pageText("x") << Stored << QStringList{"7=old"};
    QTest::newRow("descriptions in no language")
        << int(Descriptions) << 254 << hex("00 00 0001") << Refused << QStringList{"7=old"};
    QTest::newRow("event names round through 65535")
        << int(EventNames) << 254 << hex("01 ffff 0002") + pageText("Last") + pageText("First") << Stored
        << QStringList{"0|1=First", "65535|1=Last", "7=old"};
    QTest::newRow("event names of any panel")
        << int(EventNames) << 3 << hex("02 0010 0001") + pageText("Fire") + pageText(Kuchnya1251) << Stored
        << QStringList{"16|1=Fire", "16|2=" + Kuchnya, "7=old"};
    QTest::newRow("no event names") << int(EventNames) << 254 << hex("01 0010 0000") << Refused << QStringList{"7=old"};
}

void tst_TextPages::systemPages()
{
    QFETCH(int, page);
    QFETCH(int, panel);
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QFETCH(QStringList, bucket);

    seed(page, {"7"});
    QCOMPARE(receive(page, panel, 0, body), answer);
    QCOMPARE(sortedEntries(m_bench->bucket(page)), sortedEntries(bucket));
}

// The tag and description pages announce a part whose signature changed,
// so the screens that show device types refresh.
void tst_TextPages::systemPageSignatureChange()
{
    QSignalSpy changed(&SyncClient::instance()->syncPages(), &sc_syncPages::signatureChanged);
    const QByteArray tags = hex("00 0001") + pageText("T");
    QCOMPARE(receive(DeviceTags, 254, 0, tags, 0, 0x10), Stored);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(receive(DeviceTags, 254, 0, hex("00 0001") + pageText("U"), 0, 0x10), Stored);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_bench->value(DeviceTags, "0"), QStringLiteral("U"));
    QCOMPARE(receive(DeviceTags, 254, 0, tags, 0, 0x11), Stored);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<SC_SyncPageIDS::eSyncPageInformationIDs>(), SC_SyncPageIDS::ePointDeviceTags);
    QCOMPARE(receive(Descriptions, 254, 0, hex("01 00 0001") + pageText("D"), 0, 0x20), Stored);
    QCOMPARE(receive(Descriptions, 254, 0, hex("01 00 0001") + pageText("D"), 0, 0x21), Stored);
    QCOMPARE(changed.count(), 2);
    sc_syncPages::SignatureEntry entry;
    QVERIFY(SyncClient::instance()->syncPages().signature(Descriptions, 254, 0, entry));
    QCOMPARE(entry.signature, quint32(0x21));
}

void tst_TextPages::informationTexts_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("bucket");

    const QStringList untouched{"3|1|1=old", "30|1|1=old"};
    QTest::newRow("message 0") << 0 << hex("01 00 01") + pageText("Call the warden") << Stored
                               << QStringList{"3|0|1=Call the warden", "30|1|1=old"};
    QTest::newRow("messages 96 to 100") << 0
                                        << hex("01 60 05") + pageText("a") + pageText("b") + pageText("c")
                                               + pageText("d") + pageText("e")
                                        << Stored << QStringList{"3|100|1=e", "3|96|1=a", "3|97|1=b",
                                                                 "3|98|1=c",  "3|99|1=d", "30|1|1=old"};
    QTest::newRow("past message 100") << 0
                                      << hex("01 61 05") + pageText("a") + pageText("b") + pageText("c") + pageText("d")
                                             + pageText("e")
                                      << Refused << untouched;
    QTest::newRow("no message") << 0 << hex("01 00 00") << Refused << untouched;
    QTest::newRow("line feeds become blanks, two languages")
        << 1 << hex("02 05 01") + pageText("Exit\nleft") + pageText("\xca\n\xf3") << Stored
        << QStringList{"3|1|1=old", "3|5|1=Exit left", "3|5|2=\u041a \u0443", "30|1|1=old"};
}

void tst_TextPages::informationTexts()
{
    QFETCH(int, part);
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QFETCH(QStringList, bucket);

    seed(Information, {"3|1|1", "30|1|1"});
    QCOMPARE(receive(Information, 3, part, body), answer);
    QCOMPARE(sortedEntries(m_bench->bucket(Information)), sortedEntries(bucket));
}

void tst_TextPages::regionNames_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("bucket");

    QTest::newRow("an empty name is not stored") << 7 << 1
                                                 << hex("02 0002 0c 03") + pageText("North wing") + pageText("")
                                                        + hex("2c 01") + pageText("") + pageText(Kuchnya1251)
                                                 << Stored << QStringList{"7|12|3|1=North wing", "7|44|1|2=" + Kuchnya};
    QTest::newRow("layout 0: a numerical loop")
        << 7 << 0 << hex("01 0001 00 03") + pageText("Loop 3") << Stored << QStringList{"7|12|3|1=Loop 3"};
    QTest::newRow("layout 0: a kind of its own")
        << 7 << 0 << hex("01 0001 02 00") + pageText("Port") << Stored << QStringList{"7|2|0|1=Port"};
    QTest::newRow("panel 100") << 100 << 1 << hex("01 0001 0c 03") + pageText("x") << Stored << QStringList();
    QTest::newRow("three languages") << 7 << 1 << hex("03 0001 0c 03") + pageText("x") + pageText("y") + pageText("z")
                                     << Refused << QStringList();
}

void tst_TextPages::regionNames()
{
    QFETCH(int, panel);
    QFETCH(int, layout);
    QFETCH(QByteArray, body);
    QFETCH(int, answer);
    QFETCH(QStringList, bucket);

    QCOMPARE(receive(RegionNames, panel, 0, body, layout), answer);
    QCOMPARE(sortedEntries(m_bench->bucket(RegionNames)), sortedEntries(bucket));
}

// A part cut short, or one whose text claims more bytes than the packet
// holds, is refused whole: nothing of it is stored, what was held stays.
void tst_TextPages::truncatedPagesChangeNothing_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("zone names") << int(ZoneNames)
                                << hex("02 01 02") + pageText("a") + pageText("b") + pageText("c") + pageText("d");
    QTest::newRow("point names") << int(PointNames)
                                 << hex("02 0002 00 01 01 01") + pageText("a") + pageText("b") + hex("00 02 01 01")
                                        + pageText("c") + pageText("d");
    QTest::newRow("device tags") << int(DeviceTags) << hex("00 0002") + pageText("a") + pageText("b");
    QTest::newRow("descriptions") << int(Descriptions) << hex("01 00 0002") + pageText("a") + pageText("b");
    QTest::newRow("information") << int(Information) << hex("01 01 02") + pageText("a") + pageText("b");
    QTest::newRow("event names") << int(EventNames) << hex("01 0001 0002") + pageText("a") + pageText("b");
    QTest::newRow("region names") << int(RegionNames)
                                  << hex("01 0002 0c 01") + pageText("a") + hex("0c 02") + pageText("b");
}

void tst_TextPages::truncatedPagesChangeNothing()
{
    QFETCH(int, page);
    QFETCH(QByteArray, body);
    const int panel = page == DeviceTags || page == Descriptions ? 254 : 1;

    QCOMPARE(receive(PointNames, 1, 0, hex("01 0001 00 09 01 01") + pageText("Kept")), Stored);
    seed(page, {"1|9|1"});
    const QStringList before = m_bench->bucket(page);
    const QByteArray keptFile = fileBytes(1);
    MessageCapture messages;

    // Every cut of the whole part, its length field naming the whole.
    const QByteArray whole = syncPagePart(quint8(page), quint8(panel), 0, 0x99, body);
    for (int cut = 1; cut < whole.size(); ++cut)
        m_bench->receive(whole.left(cut));
    m_bench->takeSent();
    // The last text's length byte promising more than is there.
    QByteArray overlong = body;
    overlong[overlong.size() - 2] = char(0x40);
    QCOMPARE(receive(page, panel, 0, overlong), Refused);

    QCOMPARE(m_bench->bucket(page), before);
    QCOMPARE(fileBytes(1), keptFile);
    QCOMPARE(pointText(1, 12, 9, 1), QStringLiteral("Kept"));
    QVERIFY(messages.contains(QStringLiteral("truncated; not stored")));
    QCOMPARE(receive(page, panel, 0, body), Stored);
}

QTEST_GUILESS_MAIN(tst_TextPages)
#include "tst_textpages.moc"
