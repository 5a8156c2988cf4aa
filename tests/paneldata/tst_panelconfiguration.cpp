#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"

#include <QtTest>

namespace {

PanelRecord sampleRecord()
{
    PanelRecord record;
    record.toolVersion = QStringLiteral("v2.5");
    record.projectIssue = 6;
    record.projectCreationTime = 1000;
    record.projectDownloadTime = 2000;
    record.localCoreDataValue = 77;
    record.zoneLimit = 120;
    record.projectName = QStringLiteral("  Harbour site ");
    record.projectTemplateName = QStringLiteral("Template\t");
    record.panelName1 = QStringLiteral(" Main hall ");
    record.panelName2 = QStringLiteral(" Haupthalle");
    record.investigateDelay = 180;
    record.printers = {PrinterEntry{1, 10, 11, 12, QStringLiteral("Lobby"), QStringLiteral("Foyer")},
                       PrinterEntry{1, 20, 21, 22, QStringLiteral("Second"), QString()},
                       PrinterEntry{4, 40, 41, 42, QStringLiteral("Plant"), QStringLiteral("Anlage")}};
    record.panelTypeName1 = QStringLiteral(" Type A ");
    record.panelTypeName2 = QStringLiteral("Typ A");
    record.networkCardAddress = 9;
    record.panelIdentifier = QStringLiteral(" P-07 ");
    record.connectedServices = 1;
    return record;
}

} // namespace

class TestPanelConfiguration final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void record_isStoredWithTrimmedTexts();
    void absentPanel_readsEmpty_data();
    void absentPanel_readsEmpty();
    void identifier_blankBecomesDash();
    void languages_data();
    void languages();
    void printerName_firstOfEqualNumbers();
    void panels_ascending();
    void newRecord_replacesOld();
    void removeAndClear_keepReportDestination();
    void reportDestination();

    void loopBits();
    void loopDrivers_pairing_data();
    void loopDrivers_pairing();
    void loopDrivers_sameLoopTwice();
    void optionCardsAndLoopValues();
    void loopClears();
};

void TestPanelConfiguration::init()
{
    PanelConfiguration::instance()->clearAll();
    LoopDriverConfiguration *loops = LoopDriverConfiguration::instance();
    loops->clearAll();
    loops->clearAllLoopBits();
}

void TestPanelConfiguration::record_isStoredWithTrimmedTexts()
{
    PanelConfiguration *config = PanelConfiguration::instance();
    config->setPanelRecord(7, sampleRecord());

    QCOMPARE(config->toolVersion(7), QStringLiteral("v2.5"));
    QCOMPARE(config->projectIssue(7), quint16(6));
    QCOMPARE(config->projectCreationTime(7), quint32(1000));
    QCOMPARE(config->projectDownloadTime(7), quint32(2000));
    QCOMPARE(config->localCoreDataValue(7), quint16(77));
    QCOMPARE(config->zoneLimit(7), quint8(120));
    QCOMPARE(config->projectName(7), QStringLiteral("Harbour site"));
    QCOMPARE(config->projectTemplateName(7), QStringLiteral("Template"));
    QCOMPARE(config->panelName(7, 1), QStringLiteral("Main hall"));
    QCOMPARE(config->panelName(7, 2), QStringLiteral("Haupthalle"));
    QCOMPARE(config->investigateDelay(7), quint16(180));
    QCOMPARE(config->printers(7).size(), 3);
    QCOMPARE(config->printers(7).at(2).listedExtra, quint8(41));
    // Panel type names are kept as sent.
    QCOMPARE(config->panelTypeName(7, 1), QStringLiteral(" Type A "));
    QCOMPARE(config->networkCardAddress(7), quint8(9));
    QCOMPARE(config->panelIdentifier(7), QStringLiteral("P-07"));
    QCOMPARE(config->connectedServicesSupported(7), 1);
}

void TestPanelConfiguration::absentPanel_readsEmpty_data()
{
    QTest::addColumn<quint8>("panel");
    QTest::newRow("never sent") << quint8(3);
    QTest::newRow("above 99") << quint8(150);
    QTest::newRow("all panels") << quint8(255);
}

void TestPanelConfiguration::absentPanel_readsEmpty()
{
    QFETCH(quint8, panel);
    PanelConfiguration *config = PanelConfiguration::instance();
    config->setPanelRecord(7, sampleRecord());

    QVERIFY(config->toolVersion(panel).isEmpty());
    QCOMPARE(config->projectIssue(panel), quint16(0));
    QCOMPARE(config->projectCreationTime(panel), quint32(0));
    QCOMPARE(config->zoneLimit(panel), quint8(0));
    QVERIFY(config->projectName(panel).isEmpty());
    QVERIFY(config->panelName(panel, 1).isEmpty());
    QVERIFY(config->panelTypeName(panel, 2).isEmpty());
    QVERIFY(config->printers(panel).isEmpty());
    QVERIFY(config->printerName(panel, 1, 1).isEmpty());
    QVERIFY(config->panelIdentifier(panel).isEmpty());
    QCOMPARE(config->connectedServicesSupported(panel), 0);
    QCOMPARE(config->panels(), QList<quint8>{7});
}

void TestPanelConfiguration::identifier_blankBecomesDash()
{
    PanelRecord record = sampleRecord();
    record.panelIdentifier = QStringLiteral("   ");
    PanelConfiguration::instance()->setPanelRecord(2, record);
    QCOMPARE(PanelConfiguration::instance()->panelIdentifier(2), QStringLiteral("-"));

    PanelConfiguration::instance()->setPanelRecord(3, PanelRecord());
    QCOMPARE(PanelConfiguration::instance()->panelIdentifier(3), QStringLiteral("-"));
}

void TestPanelConfiguration::languages_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("panelName");
    QTest::addColumn<QString>("printer4");

    QTest::newRow("1") << 1 << QStringLiteral("Main hall") << QStringLiteral("Plant");
    QTest::newRow("2") << 2 << QStringLiteral("Haupthalle") << QStringLiteral("Anlage");
    QTest::newRow("0") << 0 << QString() << QString();
    QTest::newRow("3") << 3 << QString() << QString();
}

void TestPanelConfiguration::languages()
{
    QFETCH(int, language);
    QFETCH(QString, panelName);
    QFETCH(QString, printer4);

    PanelConfiguration::instance()->setPanelRecord(7, sampleRecord());
    QCOMPARE(PanelConfiguration::instance()->panelName(7, language), panelName);
    QCOMPARE(PanelConfiguration::instance()->printerName(7, 4, language), printer4);
}

void TestPanelConfiguration::printerName_firstOfEqualNumbers()
{
    PanelConfiguration *config = PanelConfiguration::instance();
    config->setPanelRecord(7, sampleRecord());
    QCOMPARE(config->printerName(7, 1, 1), QStringLiteral("Lobby"));
    QCOMPARE(config->printerName(7, 1, 2), QStringLiteral("Foyer"));
    QVERIFY(config->printerName(7, 2, 1).isEmpty());
}

void TestPanelConfiguration::panels_ascending()
{
    PanelConfiguration *config = PanelConfiguration::instance();
    for (quint8 panel : {12, 3, 7})
        config->setPanelRecord(panel, sampleRecord());
    QCOMPARE(config->panels(), (QList<quint8>{3, 7, 12}));
}

void TestPanelConfiguration::newRecord_replacesOld()
{
    PanelConfiguration *config = PanelConfiguration::instance();
    config->setPanelRecord(7, sampleRecord());
    PanelRecord record;
    record.projectName = QStringLiteral("Other");
    config->setPanelRecord(7, record);
    QCOMPARE(config->projectName(7), QStringLiteral("Other"));
    QVERIFY(config->printers(7).isEmpty());
    QCOMPARE(config->panels().size(), 1);
}

void TestPanelConfiguration::removeAndClear_keepReportDestination()
{
    PanelConfiguration *config = PanelConfiguration::instance();
    config->setPanelRecord(7, sampleRecord());
    config->setPanelRecord(8, sampleRecord());
    config->setPrinterSelection(8, 4);
    QBitArray options(16);
    options.setBit(3);
    config->setPanelOptions(options);

    config->removePanel(7);
    config->removePanel(50);
    QCOMPARE(config->panels(), QList<quint8>{8});
    config->clearAll();
    QVERIFY(config->panels().isEmpty());
    QCOMPARE(config->printerPanel(), quint8(8));
    QCOMPARE(config->printerNumber(), quint8(4));
    QCOMPARE(config->panelOptions(), options);
}

void TestPanelConfiguration::reportDestination()
{
    // A fresh object: the report destination outlives clearAll().
    PanelConfiguration *config = PanelConfiguration::instance();
    config->setReportFormat(PanelConfiguration::Pdf);
    QCOMPARE(config->reportDestinationKind(), int(PanelConfiguration::UsbReportFile));
    QCOMPARE(config->reportFormat(), 3);

    config->setPrinterSelection(2, 5);
    QCOMPARE(config->reportDestinationKind(), int(PanelConfiguration::PanelPrinter));
    QCOMPARE(config->printerPanel(), quint8(2));
    QCOMPARE(config->printerNumber(), quint8(5));

    config->setReportFormat(PanelConfiguration::Csv);
    QCOMPARE(config->reportDestinationKind(), int(PanelConfiguration::UsbReportFile));
    QCOMPARE(config->reportFormat(), 2);
}

void TestPanelConfiguration::loopBits()
{
    LoopDriverConfiguration *loops = LoopDriverConfiguration::instance();
    QCOMPARE(loops->panelLoopBits(4), QBitArray(255));

    QBitArray bits(256);
    bits.setBit(1);
    bits.setBit(200);
    loops->setPanelLoopBits(4, bits);
    QCOMPARE(loops->panelLoopBits(4), bits);
    QCOMPARE(loops->panelLoopBits(5), QBitArray(255));

    loops->clearPanel(4);
    QCOMPARE(loops->panelLoopBits(4), bits);
    loops->removePanelLoopBits(4);
    QCOMPARE(loops->panelLoopBits(4), QBitArray(255));
}

void TestPanelConfiguration::loopDrivers_pairing_data()
{
    QTest::addColumn<quint8>("driverType");
    QTest::addColumn<quint8>("pairing");
    QTest::addColumn<quint8>("partner");

    QTest::newRow("type 3 next") << quint8(3) << quint8(1) << quint8(6);
    QTest::newRow("type 3 previous") << quint8(3) << quint8(2) << quint8(4);
    QTest::newRow("type 3 unpaired") << quint8(3) << quint8(0) << quint8(0);
    QTest::newRow("type 249 next") << quint8(249) << quint8(1) << quint8(6);
    QTest::newRow("type 0 next") << quint8(0) << quint8(1) << quint8(0);
    QTest::newRow("type 250 previous") << quint8(250) << quint8(2) << quint8(0);
}

void TestPanelConfiguration::loopDrivers_pairing()
{
    QFETCH(quint8, driverType);
    QFETCH(quint8, pairing);
    QFETCH(quint8, partner);

    LoopDriverConfiguration *loops = LoopDriverConfiguration::instance();
    loops->addLoopDriver(2, LoopDriverRecord{1, pairing, driverType, 5});
    QCOMPARE(loops->pairedLoop(2, 5), partner);
    QCOMPARE(loops->loopPairing(2, 5), pairing);
    QCOMPARE(loops->loopDriverType(2, 5), driverType);
    QCOMPARE(loops->pairedLoop(2, 6), quint8(0));
    QCOMPARE(loops->pairedLoop(3, 5), quint8(0));
}

void TestPanelConfiguration::loopDrivers_sameLoopTwice()
{
    LoopDriverConfiguration *loops = LoopDriverConfiguration::instance();
    loops->addLoopDriver(1, LoopDriverRecord{3, 1, 2, 4});
    loops->addLoopDriver(1, LoopDriverRecord{1, 1, 2, 2});
    loops->addLoopDriver(1, LoopDriverRecord{5, 2, 7, 4});

    QCOMPARE(loops->loopNumbers(1), (QList<int>{2, 4}));
    QCOMPARE(loops->loopDriverType(1, 4), quint8(7));
    const LoopDriverConfiguration::LoopsByCard &byCard = loops->loopsByCard(1);
    QCOMPARE(byCard.keys(), (QList<quint8>{1, 3, 5}));
    QCOMPARE(byCard.value(3), QList<int>{4});
    QCOMPARE(byCard.value(5), QList<int>{4});
    QVERIFY(loops->loopsByCard(9).isEmpty());
    QVERIFY(loops->loopNumbers(9).isEmpty());
}

void TestPanelConfiguration::optionCardsAndLoopValues()
{
    LoopDriverConfiguration *loops = LoopDriverConfiguration::instance();
    loops->addOptionCard(1, OptionCardRecord{33, 2});
    loops->addLoopValue(1, 3, 1500);
    QCOMPARE(loops->optionCardAddress(1, 2), quint8(33));
    QCOMPARE(loops->optionCardAddress(1, 3), quint8(0));
    QCOMPARE(loops->optionCardAddress(2, 2), quint8(0));
    QCOMPARE(loops->loopValue(1, 3), 1500);
    QCOMPARE(loops->loopValue(1, 4), 0);
    QCOMPARE(loops->loopValue(2, 3), 0);
}

void TestPanelConfiguration::loopClears()
{
    LoopDriverConfiguration *loops = LoopDriverConfiguration::instance();
    for (quint8 panel : {1, 2}) {
        loops->addLoopDriver(panel, LoopDriverRecord{1, 1, 2, 1});
        loops->addOptionCard(panel, OptionCardRecord{33, 2});
        loops->addLoopValue(panel, 1, 9);
        QBitArray bits(256);
        bits.setBit(1);
        loops->setPanelLoopBits(panel, bits);
    }
    loops->clearPanel(1);
    QVERIFY(loops->loopNumbers(1).isEmpty());
    QVERIFY(loops->loopsByCard(1).isEmpty());
    QCOMPARE(loops->optionCardAddress(1, 2), quint8(0));
    QCOMPARE(loops->loopValue(1, 1), 0);
    QCOMPARE(loops->loopNumbers(2), QList<int>{1});

    loops->clearAll();
    QVERIFY(loops->loopNumbers(2).isEmpty());
    QCOMPARE(loops->panelLoopBits(2).count(true), 1);
    loops->clearAllLoopBits();
    QCOMPARE(loops->panelLoopBits(2), QBitArray(255));
}

QTEST_GUILESS_MAIN(TestPanelConfiguration)
#include "tst_panelconfiguration.moc"
