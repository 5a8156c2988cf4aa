#include "MessageCapture.h"
#include "PacketBytes.h"
#include "StdoutCapture.h"
#include "SyncPageBench.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "link/packets/SC_TESKConfigurationPkt.h"
#include "link/sc_syncPages.h"

#include <QtTest>

#include <memory>

namespace {

// Languages 5 and 2 with usage 0x81, date format 1, every flag of the first
// byte, logical zones, logical addresses and the disablement flag, panel 7,
// reset codes 0x0102 and 0x0304, code pages 850 and 1252, custom links 10
// and 11, 5 minutes of engineer log-out.
const char *const Fixed = "15 05 02 81 01 00 3f 83 07 0102 0304 0352 04e4 0a 0b 05";

QByteArray configuration(const char *tail)
{
    return hex(Fixed) + hex(tail);
}

QByteArray eventLogReSync(int layout)
{
    return layout == 1 ? hex("00000016 e4 00 00 92 0000 01 0000 94 00 00 ffff 0000 02 0e")
                       : hex("00000014 00 00 92 0000 01 0000 94 00 ffff 0000 02 0e");
}

} // namespace

// The controller's engine configuration: what it sets, when it is applied,
// how it is answered.
class tst_EngineConfiguration final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void applied_data();
    void applied();
    void appliedOncePerLinkLoss();
    void languagesAbove38AreIgnored();
    void brandAnswer_data();
    void brandAnswer();
    void truncatedLetterTableIsDropped();
    void settingsSavedOnce();

private:
    QTemporaryDir m_directory;
    std::unique_ptr<SyncPageBench> m_bench;
    std::unique_ptr<MessageCapture> m_messages;
};

void tst_EngineConfiguration::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_EngineConfiguration::init()
{
    m_messages = std::make_unique<MessageCapture>();
    m_bench = std::make_unique<SyncPageBench>();
}

void tst_EngineConfiguration::cleanup()
{
    m_bench.reset();
    m_messages.reset();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(500);
}

void tst_EngineConfiguration::applied_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("inputChannel");
    QTest::addColumn<int>("rbusAddress");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("maskExt");
    QTest::addColumn<QString>("letters");

    QTest::newRow("every field") << configuration("0c 10 0258 00 8000 0001 02 02 41 42 43 44") << 12 << 16 << 1
                                 << 0x8000 << 0x0001 << "AC";
    QTest::newRow("version 599") << configuration("0c 10 0257 00 8000 0001") << 12 << 16 << 0 << 0x8000 << 1 << "RP";
    QTest::newRow("ends after the log-out time") << configuration("") << 7 << 255 << 0 << 0 << 0 << "RP";
    // Three bytes cannot hold channel, address and version: the brand and
    // the first mask take them.
    QTest::newRow("three bytes after the log-out time")
        << configuration("00 4000") << 7 << 255 << 0 << 0x4000 << 0 << "RP";
    QTest::newRow("one byte after the log-out time") << configuration("00") << 7 << 255 << 0 << 0 << 0 << "RP";
    QTest::newRow("one language of letters")
        << configuration("0c 10 0258 00 0000 0000 01 03 51 52 53") << 12 << 16 << 1 << 0 << 0 << "QR";
}

void tst_EngineConfiguration::applied()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, inputChannel);
    QFETCH(int, rbusAddress);
    QFETCH(int, layout);
    QFETCH(int, mask);
    QFETCH(int, maskExt);
    QFETCH(QString, letters);
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setInputPointChannel(99);
    config->setRestrictionMask(0x1234);
    SyncClient::instance()->syncPages().storeSignature(7, 1, 0, {true, true, 0x77});
    QSignalSpy updated(SyncClient::instance(), &SyncClient::BucketCommand);
    StdoutCapture out;

    m_bench->receive(supportPacket(payload));
    QCOMPARE(out.text(), QStringLiteral("sc_TESKConfiguration processed\n"));
    QCOMPARE(m_bench->takeSent(), (QByteArrayList{acknowledgement(0), eventLogReSync(layout)}));
    QVERIFY(!SyncClient::instance()->isConfigurationPending());

    QCOMPARE(config->getLanguage(1), 5);
    QCOMPARE(config->getLanguage(2), 2);
    QCOMPARE(config->getLangUsage(), quint8(0x81));
    QCOMPARE(config->getCodepage(1), quint16(850));
    QCOMPARE(config->getCodepage(2), quint16(1252));
    QCOMPARE(config->getDateFormat(), 1);
    QVERIFY(config->isKeyswitchEnabled() && config->isSwissModeEnabled() && config->isEvacuateEnabled()
            && config->isSoundersOnOffEnabled() && config->isKeySafeEnabled() && config->isAlarmAckEnabled());
    QVERIFY(config->getLogicalZones() && config->getLogicalAddr() && config->getDisablementFlag());
    QVERIFY(!config->getZoneFiltering() && !config->isPointSettingsLocked() && !config->getFirstSecondFire()
            && !config->isEvacuateWithoutLogin());
    QCOMPARE(config->getPanelNumber(), quint8(7));
    QCOMPARE(config->getResetEventCode1(), quint16(0x0102));
    QCOMPARE(config->getResetEventCode2(), quint16(0x0304));
    QCOMPARE(config->getCustomLink1(), 10);
    QCOMPARE(config->getCustomLink2(), 11);
    QCOMPARE(config->getEngineerLogoutTime(), 300000);
    QCOMPARE(config->getInputPointChannel(), inputChannel);
    QCOMPARE(config->getRbusAddress(), rbusAddress);
    QCOMPARE(config->packetHeaderLayout(), layout);
    QCOMPARE(config->isRestricted(0xffff) ? mask : 0, mask);
    QVERIFY(!config->isRestricted(~mask & 0xffff));
    QVERIFY(!config->isRestrictedExt(~maskExt & 0xffff));
    QCOMPARE(QString(config->getAddressTypeChar(0)) + config->getAddressTypeChar(1), letters);

    // Point names are asked again in the new languages.
    sc_syncPages::SignatureEntry entry;
    QVERIFY(SyncClient::instance()->syncPages().signature(7, 1, 0, entry));
    QVERIFY(!entry.current);
    QCOMPARE(entry.signature, 0u);
    QVERIFY(std::any_of(updated.cbegin(), updated.cend(), [](const QList<QVariant> &arguments) {
        const BucketCmd command = arguments.at(0).value<BucketCmd>();
        return command.command == BucketCmd::PageUpdated && command.pageId == 2;
    }));
}

void tst_EngineConfiguration::appliedOncePerLinkLoss()
{
    SyncClient *client = SyncClient::instance();
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    m_bench->receive(supportPacket(configuration("")));
    m_bench->takeSent();

    QByteArray second = configuration("");
    second[8] = char(9); // panel 9
    StdoutCapture out;
    m_bench->receive(supportPacket(second));
    QCOMPARE(out.text(), QStringLiteral("sc_TESKConfiguration ignored\n"));
    QCOMPARE(config->getPanelNumber(), quint8(7));
    QCOMPARE(m_bench->takeSent(), (QByteArrayList{acknowledgement(0), eventLogReSync(0)}));

    client->LinkStatus(false, 2);
    m_bench->receive(supportPacket(second, false));
    QCOMPARE(config->getPanelNumber(), quint8(9));
    QCOMPARE(m_bench->takeSent(), QByteArrayList{eventLogReSync(0)});
}

void tst_EngineConfiguration::languagesAbove38AreIgnored()
{
    QByteArray payload = configuration("");
    payload[1] = char(26);
    payload[2] = char(38);
    m_bench->receive(supportPacket(payload));
    SyncClient::instance()->LinkStatus(false, 2);
    payload[1] = char(39);
    payload[2] = char(255);
    m_bench->receive(supportPacket(payload));
    QCOMPARE(TeskGlobalConfig::instance()->getLanguage(1), 26);
    QCOMPARE(TeskGlobalConfig::instance()->getLanguage(2), 38);
}

void tst_EngineConfiguration::brandAnswer_data()
{
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("engine");
    QTest::addColumn<int>("answer");
    QTest::newRow("same brand") << 1 << 1 << 0;
    QTest::newRow("engine brand 0") << 1 << 0 << 2;
    QTest::newRow("engine brand 2") << 0 << 2 << 1;
}

void tst_EngineConfiguration::brandAnswer()
{
    QFETCH(int, expected);
    QFETCH(int, engine);
    QFETCH(int, answer);
    QCOMPARE(int(SC_TESKConfigurationPkt::brandAnswer(quint8(expected), engine)), answer);
}

void tst_EngineConfiguration::truncatedLetterTableIsDropped()
{
    m_bench->receive(supportPacket(configuration("0c 10 0258 00 0000 0000 02 02 41 42 43")));
    QCOMPARE(m_bench->takeSent(), QByteArrayList());
    QVERIFY(SyncClient::instance()->isConfigurationPending());
    QVERIFY(m_messages->contains(QStringLiteral("Truncated engine configuration packet dropped")));
}

// Every setting of one configuration goes into the file in one save. Each
// save attempt is counted by its failure: a folder stands where the file
// would be written.
void tst_EngineConfiguration::settingsSavedOnce()
{
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setLanguages(0, 1, 437, 1, 437);
    config->setLogicalZones(false);
    config->setLogicalAddr(false);
    config->setZoneFiltering(true);
    config->setFirstSecondFire(true);
    QDir here;
    QFile::remove(QStringLiteral("globalconfig.xml"));
    QVERIFY(here.mkdir(QStringLiteral("globalconfig.xml")));
    m_messages->clear();

    m_bench->receive(supportPacket(configuration("")));
    const QStringList attempts = m_messages->warnings().filter(QStringLiteral("DOMXMLParser::save"));
    QVERIFY(here.rmdir(QStringLiteral("globalconfig.xml")));
    QCOMPARE(attempts.size(), 1);
    QVERIFY(config->getLogicalZones() && config->getLogicalAddr() && !config->getZoneFiltering()
            && !config->getFirstSecondFire());
    QCOMPARE(config->getLanguage(1), 5);
}

QTEST_GUILESS_MAIN(tst_EngineConfiguration)
#include "tst_engineconfiguration.moc"
