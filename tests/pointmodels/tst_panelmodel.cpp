#include "ScriptedSite.h"
#include "app/SystemState.h"
#include "core/Languages.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PanelsFromLkNetConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PrintableAddress.h"
#include "paneldata/SWVersions.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/model.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using Query = std::function<QVariant(const model &)>;
Q_DECLARE_METATYPE(Query)
Q_DECLARE_METATYPE(model::AddressRange)

using ScriptedSite::setValue;

namespace {

constexpr int EngineBucket = 0;
constexpr int LogicalAddressingBucket = 2;
constexpr int StatusBucket = 5;
constexpr int CommissioningBucket = 27;
constexpr int GlobalBucket = 41;
constexpr int LoopStatusBucket = 148;

struct Key
{
    int bucket;
    QString key;
    QString value;
};
using Keys = QList<Key>;

void row(const char *name, const Keys &keys, const Query &query, const QVariant &expected)
{
    QTest::newRow(name) << QVariant::fromValue(keys) << query << expected;
}

void addDriver(quint8 panel, int loop, quint8 pairing, quint8 driverType)
{
    LoopDriverRecord record;
    record.loopNumber = loop;
    record.pairing = pairing;
    record.driverType = driverType;
    LoopDriverConfiguration::instance()->addLoopDriver(panel, record);
}

void setLoopBits(quint8 panel, const QList<int> &loops, int size = 255)
{
    QBitArray bits(size);
    for (const int loop : loops)
        bits.setBit(loop);
    LoopDriverConfiguration::instance()->setPanelLoopBits(panel, bits);
}

void setPanelState(quint8 panel, quint8 state)
{
    QVector<quint8> states(panel + 1, 0);
    states[panel] = state;
    PanelsFromLkNetConfiguration::instance()->setNodeStates(states);
}

QBitArray bitsOf(const QList<int> &set, int size = 256)
{
    QBitArray bits(size);
    for (const int bit : set)
        bits.setBit(bit);
    return bits;
}

// Template 1 with the master node M, this panel L, the current master C and
// the restricted log-on value, read by the model's slot.
void scriptNetworkMaster(model &panelModel, int templateId, int master, int local, int current,
                         const QString &restricted)
{
    TeskGlobalConfig::instance()->setPanelNumber(quint8(local));
    setValue(GlobalBucket, "tmplateID", QString::number(templateId));
    setValue(GlobalBucket, "mstrNodeID", QString::number(master));
    setValue(GlobalBucket, "retrctLgin", restricted);
    setValue(EngineBucket, "currNetMstr", QString::number(current));
    panelModel.globalConfig();
}

} // namespace

Q_DECLARE_METATYPE(Keys)

class TestPanelModel final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void storeQueries_data();
    void storeQueries();
    void repeater_isNeitherMasterNorPowerSavingNorKeyswitched();
    void statusCounts_firstChangeReportsEverything();
    void statusCounts_changeMask_data();
    void statusCounts_changeMask();
    void statusCounts_otherPanelsLeaveTotalsAlone();
    void statusCounts_keySlotFollowsSystemTotalsOnly();
    void panelActivity_data();
    void panelActivity();
    void forwardedConfiguration();
    void commissioningMode_followsBucket27();

    void networkRole_data();
    void networkRole();
    void networkRoleOfPanel0_isMaster();
    void masterSlaveUpdate_onlyWhenInputsChangeUnderTemplate1();
    void globalConfig_setsPrintedAddressForms();
    void setLanguage_countryPicksTemplate_data();
    void setLanguage_countryPicksTemplate();
    void logicalModes_followBucket2();

    void loopShutdown_data();
    void loopShutdown();
    void configuredLoops();
    void loopAddressRange_data();
    void loopAddressRange();
    void pairedLoopAddressRange_data();
    void pairedLoopAddressRange();

    void panelList_flagsSilentPanels();
    void printerSelection_data();
    void printerSelection();
    void panelOptions_data();
    void panelOptions();
    void pointMapCounts();
    void panelEquipmentType();

    void pointQueries_data();
    void pointQueries();
    void pointQueries_firstRecordAnswers();
    void logicalPointNumber_offWithoutLogicalAddressing();
    void testPointMap134();

    void sequenceNumbersAndControllerType();
    void setLanguage_unknownId_isPlainTemplate();

private:
    QTemporaryDir m_dataDirectory;
    model *m_model = nullptr;
};

void TestPanelModel::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
}

void TestPanelModel::init()
{
    ScriptedSite::reset();
    PanelCounters::instance()->clear();
    m_model = new model;
}

void TestPanelModel::cleanup()
{
    delete m_model;
    m_model = nullptr;
}

void TestPanelModel::storeQueries_data()
{
    QTest::addColumn<QVariant>("keys");
    QTest::addColumn<Query>("query");
    QTest::addColumn<QVariant>("expected");

    const Query warnings = [](const model &m) { return m.alarmWarningsCount(7); };
    row("alarm warnings", {{StatusBucket, "7|alarmWrngs", "12"}}, warnings, 12);
    row("alarm warnings absent", {}, warnings, 0);
    row("alarm warnings not a number", {{StatusBucket, "7|alarmWrngs", "x"}}, warnings, 0);
    row("alarm warnings of another panel", {{StatusBucket, "17|alarmWrngs", "5"}}, warnings, 0);
    row(
        "system fire alarms", {{StatusBucket, "254|fireAlrms", "3"}},
        [](const model &m) { return m.fireAlarmsCount(254); }, 3);
    row(
        "panel entered alarm", {{StatusBucket, "7|pnlEntrdAlrm", "2"}},
        [](const model &m) { return m.panelEnteredAlarmCount(7); }, 2);
    row(
        "points on test", {{StatusBucket, "7|pntsOnTst", "41"}}, [](const model &m) { return m.pointsOnTestCount(7); },
        41);

    const Query battery = [](const model &m) { return m.batteryStatus(7); };
    row("battery absent", {}, battery, 255);
    row("battery not a number", {{StatusBucket, "7|btryStat", "ok"}}, battery, 255);
    row("battery 3", {{StatusBucket, "7|btryStat", "3"}}, battery, 3);
    row("battery 0", {{StatusBucket, "7|btryStat", "0"}}, battery, 0);

    const Query inhibitedSystem = [](const model &m) { return m.isDownloadInhibited(5, true); };
    const Query inhibitedPanel = [](const model &m) { return m.isDownloadInhibited(5, false); };
    row("download inhibited by the system", {{StatusBucket, "254|dwnInhib", "1"}}, inhibitedSystem, true);
    row("download inhibited, system not asked", {{StatusBucket, "254|dwnInhib", "1"}}, inhibitedPanel, false);
    row("download allowed by the panel", {{StatusBucket, "5|dwnInhib", "0"}, {StatusBucket, "254|dwnInhib", "1"}},
        inhibitedSystem, false);
    row("download inhibited by the panel", {{StatusBucket, "5|dwnInhib", "4"}}, inhibitedPanel, true);
    row("download, no flags", {}, inhibitedSystem, false);
    row(
        "test equipment by the system", {{StatusBucket, "254|tstEqp", "1"}},
        [](const model &m) { return m.isTestEquipmentActive(5, true); }, true);
    row(
        "test equipment, system not asked", {{StatusBucket, "254|tstEqp", "1"}},
        [](const model &m) { return m.isTestEquipmentActive(5, false); }, false);

    const Query dayDisabled = [](const model &m) { return m.isDayModeDisabled(); };
    row("day mode disabled here", {{StatusBucket, "0|dayDisbld", "1"}}, dayDisabled, true);
    row("day mode disabled by the system", {{StatusBucket, "254|dayDisbld", "1"}}, dayDisabled, true);
    row("day mode allowed here", {{StatusBucket, "0|dayDisbld", "0"}, {StatusBucket, "254|dayDisbld", "1"}},
        dayDisabled, false);
    row("day mode disabled elsewhere", {{StatusBucket, "3|dayDisbld", "1"}}, dayDisabled, false);

    const Query master = [](const model &m) { return m.isMasterPanel(); };
    row("master", {{EngineBucket, "mstrstat", "1"}}, master, true);
    row("master 2", {{EngineBucket, "mstrstat", "2"}}, master, false);
    row("master absent", {}, master, false);
    row(
        "day mode", {{EngineBucket, "daymode", "1"}}, [](const model &m) { return m.isDayMode(); }, true);
    row(
        "day mode 2", {{EngineBucket, "daymode", "2"}}, [](const model &m) { return m.isDayMode(); }, false);
    row(
        "power saving", {{EngineBucket, "pwrsav", "1"}}, [](const model &m) { return m.isPowerSaving(); }, true);
    row(
        "power saving 0", {{EngineBucket, "pwrsav", "0"}}, [](const model &m) { return m.isPowerSaving(); }, false);
    row(
        "sounders active", {{EngineBucket, "sndrsact", "1"}}, [](const model &m) { return m.areSoundersActive(); },
        true);
    row(
        "sounders silenced", {{EngineBucket, "sndrsslncd", "1"}},
        [](const model &m) { return m.areSoundersSilenced(); }, true);
    row(
        "sounders silenced absent", {}, [](const model &m) { return m.areSoundersSilenced(); }, false);

    const Query loopFormat = [](const model &m) { return m.loopDisplayFormat(); };
    row("loop display format", {{GlobalBucket, "loopDspFmt", "2"}}, loopFormat, 2);
    row("loop display format not a number", {{GlobalBucket, "loopDspFmt", "-"}}, loopFormat, 0);

    const struct
    {
        const char *name;
        const char *key;
        bool (model::*query)() const;
    } flags[] = {
        {"last pass test date", "ipLstPassTstDateSpt", &model::isIpLastPassTestDateSupported},
        {"sounder fault", "sndrRsmFltEnbld", &model::isSounderRsmFaultEnabled},
        {"manual configuration", "mnlCfgSupLk6", &model::isManualConfigSupportedLk6},
        {"output self test", "OtptSelfTstSpt", &model::isOutputSelfTestSupported},
        {"EN54-13", "en54part13Spt", &model::isEn54Part13Supported},
    };
    for (const auto &flag : flags) {
        const auto query = flag.query;
        const Query asked = [query](const model &m) { return (m.*query)(); };
        row(qPrintable(QStringLiteral("%1 set").arg(flag.name)), {{GlobalBucket, flag.key, "1"}}, asked, true);
        row(qPrintable(QStringLiteral("%1 clear").arg(flag.name)), {{GlobalBucket, flag.key, "0"}}, asked, false);
        row(qPrintable(QStringLiteral("%1 absent").arg(flag.name)), {}, asked, false);
    }

    const Query firstField = [](const model &m) { return m.loopStatusFirstField(7, 2); };
    const Query secondField = [](const model &m) { return m.loopStatusSecondField(7, 2); };
    row("loop status first", {{LoopStatusBucket, "lsr|7|2", "5|9"}}, firstField, 5u);
    row("loop status second", {{LoopStatusBucket, "lsr|7|2", "5|9"}}, secondField, 9u);
    row("loop status absent", {}, firstField, 0u);
    row("loop status without second", {{LoopStatusBucket, "lsr|7|2", "5"}}, secondField, 0u);
    row(
        "bucket value of a panel", {{31, "7", "0101"}}, [](const model &m) { return m.bucketValueForPanel(31, 7); },
        "0101");
}

void TestPanelModel::storeQueries()
{
    QFETCH(QVariant, keys);
    QFETCH(Query, query);
    QFETCH(QVariant, expected);
    for (const Key &key : keys.value<Keys>())
        setValue(key.bucket, key.key, key.value);
    QCOMPARE(query(*m_model), expected);
}

void TestPanelModel::repeater_isNeitherMasterNorPowerSavingNorKeyswitched()
{
    setValue(EngineBucket, "mstrstat", "1");
    setValue(EngineBucket, "pwrsav", "1");
    TeskGlobalConfig::instance()->setKeyswitchEnabled(true);
    SystemState *state = SystemState::instance();
    QVERIFY(m_model->isMasterPanel());
    QVERIFY(m_model->isPowerSaving());
    QVERIFY(m_model->isKeyswitchAccessEnabled());

    SystemState::Configuration repeater;
    repeater.guiMode = 2;
    state->writeEepromConfiguration(repeater, false);
    QCOMPARE(m_model->guiMode(), 2);
    QVERIFY(!m_model->isMasterPanel());
    QVERIFY(!m_model->isPowerSaving());
    QVERIFY(!m_model->isKeyswitchAccessEnabled());
    state->writeEepromConfiguration(SystemState::Configuration(), false);
    QCOMPARE(m_model->guiMode(), 0);
    TeskGlobalConfig::instance()->setKeyswitchEnabled(false);
    QVERIFY(!m_model->isKeyswitchAccessEnabled());
}

void TestPanelModel::statusCounts_firstChangeReportsEverything()
{
    QSignalSpy counts(m_model, &model::updatePanelStatusCounts);
    ScriptedSite::notifyBucket(StatusBucket);
    QCOMPARE(counts.size(), 1);
    QCOMPARE(counts.at(0).at(0).value<TC::panel_t>(), TC::panel_t(254));
    QCOMPARE(counts.at(0).at(1).toUInt(), 0xFFFFFFFFu);
    ScriptedSite::notifyBucket(StatusBucket);
    QCOMPARE(counts.size(), 1);
}

void TestPanelModel::statusCounts_changeMask_data()
{
    QTest::addColumn<QVariant>("keys");
    QTest::addColumn<int>("faults");
    QTest::addColumn<int>("disablements");
    QTest::addColumn<uint>("mask");
    QTest::newRow("fire alarms") << QVariant::fromValue(Keys{{StatusBucket, "254|fireAlrms", "1"}}) << 0 << 0 << 0x02u;
    QTest::newRow("alarm warnings") << QVariant::fromValue(Keys{{StatusBucket, "254|alarmWrngs", "4"}}) << 0 << 0
                                    << 0x08u;
    QTest::newRow("points on test") << QVariant::fromValue(Keys{{StatusBucket, "254|pntsOnTst", "9"}}) << 0 << 0
                                    << 0x20u;
    QTest::newRow("faults") << QVariant::fromValue(Keys{}) << 3 << 0 << 0x04u;
    QTest::newRow("disablements") << QVariant::fromValue(Keys{}) << 0 << 2 << 0x01u;
    QTest::newRow("all five") << QVariant::fromValue(Keys{{StatusBucket, "254|fireAlrms", "1"},
                                                          {StatusBucket, "254|alarmWrngs", "1"},
                                                          {StatusBucket, "254|pntsOnTst", "1"}})
                              << 1 << 1 << 0x2Fu;
    QTest::newRow("a count the totals do not keep")
        << QVariant::fromValue(Keys{{StatusBucket, "254|btryStat", "3"}}) << 0 << 0 << 0u;
}

void TestPanelModel::statusCounts_changeMask()
{
    QFETCH(QVariant, keys);
    QFETCH(int, faults);
    QFETCH(int, disablements);
    QFETCH(uint, mask);
    ScriptedSite::notifyBucket(StatusBucket);
    QSignalSpy counts(m_model, &model::updatePanelStatusCounts);
    for (const Key &key : keys.value<Keys>())
        setValue(key.bucket, key.key, key.value);
    PanelCounters::instance()->setFaults(faults, 254);
    PanelCounters::instance()->setDisablements(disablements, 254);
    ScriptedSite::notifyBucket(StatusBucket);
    QCOMPARE(counts.size(), mask != 0 ? 1 : 0);
    if (mask != 0) {
        QCOMPARE(counts.at(0).at(0).value<TC::panel_t>(), TC::panel_t(254));
        QCOMPARE(counts.at(0).at(1).toUInt(), mask);
    }
    // The same counts again change nothing.
    ScriptedSite::notifyBucket(StatusBucket);
    QCOMPARE(counts.size(), mask != 0 ? 1 : 0);
}

void TestPanelModel::statusCounts_otherPanelsLeaveTotalsAlone()
{
    ScriptedSite::notifyBucket(StatusBucket);
    QSignalSpy counts(m_model, &model::updatePanelStatusCounts);
    setValue(StatusBucket, "7|fireAlrms", "2");
    PanelCounters::instance()->setFaults(5, 7);
    ScriptedSite::notifyBucket(StatusBucket);
    QCOMPARE(counts.size(), 0);
}

void TestPanelModel::statusCounts_keySlotFollowsSystemTotalsOnly()
{
    QSignalSpy counts(m_model, &model::updatePanelStatusCounts);
    m_model->bucketUpdated(StatusBucket, "7|fireAlrms", "1");
    m_model->bucketUpdated(StatusBucket, "510|fireAlrms", "1");
    m_model->bucketUpdated(StatusBucket, "fireAlrms", "1");
    m_model->bucketUpdated(6, "254|1|1", "Hall");
    QCOMPARE(counts.size(), 0);
    m_model->bucketUpdated(StatusBucket, "254|fireAlrms", "1");
    QCOMPARE(counts.size(), 1);
    setValue(StatusBucket, "254|fireAlrms", "1");
    m_model->bucketUpdated(StatusBucket, "254|fireAlrms", "1");
    QCOMPARE(counts.size(), 2);
    QCOMPARE(counts.at(1).at(1).toUInt(), 0x02u);
}

void TestPanelModel::panelActivity_data()
{
    QTest::addColumn<QVariant>("keys");
    QTest::addColumn<int>("faults");
    QTest::addColumn<int>("disablements");
    QTest::addColumn<bool>("walkTest");
    QTest::addColumn<bool>("active");
    QTest::newRow("quiet") << QVariant::fromValue(Keys{}) << 0 << 0 << false << false;
    QTest::newRow("faults") << QVariant::fromValue(Keys{}) << 1 << 0 << false << true;
    QTest::newRow("disablements") << QVariant::fromValue(Keys{}) << 0 << 4 << false << true;
    QTest::newRow("alarm warnings") << QVariant::fromValue(Keys{{StatusBucket, "254|alarmWrngs", "2"}}) << 0 << 0
                                    << false << true;
    QTest::newRow("another panel's warnings")
        << QVariant::fromValue(Keys{{StatusBucket, "3|alarmWrngs", "2"}}) << 0 << 0 << false << false;
    QTest::newRow("walk test") << QVariant::fromValue(Keys{}) << 0 << 0 << true << true;
}

void TestPanelModel::panelActivity()
{
    QFETCH(QVariant, keys);
    QFETCH(int, faults);
    QFETCH(int, disablements);
    QFETCH(bool, walkTest);
    QFETCH(bool, active);
    for (const Key &key : keys.value<Keys>())
        setValue(key.bucket, key.key, key.value);
    PanelCounters::instance()->setFaults(faults, 254);
    PanelCounters::instance()->setDisablements(disablements, 254);
    WalkTestHandler *walkTests = WalkTestHandler::instance();
    if (walkTest)
        walkTests->updateSummary(4, 255, 1, 0, {}, QBitArray(), 0);
    QCOMPARE(m_model->hasPanelActivity(254), active);
    walkTests->reset();
}

void TestPanelModel::forwardedConfiguration()
{
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(12);
    QCOMPARE(m_model->localPanel(), quint8(12));
    config->setPacketHeaderLayout(599);
    QCOMPARE(TeskGlobalConfig::instance()->packetHeaderLayout(), 0);
    config->setPacketHeaderLayout(600);
    QCOMPARE(TeskGlobalConfig::instance()->packetHeaderLayout(), 1);
    config->setAlarmAckEnabled(true);
    QVERIFY(m_model->isFaultAcceptanceEnabled());
    config->setAlarmAckEnabled(false);
    QVERIFY(!m_model->isFaultAcceptanceEnabled());
}

void TestPanelModel::commissioningMode_followsBucket27()
{
    TeskGlobalConfig::instance()->setPanelNumber(4);
    QVERIFY(!m_model->isCommissioningMode());
    ScriptedSite::setValueAndNotify(CommissioningBucket, "4|smplMds|CommLvlUserLggedIn", "true");
    QVERIFY(m_model->isCommissioningMode());
    ScriptedSite::setValueAndNotify(CommissioningBucket, "4|smplMds|CommLvlUserLggedIn", "0");
    QVERIFY(!m_model->isCommissioningMode());
    ScriptedSite::setValueAndNotify(CommissioningBucket, "5|smplMds|CommLvlUserLggedIn", "1");
    QVERIFY(!m_model->isCommissioningMode());
}

void TestPanelModel::networkRole_data()
{
    QTest::addColumn<int>("templateId");
    QTest::addColumn<int>("master");
    QTest::addColumn<int>("local");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("restricted");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("localControl");
    QTest::newRow("no master known") << 1 << 3 << 3 << 255 << "1" << 2 << true;
    QTest::newRow("configured master") << 1 << 3 << 3 << 3 << "1" << 1 << true;
    QTest::newRow("acting master") << 1 << 4 << 3 << 3 << "1" << 2 << true;
    QTest::newRow("another master, unrestricted") << 1 << 4 << 3 << 4 << "0" << 0 << true;
    QTest::newRow("another master, no restriction key") << 1 << 4 << 3 << 4 << "" << 0 << true;
    QTest::newRow("another master, restricted") << 1 << 4 << 3 << 4 << "1" << 0 << false;
    QTest::newRow("template 2 ignores the master") << 2 << 4 << 3 << 4 << "1" << 0 << true;
    QTest::newRow("template 0 ignores the master") << 0 << 4 << 3 << 4 << "1" << 0 << true;
}

void TestPanelModel::networkRole()
{
    QFETCH(int, templateId);
    QFETCH(int, master);
    QFETCH(int, local);
    QFETCH(int, current);
    QFETCH(QString, restricted);
    QFETCH(int, role);
    QFETCH(bool, localControl);
    scriptNetworkMaster(*m_model, templateId, master, local, current, restricted);
    QCOMPARE(m_model->templateId(), templateId);
    QCOMPARE(m_model->isTemplate1(), templateId == 1);
    QCOMPARE(m_model->networkRole(), role);
    QCOMPARE(m_model->isLocalControlAllowed(), localControl);
    if (templateId == 1) {
        QCOMPARE(m_model->currentNetMaster(), current);
        QCOMPARE(m_model->networkRoleOf(quint8(local)), role);
    }
}

void TestPanelModel::networkRoleOfPanel0_isMaster()
{
    scriptNetworkMaster(*m_model, 1, 4, 3, 4, "1");
    QCOMPARE(m_model->networkRoleOf(0), 1);
    QCOMPARE(m_model->networkRoleOf(4), 1);
    QCOMPARE(m_model->networkRoleOf(5), 0);
}

void TestPanelModel::masterSlaveUpdate_onlyWhenInputsChangeUnderTemplate1()
{
    QSignalSpy updates(m_model, &model::masterSlaveUpdate);
    TeskGlobalConfig::instance()->setPanelNumber(3);
    setValue(GlobalBucket, "mstrNodeID", "3");
    setValue(EngineBucket, "currNetMstr", "3");
    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "2");
    QCOMPARE(updates.size(), 0);
    QCOMPARE(m_model->networkRole(), 0);

    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "1");
    QCOMPARE(updates.size(), 1);
    QCOMPARE(m_model->networkRole(), 1);
    ScriptedSite::notifyBucket(GlobalBucket);
    QCOMPARE(updates.size(), 1);

    ScriptedSite::setValueAndNotify(EngineBucket, "currNetMstr", "255");
    QCOMPARE(updates.size(), 2);
    QCOMPARE(m_model->networkRole(), 2);
    ScriptedSite::setValueAndNotify(GlobalBucket, "retrctLgin", "1");
    QCOMPARE(updates.size(), 3);

    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "0");
    ScriptedSite::setValueAndNotify(EngineBucket, "currNetMstr", "7");
    QCOMPARE(updates.size(), 3);
    QCOMPARE(m_model->networkRole(), 2);
}

void TestPanelModel::globalConfig_setsPrintedAddressForms()
{
    PrintableAddress *printable = PrintableAddress::instance();
    setValue(GlobalBucket, "loopDspFmt", "2");
    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "1");
    QCOMPARE(printable->addressFormat(), 1);
    QCOMPARE(printable->loopSeparator(), QChar(QLatin1Char('-')));
    setValue(GlobalBucket, "loopDspFmt", "x");
    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "7");
    QCOMPARE(printable->addressFormat(), 0);
    QVERIFY(printable->loopSeparator().isNull());
    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "2");
    QCOMPARE(printable->addressFormat(), 2);
}

void TestPanelModel::setLanguage_countryPicksTemplate_data()
{
    QTest::addColumn<int>("country");
    QTest::addColumn<int>("templateId");
    QTest::newRow("Austria") << int(QLocale::Austria) << 1;
    QTest::newRow("Denmark") << int(QLocale::Denmark) << 2;
    QTest::newRow("Germany") << int(QLocale::Germany) << 0;
}

void TestPanelModel::setLanguage_countryPicksTemplate()
{
    QFETCH(int, country);
    QFETCH(int, templateId);
    const auto &languages = Languages::table();
    int language = -1;
    for (size_t id = 1; id < languages.size() && language < 0; ++id) {
        if (languages[id].country == country)
            language = int(id);
    }
    QVERIFY(language > 0);
    m_model->setLanguage(language);
    QCOMPARE(m_model->templateId(), templateId);
    QCOMPARE(PrintableAddress::instance()->addressFormat(), templateId);

    // Whichever ran last decides: the panel's template, then the language.
    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "1");
    QCOMPARE(m_model->templateId(), 1);
    m_model->setLanguage(language);
    QCOMPARE(m_model->templateId(), templateId);
}

void TestPanelModel::logicalModes_followBucket2()
{
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setLogicalAddr(true);
    config->setLogicalZones(false);
    ScriptedSite::notifyBucket(LogicalAddressingBucket);
    QVERIFY(PrintableAddress::instance()->logicalAddressing());
    QVERIFY(!PrintableAddress::instance()->logicalZones());
    config->setLogicalAddr(false);
    config->setLogicalZones(true);
    ScriptedSite::notifyBucket(LogicalAddressingBucket);
    QVERIFY(!PrintableAddress::instance()->logicalAddressing());
    QVERIFY(PrintableAddress::instance()->logicalZones());
    config->setLogicalZones(false);
}

void TestPanelModel::loopShutdown_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("result");
    QTest::newRow("loop 1 shut down") << "0110" << 1 << 1;
    QTest::newRow("loop 2 shut down") << "0110" << 2 << 1;
    QTest::newRow("loop 3 in service") << "0110" << 3 << 0;
    QTest::newRow("loop 32 past the string") << "0110" << 32 << 0;
    QTest::newRow("loop 40") << "0110" << 40 << -1;
    QTest::newRow("loop 0") << "0110" << 0 << -1;
    QTest::newRow("no record") << "" << 3 << 0;
    QTest::newRow("no record, loop 33") << "" << 33 << -1;
}

void TestPanelModel::loopShutdown()
{
    QFETCH(QString, stored);
    QFETCH(int, loop);
    QFETCH(int, result);
    if (!stored.isEmpty())
        setValue(CommissioningBucket, "6|loopShtDwn", stored);
    QCOMPARE(m_model->isLoopShutDown(6, loop), result);
    const QBitArray bits = m_model->loopShutdownBits(6);
    QCOMPARE(bits.size(), stored.isEmpty() ? 255 : stored.size());
    QCOMPARE(model::loopShutdownBit(loop, bits), result);
}

void TestPanelModel::configuredLoops()
{
    setLoopBits(2, {1, 2, 3, 4, 5, 6, 33});
    addDriver(2, 1, 1, 0); // first of a pair without addresses of its own
    addDriver(2, 2, 2, 250); // second of a pair that leaves it nothing
    addDriver(2, 3, 1, 100);
    addDriver(2, 4, 2, 100);
    addDriver(2, 6, 1, 0);
    const QHash<int, quint8> loops = m_model->configuredLoops(2);
    const QHash<int, quint8> expected{{3, 100}, {4, 100}, {5, 0}, {6, 0}};
    QCOMPARE(loops, expected);

    // A short array names only the loops inside it.
    setLoopBits(3, {1, 2}, 3);
    QCOMPARE(m_model->configuredLoops(3).size(), 2);
    QVERIFY(m_model->configuredLoops(9).isEmpty());
}

void TestPanelModel::loopAddressRange_data()
{
    QTest::addColumn<quint8>("state");
    QTest::addColumn<int>("loops");
    QTest::addColumn<quint8>("loop");
    QTest::addColumn<model::AddressRange>("range");
    const model::AddressRange empty{1, 0};
    QTest::newRow("5 loops, loop 2") << quint8(1) << 5 << quint8(2) << model::AddressRange{1, 250};
    QTest::newRow("5 loops, loop 5") << quint8(1) << 5 << quint8(5) << model::AddressRange{1, 125};
    QTest::newRow("5 loops, loop 7") << quint8(1) << 5 << quint8(7) << empty;
    QTest::newRow("3 loops, loop 4") << quint8(1) << 3 << quint8(4) << model::AddressRange{1, 250};
    QTest::newRow("3 loops, loop 5") << quint8(1) << 3 << quint8(5) << empty;
    QTest::newRow("6 loops, loop 8") << quint8(1) << 6 << quint8(8) << model::AddressRange{1, 125};
    QTest::newRow("8 loops") << quint8(1) << 8 << quint8(2) << model::AddressRange{0, 0};
    QTest::newRow("past the table: loop 9") << quint8(1) << 5 << quint8(9) << empty;
    QTest::newRow("past the table: loop 0") << quint8(1) << 5 << quint8(0) << empty;
    QTest::newRow("past the table: loop 255") << quint8(1) << 2 << quint8(255) << empty;
    QTest::newRow("state 6, paired loop") << quint8(6) << 5 << quint8(3) << model::AddressRange{1, 100};
    QTest::newRow("state 6, unpaired loop") << quint8(6) << 5 << quint8(5) << model::AddressRange{1, 250};
    QTest::newRow("state 0") << quint8(0) << 5 << quint8(7) << model::AddressRange{1, 250};
    QTest::newRow("state 5") << quint8(5) << 5 << quint8(7) << model::AddressRange{1, 250};
    QTest::newRow("state 2") << quint8(2) << 5 << quint8(2) << model::AddressRange{0, 0};
}

void TestPanelModel::loopAddressRange()
{
    QFETCH(quint8, state);
    QFETCH(int, loops);
    QFETCH(quint8, loop);
    QFETCH(model::AddressRange, range);
    QList<int> configured;
    for (int i = 1; i <= loops; ++i)
        configured << i;
    setLoopBits(4, configured);
    addDriver(4, 3, 1, 100);
    setPanelState(4, state);
    QCOMPARE(m_model->loopAddressRange(4, loop), range);
}

void TestPanelModel::pairedLoopAddressRange_data()
{
    QTest::addColumn<quint8>("loop");
    QTest::addColumn<quint8>("pairing");
    QTest::addColumn<quint8>("split");
    QTest::addColumn<model::AddressRange>("range");
    QTest::newRow("loop 0") << quint8(0) << quint8(1) << quint8(100) << model::AddressRange{0, 0};
    QTest::newRow("first of the pair") << quint8(3) << quint8(1) << quint8(100) << model::AddressRange{1, 100};
    QTest::newRow("second of the pair") << quint8(4) << quint8(2) << quint8(100) << model::AddressRange{101, 250};
    QTest::newRow("not paired") << quint8(4) << quint8(0) << quint8(100) << model::AddressRange{0, 0};
    QTest::newRow("second, split at 249") << quint8(4) << quint8(2) << quint8(249) << model::AddressRange{250, 250};
    QTest::newRow("second, split at 250") << quint8(4) << quint8(2) << quint8(250) << model::AddressRange{1, 0};
    QTest::newRow("second, split at 255") << quint8(4) << quint8(2) << quint8(255) << model::AddressRange{1, 0};
}

void TestPanelModel::pairedLoopAddressRange()
{
    QFETCH(quint8, loop);
    QFETCH(quint8, pairing);
    QFETCH(quint8, split);
    QFETCH(model::AddressRange, range);
    addDriver(8, loop, pairing, split);
    QCOMPARE(m_model->pairedLoopAddressRange(8, loop), range);
}

void TestPanelModel::panelList_flagsSilentPanels()
{
    TeskGlobalConfig::instance()->setPanelNumber(2);
    PanelConfiguration *panels = PanelConfiguration::instance();
    for (const quint8 panel : {5, 0, 2})
        panels->setPanelRecord(panel, PanelRecord());
    QCOMPARE(m_model->panelList(), (QList<model::PanelEntry>{{0, 0}, {2, 0}, {5, 0}}));
    PointDataMapsConfiguration::instance()->setChannelPoints(134, 2, ChannelAddress(15, 0, 1), bitsOf({0, 2}));
    QCOMPARE(m_model->panelList(), (QList<model::PanelEntry>{{0, 0}, {2, 1}, {5, 0}}));
    // Another panel's map says nothing about this one's view.
    TeskGlobalConfig::instance()->setPanelNumber(3);
    QCOMPARE(m_model->panelList(), (QList<model::PanelEntry>{{0, 0}, {2, 0}, {5, 0}}));
}

// The report destination the user chose decides, not whether the panels'
// configuration has arrived: a panel printer is named only when one was
// chosen, and a report file (the destination at start) names none.
void TestPanelModel::printerSelection_data()
{
    QTest::addColumn<bool>("configured");
    QTest::addColumn<QVector<int>>("choices");
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("printer");

    const QVector<int> none;
    const QVector<int> printerChosen{PanelConfiguration::PanelPrinter};
    QTest::newRow("nothing known") << false << none << 253 << 255;
    QTest::newRow("configured, reports to a file") << true << none << 253 << 255;
    QTest::newRow("printer chosen before the configuration") << false << printerChosen << 4 << 2;
    QTest::newRow("configured, printer chosen") << true << printerChosen << 4 << 2;
    QTest::newRow("printer chosen, then a file")
        << true << QVector<int>{PanelConfiguration::PanelPrinter, PanelConfiguration::UsbReportFile} << 253 << 255;
}

void TestPanelModel::printerSelection()
{
    QFETCH(bool, configured);
    QFETCH(QVector<int>, choices);
    PanelConfiguration *panels = PanelConfiguration::instance();
    if (configured)
        panels->setPanelRecord(4, PanelRecord());
    for (int choice : choices) {
        if (choice == PanelConfiguration::PanelPrinter)
            panels->setPrinterSelection(4, 2);
        else
            panels->setReportFormat(PanelConfiguration::Csv);
    }

    quint8 node = 0;
    quint8 printer = 0;
    m_model->printerSelection(node, printer);

    QTEST(int(node), "node");
    QTEST(int(printer), "printer");
}

// A panel option to print a report counts only while reports go to a
// panel printer: with a report file chosen every report key saves.
void TestPanelModel::panelOptions_data()
{
    QTest::addColumn<bool>("printerChosen");
    QTest::addColumn<bool>("configured");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("set");

    QTest::newRow("printer, no options yet") << true << false << 1 << false;
    QTest::newRow("printer, bit 1 set") << true << true << 1 << true;
    QTest::newRow("printer, bit 3 clear") << true << true << 3 << false;
    QTest::newRow("printer, bit 7 set") << true << true << 7 << true;
    QTest::newRow("printer, bit past the options") << true << true << 8 << false;
    QTest::newRow("printer, negative bit") << true << true << -1 << false;
    QTest::newRow("report file, bit 1 set") << false << true << 1 << false;
    QTest::newRow("report file, bit 7 set") << false << true << 7 << false;
}

void TestPanelModel::panelOptions()
{
    QFETCH(bool, printerChosen);
    QFETCH(bool, configured);
    QFETCH(int, bit);
    PanelConfiguration *panels = PanelConfiguration::instance();
    if (printerChosen)
        panels->setPrinterSelection(4, 2);
    else
        panels->setReportFormat(PanelConfiguration::Csv);
    if (configured)
        panels->setPanelOptions(bitsOf({1, 7}, 8));

    QTEST(m_model->isPanelOptionSet(bit), "set");
}

void TestPanelModel::pointMapCounts()
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    const QList<QPair<int, int>> pages{{137, 1}, {138, 2}, {142, 3}, {143, 4}, {140, 5}, {141, 6}, {32, 7}};
    for (const auto &page : pages) {
        QList<int> points;
        for (int i = 0; i < page.second; ++i)
            points << i;
        maps->setChannelPoints(page.first, 1, ChannelAddress(12, 1, 0), bitsOf(points));
    }
    int counts[4] = {-1, -1, -1, -1};
    model::pointMapCounts(counts[0], counts[1], counts[2], counts[3], true, true);
    QCOMPARE(QList<int>(std::begin(counts), std::end(counts)), QList<int>({1 + 5, 2 + 6, 3, 4}));
    model::pointMapCounts(counts[0], counts[1], counts[2], counts[3], false, true);
    QCOMPARE(QList<int>(std::begin(counts), std::end(counts)), QList<int>({5, 6, 0, 0}));
    model::pointMapCounts(counts[0], counts[1], counts[2], counts[3], false, false);
    QCOMPARE(QList<int>(std::begin(counts), std::end(counts)), QList<int>({0, 0, 0, 0}));
    QCOMPARE(m_model->pointMap32Count(), 7);
}

void TestPanelModel::panelEquipmentType()
{
    QCOMPARE(m_model->panelEquipmentType(3), 0);
    SWVersions::instance()->addEquipment(3, 1, 6, 0, 0, {});
    QCOMPARE(m_model->panelEquipmentType(3), 6);
}

void TestPanelModel::pointQueries_data()
{
    QTest::addColumn<quint8>("kind");
    QTest::addColumn<quint8>("number");
    QTest::addColumn<quint8>("address");
    QTest::addColumn<quint8>("point");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<int>("attributes");
    QTest::addColumn<int>("logical");
    QTest::newRow("configured") << quint8(12) << quint8(0) << quint8(2) << quint8(17) << 9 << 33 << 0x06 << 117;
    QTest::newRow("other point") << quint8(12) << quint8(0) << quint8(2) << quint8(18) << 254 << 128 << 0 << 251;
    QTest::newRow("other loop") << quint8(12) << quint8(0) << quint8(3) << quint8(17) << 254 << 128 << 0 << 251;
    QTest::newRow("other number") << quint8(12) << quint8(1) << quint8(2) << quint8(17) << 254 << 128 << 0 << 251;
    QTest::newRow("other kind") << quint8(0) << quint8(0) << quint8(2) << quint8(17) << 254 << 128 << 0 << 251;
}

void TestPanelModel::pointQueries()
{
    QFETCH(quint8, kind);
    QFETCH(quint8, number);
    QFETCH(quint8, address);
    QFETCH(quint8, point);
    QFETCH(int, zone);
    QFETCH(int, deviceType);
    QFETCH(int, attributes);
    QFETCH(int, logical);
    TeskGlobalConfig::instance()->setLogicalAddr(true);
    ScriptedSite::addPoint(6, ChannelAddress(12, 2, 0), ScriptedSite::record(17, 9, 33, 0x06, 1, 117));
    QCOMPARE(int(m_model->pointZone(6, kind, number, address, point)), zone);
    QCOMPARE(int(m_model->pointDeviceType(6, kind, number, address, point)), deviceType);
    quint8 found = 99;
    QCOMPARE(model::pointAttributes(6, kind, number, address, point, found), deviceType != 128);
    QCOMPARE(int(found), attributes);
    QCOMPARE(int(m_model->logicalPointNumber(6, kind, number, address, point)), logical);
    QCOMPARE(int(m_model->pointZone(7, kind, number, address, point)), 254);
    TeskGlobalConfig::instance()->setLogicalAddr(false);
}

void TestPanelModel::pointQueries_firstRecordAnswers()
{
    ScriptedSite::addPoint(6, ChannelAddress(12, 2, 0), ScriptedSite::record(17, 9, 33));
    ScriptedSite::addPoint(6, ChannelAddress(12, 2, 0), ScriptedSite::record(17, 10, 34));
    QCOMPARE(int(m_model->pointZone(6, 12, 0, 2, 17)), 9);
    QCOMPARE(int(m_model->pointDeviceType(6, 12, 0, 2, 17)), 33);
}

void TestPanelModel::logicalPointNumber_offWithoutLogicalAddressing()
{
    ScriptedSite::addPoint(6, ChannelAddress(12, 2, 0), ScriptedSite::record(17, 9, 33, 0x02, 1, 117));
    TeskGlobalConfig::instance()->setLogicalAddr(false);
    QCOMPARE(int(m_model->logicalPointNumber(6, 12, 0, 2, 17)), 251);
}

void TestPanelModel::testPointMap134()
{
    PointDataMapsConfiguration::instance()->setChannelPoints(134, 6, ChannelAddress(12, 2, 0), bitsOf({17}));
    QVERIFY(m_model->testPointMap134(6, 12, 2, 0, 17));
    QVERIFY(!m_model->testPointMap134(6, 12, 2, 0, 18));
    QVERIFY(!m_model->testPointMap134(6, 12, 3, 0, 17));
}

void TestPanelModel::sequenceNumbersAndControllerType()
{
    QCOMPARE(m_model->controllerType(), quint8(0));
    m_model->setControllerType(6);
    QCOMPARE(m_model->controllerType(), quint8(6));
    QCOMPARE(m_model->fireResetSeqNo(), EventLog::SeqNum_t(0));
    m_model->fireResetSeqNoUpdated(11);
    m_model->currResetOrOldestSeqNoUpdated(12);
    m_model->latestCurrSeqNoUpdated(65535);
    QCOMPARE(m_model->fireResetSeqNo(), EventLog::SeqNum_t(11));
    QCOMPARE(m_model->currResetOrOldestSeqNo(), EventLog::SeqNum_t(12));
    QCOMPARE(m_model->latestCurrSeqNo(), EventLog::SeqNum_t(65535));
}

void TestPanelModel::setLanguage_unknownId_isPlainTemplate()
{
    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "1");
    m_model->setLanguage(99);
    QCOMPARE(m_model->templateId(), 0);
    m_model->setLanguage(-1);
    QCOMPARE(m_model->templateId(), 0);
}

QTEST_GUILESS_MAIN(TestPanelModel)
#include "tst_panelmodel.moc"
