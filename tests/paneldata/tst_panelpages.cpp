#include "BitPositions.h"
#include "ConfigurationPageBench.h"
#include "MessageCapture.h"
#include "core/Languages.h"
#include "link/PanelTextDecoder.h"
#include "link/SyncClient.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/SWVersions.h"

#include <QtTest>

#include <memory>

namespace {

// Page 3 up to field 26: tool version 2.5.<third>, issue 7, zone limit
// <zoneLimit>, loop word 0x0003, two languages of texts.
QByteArray panelPageFields(quint8 third = 0, quint8 zoneLimit = 120, const QByteArray &projectName = " Harbour ")
{
    QByteArray body = hex("02 05") + char(third) + hex("09 09 09  0007  00000064 000000c8  00000000 00 0000  0042")
                      + char(zoneLimit) + hex("0003");
    body += pageText(projectName) + pageText("unused") + pageText("Tmpl") + pageText("Hall ") + pageText("Halle");
    body += hex("00b4 00 00 0000 02") + pageText("x") + pageText("y");
    return body;
}

// Optional sections A to E.
QByteArray sectionA()
{
    return hex("01 0a 05 02  02 02  01 0a 0b 0c") + pageText("Lobby") + pageText("Foyer") + hex("01 14 15 16")
           + pageText("Second") + pageText("Zweite");
}
QByteArray sectionB()
{
    return hex("00 02") + pageText(" Type ") + pageText("Typ");
}

} // namespace

class TestPanelPages final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void page3_withoutSections();
    void page3_allSections();
    void page3_sectionsStopEarly_data();
    void page3_sectionsStopEarly();
    void page3_toolVersionWithThird();
    void page3_textsFollowTheRightToLeftRule_data();
    void page3_textsFollowTheRightToLeftRule();
    void page3_zoneLimitAbove241_isIgnored();
    void page3_truncated_storesNothing();
    void page3_firstPart_forgetsLoopStates();

    void page40_lists();
    void page40_endsAfterFirstList_clearsPanel();
    void page40_refused_data();
    void page40_refused();
    void page40_twoParts_keepSecond();

    void page4_equipment();
    void page4_layout0_convertsAddress();
    void page4_twoParts_keepSecond();
    void page4_panelWithoutTable();
    void truncations_storeNothing();

private:
    int handle3(const QByteArray &body, int panel = 7, int part = 0) { return m_pages->receive(3, panel, part, body); }
    int handle40(const QByteArray &body, int panel = 2, int part = 0, int page = 40)
    {
        return m_pages->receive(page, panel, part, body);
    }
    int handle4(const QByteArray &body, int panel = 1, int part = 0, int layout = 1)
    {
        return m_pages->receive(4, panel, part, body, layout);
    }

    std::unique_ptr<ConfigurationPageBench> m_pages;
};

void TestPanelPages::cleanup()
{
    m_pages.reset();
}

void TestPanelPages::init()
{
    m_pages = std::make_unique<ConfigurationPageBench>();
    PanelConfiguration::instance()->clearAll();
    LoopDriverConfiguration::instance()->clearAll();
    LoopDriverConfiguration::instance()->clearAllLoopBits();
    SWVersions::instance()->clearAll();
}

void TestPanelPages::page3_firstPart_forgetsLoopStates()
{
    SyncClient *client = SyncClient::instance();
    client->recordLoopState(7, 2, 0);
    client->recordLoopState(8, 2, 1);
    QCOMPARE(handle3(panelPageFields(), 7, 1), 0);
    QCOMPARE(client->loopState(7, 2), 0);
    QCOMPARE(handle3(panelPageFields(), 7, 0), 0);
    QCOMPARE(client->loopState(7, 2), -1);
    QCOMPARE(client->loopState(8, 2), 1);
}

void TestPanelPages::page3_withoutSections()
{
    QCOMPARE(handle3(panelPageFields()), 0);
    PanelConfiguration *config = PanelConfiguration::instance();
    QCOMPARE(config->panels(), QList<quint8>{7});
    QCOMPARE(config->toolVersion(7), QStringLiteral("v2.5"));
    QCOMPARE(config->projectIssue(7), quint16(6));
    QCOMPARE(config->projectCreationTime(7), quint32(100));
    QCOMPARE(config->projectDownloadTime(7), quint32(200));
    QCOMPARE(config->localCoreDataValue(7), quint16(0x42));
    QCOMPARE(config->zoneLimit(7), quint8(120));
    QCOMPARE(config->projectName(7), QStringLiteral("Harbour"));
    QCOMPARE(config->projectTemplateName(7), QStringLiteral("Tmpl"));
    QCOMPARE(config->panelName(7, 1), QStringLiteral("Hall"));
    QCOMPARE(config->panelName(7, 2), QStringLiteral("Halle"));
    QCOMPARE(config->investigateDelay(7), quint16(180));
    QVERIFY(config->printers(7).isEmpty());
    QVERIFY(config->panelTypeName(7, 1).isEmpty());
    QCOMPARE(config->networkCardAddress(7), quint8(0));
    QCOMPARE(config->panelIdentifier(7), QStringLiteral("-"));
    QCOMPARE(config->connectedServicesSupported(7), 0);

    const QBitArray loops = LoopDriverConfiguration::instance()->panelLoopBits(7);
    QCOMPARE(loops.size(), 255);
    QCOMPARE(setBits(loops), (QList<int>{1, 2}));
}

void TestPanelPages::page3_allSections()
{
    QCOMPARE(handle3(panelPageFields() + sectionA() + sectionB() + hex("21") + pageText("P-07") + hex("01")), 0);
    PanelConfiguration *config = PanelConfiguration::instance();
    const QBitArray loops = LoopDriverConfiguration::instance()->panelLoopBits(7);
    QCOMPARE(loops.size(), 256);
    // Bits 1 to 10 from 0x05 0x02.
    QCOMPARE(setBits(loops), (QList<int>{1, 3, 10}));
    QCOMPARE(config->printers(7).size(), 2);
    QCOMPARE(config->printers(7).at(0).listedExtra, quint8(0x0b));
    QCOMPARE(config->printerName(7, 1, 2), QStringLiteral("Foyer"));
    QCOMPARE(config->printerName(7, 1, 1), QStringLiteral("Lobby"));
    QCOMPARE(config->panelTypeName(7, 1), QStringLiteral(" Type "));
    QCOMPARE(config->panelTypeName(7, 2), QStringLiteral("Typ"));
    QCOMPARE(config->networkCardAddress(7), quint8(0x21));
    QCOMPARE(config->panelIdentifier(7), QStringLiteral("P-07"));
    QCOMPARE(config->connectedServicesSupported(7), 1);
}

void TestPanelPages::page3_sectionsStopEarly_data()
{
    QTest::addColumn<QByteArray>("sections");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<int>("networkCard");

    QTest::newRow("after A") << sectionA() << QStringLiteral("-") << 0;
    QTest::newRow("after C") << sectionA() + sectionB() + hex("05") << QStringLiteral("-") << 5;
    QTest::newRow("identifier length 0") << sectionA() + sectionB() + hex("05 00 01") << QStringLiteral("-") << 5;
}

void TestPanelPages::page3_sectionsStopEarly()
{
    QFETCH(QByteArray, sections);
    QFETCH(QString, identifier);
    QFETCH(int, networkCard);

    handle3(panelPageFields() + sections);
    QCOMPARE(PanelConfiguration::instance()->panelIdentifier(7), identifier);
    QCOMPARE(int(PanelConfiguration::instance()->networkCardAddress(7)), networkCard);
    QCOMPARE(PanelConfiguration::instance()->printers(7).size(), 2);
}

void TestPanelPages::page3_toolVersionWithThird()
{
    handle3(panelPageFields(1));
    QCOMPARE(PanelConfiguration::instance()->toolVersion(7), QStringLiteral("v2.5.1"));
}

void TestPanelPages::page3_textsFollowTheRightToLeftRule_data()
{
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<QString>("projectName");

    // "abc" and Hebrew alef, bet, gimel in code page 1255.
    QTest::newRow("left to right") << false << QString("abc ") + QChar(0x05D0) + QChar(0x05D1) + QChar(0x05D2);
    QTest::newRow("right to left") << true << QString(QChar(0x05D2)) + QChar(0x05D1) + QChar(0x05D0) + " abc";
}

// The project and panel names are shown as the translator's direction says;
// printer and panel type names never are reordered.
void TestPanelPages::page3_textsFollowTheRightToLeftRule()
{
    QFETCH(bool, rightToLeft);
    QFETCH(QString, projectName);
    textDecoders().setupTextDecoder(1, 1255);
    Languages::setPanelTextRightToLeft(rightToLeft);
    const QByteArray hebrew = hex("616263 20 e0e1e2");
    const int status = handle3(panelPageFields(0, 120, hebrew) + hex("01 0a 05 02  01 01  01 0a 0b 0c")
                               + pageText(hebrew) + hex("00 01") + pageText(hebrew));
    Languages::setPanelTextRightToLeft(false);
    textDecoders().setupTextDecoder(1, PanelTextDecoder::DefaultCodePage);

    QCOMPARE(status, 0);
    const QString logical = QString("abc ") + QChar(0x05D0) + QChar(0x05D1) + QChar(0x05D2);
    QCOMPARE(PanelConfiguration::instance()->projectName(7), projectName);
    QCOMPARE(PanelConfiguration::instance()->printerName(7, 1, 1), logical);
    QCOMPARE(PanelConfiguration::instance()->panelTypeName(7, 1), logical);
}

void TestPanelPages::page3_zoneLimitAbove241_isIgnored()
{
    handle3(panelPageFields());
    handle3(panelPageFields(0, 241), 8);
    QCOMPARE(PanelConfiguration::instance()->zoneLimit(8), quint8(241));

    QCOMPARE(handle3(panelPageFields(3, 242) + sectionA()), 0);
    QCOMPARE(PanelConfiguration::instance()->toolVersion(7), QStringLiteral("v2.5"));
    QCOMPARE(setBits(LoopDriverConfiguration::instance()->panelLoopBits(7)), (QList<int>{1, 2}));
}

void TestPanelPages::page3_truncated_storesNothing()
{
    handle3(panelPageFields(), 9);
    m_pages->receiveCuts(3, 9, 0, panelPageFields(4) + sectionA() + sectionB());
    QCOMPARE(PanelConfiguration::instance()->toolVersion(9), QStringLiteral("v2.5"));
    QCOMPARE(PanelConfiguration::instance()->printers(9).size(), 0);
}

void TestPanelPages::page40_lists()
{
    handle40(hex("03  00 01 00 01 03 01  00 01 00 02 03 02  00 02 00 00 05 03"
                 "  01  00 00 21 04"
                 "  07 02  01 10  03 30  aa bb"));
    LoopDriverConfiguration *loops = LoopDriverConfiguration::instance();
    QCOMPARE(loops->loopNumbers(2), (QList<int>{1, 2, 3}));
    QCOMPARE(loops->pairedLoop(2, 1), quint8(2));
    QCOMPARE(loops->pairedLoop(2, 2), quint8(1));
    QCOMPARE(loops->loopDriverType(2, 3), quint8(5));
    QCOMPARE(loops->loopsByCard(2).value(1), (QList<int>{1, 2}));
    QCOMPARE(loops->optionCardAddress(2, 4), quint8(0x21));
    QCOMPARE(loops->loopValue(2, 1), 0x10);
    QCOMPARE(loops->loopValue(2, 3), 0x30);
}

void TestPanelPages::page40_endsAfterFirstList_clearsPanel()
{
    handle40(hex("01 00 01 00 01 03 01  01 00 00 21 04  05 01 01 10"));
    handle40(hex("01 00 01 00 00 03 02"));
    LoopDriverConfiguration *loops = LoopDriverConfiguration::instance();
    QCOMPARE(loops->loopNumbers(2), QList<int>{2});
    QCOMPARE(loops->optionCardAddress(2, 4), quint8(0));
    QCOMPARE(loops->loopValue(2, 1), 0);
}

void TestPanelPages::page40_refused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("page");

    QByteArray drivers(1, char(250));
    for (int i = 0; i < 250; ++i)
        drivers += hex("00 01 00 00 03 09");
    QTest::newRow("250 drivers") << drivers << 40;
    QByteArray cards = hex("00 fa");
    for (int i = 0; i < 250; ++i)
        cards += hex("00 00 21 04");
    QTest::newRow("250 option cards") << cards << 40;
    QTest::newRow("another page id") << hex("01 00 01 00 00 03 09") << 43;
}

void TestPanelPages::page40_refused()
{
    QFETCH(QByteArray, body);
    QFETCH(int, page);

    handle40(hex("01 00 01 00 00 03 02"));
    QVERIFY(handle40(body, 2, 0, page) != 0);
    QCOMPARE(LoopDriverConfiguration::instance()->loopNumbers(2), QList<int>{2});
}

void TestPanelPages::page40_twoParts_keepSecond()
{
    handle40(hex("01 00 01 00 00 03 02"), 2, 0);
    handle40(hex("01 00 01 00 00 03 05"), 2, 1);
    QCOMPARE(LoopDriverConfiguration::instance()->loopNumbers(2), QList<int>{5});
}

void TestPanelPages::page4_equipment()
{
    handle4(hex("03"
                "  00 00 01 06 02  00 03 01 00 00000010  01 01 00 07 00000020"
                "  00 02 04 00 01  00 02 00 0c 00000030"
                "  00 00 05 07 00"));
    SWVersions *sw = SWVersions::instance();
    QCOMPARE(sw->panelEquipmentType(1), 6);
    const QVector<EquipmentRecord> board = sw->panelBoardVersions(1);
    QCOMPARE(board.size(), 1);
    QCOMPARE(SWVersions::versionTextOf(board.first(), 0), QStringLiteral("v3.1"));
    QCOMPARE(SWVersions::versionTextOf(board.first(), 1), QStringLiteral("v1.0.7"));
    QCOMPARE(board.first().versions.at(1).buildTime, quint32(0x20));
    QCOMPARE(sw->loopCardVersions(1, 2).size(), 1);
    QCOMPARE(SWVersions::versionTextOf(sw->loopCardVersions(1, 2).first(), 0), QStringLiteral("v2.0.12"));
    QCOMPARE(sw->optionCardVersions(1, 7).size(), 1);
    QVERIFY(sw->optionCardVersions(1, 7).first().versions.isEmpty());
}

void TestPanelPages::page4_layout0_convertsAddress()
{
    handle4(hex("01  00 0b 06 01 00"), 1, 0, 0);
    const QVector<EquipmentRecord> records = SWVersions::instance()->recordsOfKind(1, 6);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().firstAddressByte, quint8(14));
    QCOMPARE(records.first().secondAddressByte, quint8(2));
}

void TestPanelPages::page4_twoParts_keepSecond()
{
    handle4(hex("01  00 00 01 06 00"), 1, 0);
    handle4(hex("01  00 00 01 02 00"), 1, 1);
    QCOMPARE(SWVersions::instance()->recordsOfKind(1, 1).size(), 1);
    QCOMPARE(SWVersions::instance()->panelEquipmentType(1), 2);
    handle4(hex("00"), 1, 0);
    QVERIFY(SWVersions::instance()->recordsOfKind(1, 1).isEmpty());
}

void TestPanelPages::page4_panelWithoutTable()
{
    handle4(hex("01  00 00 01 06 00"), 99, 0);
    MessageCapture capture;
    QCOMPARE(handle4(hex("01  00 00 01 02 00"), 100, 0), 0);
    QCOMPARE(handle4(hex("01  00 00 01 02 00"), 255, 0), 0);
    QVERIFY(capture.contains(QStringLiteral("is not for this engine; acknowledged, nothing stored")));
    QVERIFY(capture.warnings().isEmpty());
    QCOMPARE(SWVersions::instance()->panelEquipmentType(99), 6);
    QCOMPARE(SWVersions::instance()->panelEquipmentType(100), 0);
}

// Every cut of a good page 40 or page 4 leaves the stored data as it was.
void TestPanelPages::truncations_storeNothing()
{
    handle40(hex("01 00 01 00 00 03 02"), 3);
    handle4(hex("01  00 00 01 06 00"), 3);
    m_pages->receiveCuts(40, 3, 0, hex("01 00 01 00 00 03 07  01 00 00 21 04  05 01 01 10"));
    m_pages->receiveCuts(4, 3, 0, hex("01  00 00 01 02 01 00 03 01 00 00000010"));
    QCOMPARE(LoopDriverConfiguration::instance()->loopNumbers(3), QList<int>{2});
    QCOMPARE(SWVersions::instance()->panelEquipmentType(3), 6);
}

QTEST_GUILESS_MAIN(TestPanelPages)
#include "tst_panelpages.moc"
