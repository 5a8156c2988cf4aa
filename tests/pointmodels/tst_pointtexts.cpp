#include "ScriptedSite.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelPointStringsFile.h"
#include "paneldata/PanelsFromLkNetConfiguration.h"
#include "paneldata/PointTextCache.h"
#include "paneldata/PointTextLines.h"
#include "pointmodels/model.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using ScriptedSite::setValue;

namespace {

constexpr int ZoneNamesBucket = 6;
constexpr int LogicalZonesBucket = 9;
constexpr int DeviceTagsBucket = 11;
constexpr int DeviceDescriptionsBucket = 12;
constexpr int InformationBucket = 18;
constexpr int EventNamesBucket = 19;
constexpr int RegionNamesBucket = 28;
constexpr int DeviceUsesBucket = 38;
constexpr int GlobalBucket = 41;

constexpr quint8 Local = 3;
constexpr quint8 Remote = 5;

const QString LocalPoint = QStringLiteral("_EMPTY_POINT_NAME_LOCAL_INFOTEXT");
const QString RemotePoint = QStringLiteral("_EMPTY_POINT_NAME_REMOTE_INFOTEXT");
const QString LocalZone = QStringLiteral("_EMPTY_ZONE_NAME_LOCAL_INFOTEXT");
const QString RemoteZone = QStringLiteral("_EMPTY_ZONE_NAME_REMOTE_INFOTEXT");

void setPanelStates(const QVector<quint8> &states)
{
    PanelsFromLkNetConfiguration::instance()->setNodeStates(states);
}

// Panel 5 in state 2 and remote texts supported, unless told otherwise.
void scriptRemote(quint8 state = 2, const QString &retrieval = QStringLiteral("1"))
{
    QVector<quint8> states(Remote + 1, 1);
    states[Remote] = state;
    setPanelStates(states);
    setValue(GlobalBucket, "mnlTxtRtrlSpt", retrieval);
}

void writePointTexts(quint8 panel, const PointTextEntry &entry)
{
    QVERIFY(QDir().mkpath(PanelPointStringsFile::directoryPath(panel)));
    PanelPointStringsFile file(panel);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    PanelPointStringsContainer texts;
    texts.add(entry);
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream << texts;
}

} // namespace

class TestPointTexts final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pointName_fromTheTextCache();
    void pointName_local_data();
    void pointName_local();
    void pointName_remote_data();
    void pointName_remote();
    void pointName_requestSentOnceUntilReset();
    void pointName_requestCarriesKeyAndLanguage();
    void zoneName_data();
    void zoneName();
    void zoneName_requestSentOnceUntilReset();
    void resetTextRequests_clearsCachedPointTexts();

    void regionAndLoopNames();
    void deviceUses_data();
    void deviceUses();
    void storeTexts();
    void logicalZoneNumber();

private:
    QTemporaryDir m_dataDirectory;
    model *m_model = nullptr;
};

void TestPointTexts::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
}

void TestPointTexts::init()
{
    ScriptedSite::reset();
    TeskGlobalConfig::instance()->setPanelNumber(Local);
    TeskGlobalConfig::instance()->setCurrentLang(1);
    PointTextCache::instance()->clearPanel(255);
    PointTextCache::instance()->setDefaultTexts(QString(), QString());
    m_model = new model;
}

void TestPointTexts::cleanup()
{
    delete m_model;
    m_model = nullptr;
}

void TestPointTexts::pointName_fromTheTextCache()
{
    PointTextEntry entry;
    entry.channel = ChannelAddress(12, 2, 0);
    entry.point = 17;
    entry.firstText = QStringLiteral("Boiler room; north");
    entry.secondText = QStringLiteral("Kesselraum");
    writePointTexts(Remote, entry);
    scriptRemote();
    QSignalSpy requests(m_model, &model::sendPointTextRequest);
    QCOMPARE(m_model->pointName(Remote, 12, 0, 2, 17, 1), entry.firstText);
    QCOMPARE(m_model->pointName(Remote, 12, 0, 2, 17, 2), entry.secondText);
    QCOMPARE(requests.size(), 0);
}

void TestPointTexts::pointName_local_data()
{
    QTest::addColumn<bool>("configured");
    QTest::addColumn<quint8>("number");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::newRow("no point, default text") << false << quint8(0) << "Unused" << 1 << "Unused";
    QTest::newRow("no point, second language") << false << quint8(0) << "Unused" << 2 << "Frei";
    QTest::newRow("no point, no default text") << false << quint8(0) << "" << 1 << LocalPoint;
    QTest::newRow("no point, channel 254") << false << quint8(254) << "Unused" << 1 << LocalPoint;
    QTest::newRow("configured point without name") << true << quint8(0) << "Unused" << 1 << LocalPoint;
}

void TestPointTexts::pointName_local()
{
    QFETCH(bool, configured);
    QFETCH(quint8, number);
    QFETCH(QString, defaultText);
    QFETCH(int, language);
    QFETCH(QString, name);
    PointTextCache::instance()->setDefaultTexts(defaultText, defaultText.isEmpty() ? QString() : "Frei");
    if (configured)
        ScriptedSite::addPoint(Local, ChannelAddress(12, 2, number), ScriptedSite::record(17));
    QSignalSpy requests(m_model, &model::sendPointTextRequest);
    QCOMPARE(m_model->pointName(Local, 12, number, 2, 17, language), name);
    QCOMPARE(requests.size(), 0);
}

void TestPointTexts::pointName_remote_data()
{
    QTest::addColumn<quint8>("state");
    QTest::addColumn<QString>("retrieval");
    QTest::addColumn<bool>("configured");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("requests");
    QTest::newRow("asked for") << quint8(2) << "1" << false << RemotePoint << 1;
    QTest::newRow("asked for, configured") << quint8(2) << "1" << true << RemotePoint << 1;
    QTest::newRow("no retrieval, no point") << quint8(2) << "0" << false << "Unused" << 0;
    QTest::newRow("no retrieval key, no point") << quint8(2) << "" << false << "Unused" << 0;
    QTest::newRow("no retrieval, configured") << quint8(2) << "0" << true << RemotePoint << 0;
    QTest::newRow("state 1, no point") << quint8(1) << "1" << false << "Unused" << 0;
    QTest::newRow("state 1, configured") << quint8(1) << "1" << true << RemotePoint << 0;
}

void TestPointTexts::pointName_remote()
{
    QFETCH(quint8, state);
    QFETCH(QString, retrieval);
    QFETCH(bool, configured);
    QFETCH(QString, name);
    QFETCH(int, requests);
    PointTextCache::instance()->setDefaultTexts(QStringLiteral("Unused"), QString());
    scriptRemote(state, retrieval);
    if (configured)
        ScriptedSite::addPoint(Remote, ChannelAddress(12, 2, 0), ScriptedSite::record(17));
    QSignalSpy sent(m_model, &model::sendPointTextRequest);
    QCOMPARE(m_model->pointName(Remote, 12, 0, 2, 17, 1), name);
    QCOMPARE(sent.size(), requests);
}

void TestPointTexts::pointName_requestSentOnceUntilReset()
{
    scriptRemote();
    QSignalSpy sent(m_model, &model::sendPointTextRequest);
    QCOMPARE(m_model->pointName(Remote, 12, 0, 2, 17, 1), RemotePoint);
    QCOMPARE(m_model->pointName(Remote, 12, 0, 2, 17, 1), RemotePoint);
    QCOMPARE(m_model->pointName(Remote, 12, 0, 2, 17, 2), RemotePoint);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(m_model->pointName(Remote, 12, 0, 2, 18, 1), RemotePoint);
    QCOMPARE(sent.size(), 2);
    QCOMPARE(m_model->requestedPointTextCount(), 2);

    m_model->resetTextRequests();
    QCOMPARE(m_model->requestedPointTextCount(), 0);
    m_model->pointName(Remote, 12, 0, 2, 17, 1);
    QCOMPARE(sent.size(), 3);
    m_model->pointName(Remote, 12, 0, 2, 17, 1);
    QCOMPARE(sent.size(), 3);
}

void TestPointTexts::pointName_requestCarriesKeyAndLanguage()
{
    scriptRemote();
    QSignalSpy sent(m_model, &model::sendPointTextRequest);
    m_model->pointName(Remote, 12, 3, 2, 17, 2);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.at(0).at(0).value<quint32>(), 0x053C0211u);
    QCOMPARE(sent.at(0).at(1).value<TC::eLanguageSelection>(), TC::eSecondLanguage);
}

void TestPointTexts::zoneName_data()
{
    QTest::addColumn<quint8>("panel");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("requests");
    QTest::newRow("named, first language") << Remote << "Car park" << 1 << "Car park" << 0;
    QTest::newRow("named in the other language") << Remote << "Car park" << 2 << RemoteZone << 1;
    QTest::newRow("local without name") << Local << "" << 1 << LocalZone << 0;
    QTest::newRow("local empty name") << Local << "" << 2 << LocalZone << 0;
    QTest::newRow("remote without name") << Remote << "" << 1 << RemoteZone << 1;
}

void TestPointTexts::zoneName()
{
    QFETCH(quint8, panel);
    QFETCH(QString, stored);
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(int, requests);
    scriptRemote();
    setValue(ZoneNamesBucket, QStringLiteral("%1|9|1").arg(panel), stored);
    QSignalSpy sent(m_model, &model::sendZoneTextRequest);
    QCOMPARE(m_model->zoneName(panel, 9, language), name);
    QCOMPARE(sent.size(), requests);
    if (requests > 0) {
        QCOMPARE(sent.at(0).at(0).value<TC::panel_t>(), panel);
        QCOMPARE(sent.at(0).at(1).value<TC::zone_t>(), TC::zone_t(9));
        QCOMPARE(sent.at(0).at(2).value<TC::eLanguageSelection>(), TC::eLanguageSelection(language));
    }
}

void TestPointTexts::zoneName_requestSentOnceUntilReset()
{
    scriptRemote();
    QSignalSpy sent(m_model, &model::sendZoneTextRequest);
    m_model->zoneName(Remote, 9, 1);
    m_model->zoneName(Remote, 9, 2);
    QCOMPARE(sent.size(), 1);
    m_model->zoneName(Remote, 10, 1);
    QCOMPARE(sent.size(), 2);
    QCOMPARE(m_model->requestedZoneTextCount(), 2);
    m_model->resetTextRequests();
    m_model->zoneName(Remote, 9, 1);
    QCOMPARE(sent.size(), 3);

    // Without retrieval, or for a panel not in state 2, nothing is asked.
    scriptRemote(2, "0");
    m_model->zoneName(Remote, 11, 1);
    scriptRemote(6, "1");
    m_model->zoneName(Remote, 12, 1);
    QCOMPARE(sent.size(), 3);
}

void TestPointTexts::resetTextRequests_clearsCachedPointTexts()
{
    PointTextEntry entry;
    entry.channel = ChannelAddress(12, 2, 0);
    entry.point = 17;
    entry.firstText = QStringLiteral("Lobby");
    writePointTexts(Local, entry);
    QCOMPARE(m_model->pointName(Local, 12, 0, 2, 17, 1), entry.firstText);
    m_model->resetTextRequests();
    QVERIFY(!PanelPointStringsFile(Local).exists());
    QCOMPARE(m_model->pointName(Local, 12, 0, 2, 17, 1), LocalPoint);
}

void TestPointTexts::regionAndLoopNames()
{
    setValue(RegionNamesBucket, "5|6|2|1", "Network card 2");
    setValue(RegionNamesBucket, "5|6|2|2", "Netzkarte 2");
    setValue(RegionNamesBucket, "5|12|3|1", "Loop three");
    QCOMPARE(m_model->regionName(5, 6, 2, false), QStringLiteral("Network card 2"));
    TeskGlobalConfig::instance()->setCurrentLang(2);
    QCOMPARE(m_model->regionName(5, 6, 2, false), QStringLiteral("Netzkarte 2"));
    TeskGlobalConfig::instance()->setCurrentLang(1);
    QVERIFY(m_model->regionName(5, 6, 3, false).isEmpty());
    QCOMPARE(m_model->regionName(5, 6, 3, true), QStringLiteral("_UNKNOWN_POINT_REGION_NAME_LISTITEM"));
    QCOMPARE(m_model->loopName(5, 3), QStringLiteral("Loop three"));
    QCOMPARE(m_model->loopName(5, 4), QStringLiteral("_UNKNOWN_POINT_REGION_NAME_LISTITEM"));
}

void TestPointTexts::deviceUses_data()
{
    QTest::addColumn<int>("use");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("deviceType");
    QTest::newRow("whole value") << 40 << "2|17|Smoke detector"
                                 << "Smoke detector" << 2 << 17;
    QTest::newRow("absent") << 40 << ""
                            << "" << 0 << 128;
    QTest::newRow("two fields") << 40 << "2|17"
                                << "" << 2 << 17;
    QTest::newRow("one field") << 40 << "3"
                               << "" << 3 << 128;
    QTest::newRow("as configured 2048") << 2048 << "1|2|stored"
                                        << "_AS_CONFIGURED_SELTEXT" << 1 << 2;
    QTest::newRow("as configured 2049") << 2049 << ""
                                        << "_AS_CONFIGURED_SELTEXT" << 0 << 128;
}

void TestPointTexts::deviceUses()
{
    QFETCH(int, use);
    QFETCH(QString, stored);
    QFETCH(QString, text);
    QFETCH(int, category);
    QFETCH(int, deviceType);
    setValue(DeviceUsesBucket, QString::number(use), stored);
    QCOMPARE(m_model->deviceUseText(quint16(use)), text);
    QCOMPARE(m_model->deviceUseCategory(quint16(use)), category);
    QCOMPARE(int(m_model->deviceUseDeviceType(quint16(use))), deviceType);
}

void TestPointTexts::storeTexts()
{
    setValue(DeviceTagsBucket, "33", "OPT");
    setValue(DeviceDescriptionsBucket, "33|2", "Optischer Melder");
    setValue(InformationBucket, "254|0|1", "Call the engineer");
    setValue(EventNamesBucket, "140|1", "Fire");
    setValue(GlobalBucket, "measureUnitTyp|3|2", "Grad");
    QCOMPARE(m_model->deviceTag(33), QStringLiteral("OPT"));
    QVERIFY(m_model->deviceTag(34).isEmpty());
    QCOMPARE(m_model->deviceDescription(33, 2), QStringLiteral("Optischer Melder"));
    QVERIFY(m_model->deviceDescription(33, 1).isEmpty());
    QCOMPARE(m_model->informationText(254, 0, 1), QStringLiteral("Call the engineer"));
    QCOMPARE(m_model->eventName(140, 1), QStringLiteral("Fire"));
    QVERIFY(m_model->eventName(141, 1).isEmpty());
    QVERIFY(m_model->measureUnitType(3).isEmpty());
    TeskGlobalConfig::instance()->setCurrentLang(2);
    QCOMPARE(m_model->measureUnitType(3), QStringLiteral("Grad"));
    TeskGlobalConfig::instance()->setCurrentLang(1);
}

void TestPointTexts::logicalZoneNumber()
{
    QCOMPARE(m_model->logicalZoneNumber(5, 9), quint16(0));
    setValue(LogicalZonesBucket, "5|90|12", "1");
    setValue(LogicalZonesBucket, "15|9|77", "1");
    QCOMPARE(m_model->logicalZoneNumber(5, 9), quint16(0));
    setValue(LogicalZonesBucket, "5|9|10234", "1");
    QCOMPARE(m_model->logicalZoneNumber(5, 9), quint16(10234));
    QCOMPARE(m_model->logicalZoneNumber(15, 9), quint16(77));
}

QTEST_GUILESS_MAIN(TestPointTexts)
#include "tst_pointtexts.moc"
