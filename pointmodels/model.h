#pragma once

#include "core/SC_Singleton.h"
#include "core/TCTypes.h"
#include "eventlog/EventData.h"

#include <QBitArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>

#include <memory>

class PanelStatusCountsRecord;

// The GUI side's one answer to what state the panels are in: counts, modes,
// network role, loops, point attributes and texts. Almost everything is read
// at the moment of the question from the state store (the bucket is the
// sync page that fills it) and the configuration singletons; the model keeps
// only the network-master rules' result, the address template, the
// commissioning flag, three event-log sequence numbers, the last-seen system
// totals and which remote texts it has asked the controller for.
class model final
    : public QObject
    , public SC_Singleton<model>
{
    Q_OBJECT

public:
    // A loop's first and last address; first above last is an empty range.
    using AddressRange = QPair<quint8, quint8>;
    // A panel and 1 when the panel does not answer (left out of choices).
    using PanelEntry = QPair<quint8, quint8>;

    // Tests build their own; everything else uses instance().
    explicit model(QObject *parent = nullptr);
    ~model() override;

    // Status counts of a panel (254 the system totals).
    int alarmWarningsCount(TC::panel_t panel) const;
    int fireAlarmsCount(TC::panel_t panel) const;
    int panelEnteredAlarmCount(TC::panel_t panel) const;
    int pointsOnTestCount(TC::panel_t panel) const;
    // 255 when unknown.
    quint8 batteryStatus(TC::panel_t panel) const;
    // A panel without the flag reads the system totals' when useSystem.
    bool isDownloadInhibited(TC::panel_t panel, bool useSystem) const;
    bool isTestEquipmentActive(TC::panel_t panel, bool useSystem) const;
    // This panel's flag, or the system totals' when the controller sent
    // none for this panel.
    bool isDayModeDisabled() const;

    bool isMasterPanel() const;
    bool isDayMode() const;
    bool isPowerSaving() const;
    bool areSoundersActive() const;
    bool areSoundersSilenced() const;

    int loopDisplayFormat() const;
    bool isIpLastPassTestDateSupported() const;
    bool isSounderRsmFaultEnabled() const;
    bool isManualConfigSupportedLk6() const;
    bool isOutputSelfTestSupported() const;
    bool isEn54Part13Supported() const;

    uint loopStatusFirstField(TC::panel_t panel, quint8 loop) const;
    uint loopStatusSecondField(TC::panel_t panel, quint8 loop) const;
    QString bucketValueForPanel(int bucketId, TC::panel_t panel) const;

    quint8 localPanel() const;
    bool isCommissioningMode() const { return m_commissioningMode; }
    bool isKeyswitchAccessEnabled() const;
    // Faults, disablements or alarm warnings of the panel, or a walk test
    // anywhere on the network.
    bool hasPanelActivity(TC::panel_t panel) const;
    bool isFaultAcceptanceEnabled() const;
    // How the front end reaches the panel (0 Ethernet, 1 with backup, 2 and
    // 3 the bus repeaters); 0 before the engine state exists.
    int guiMode() const;

    // Network master rules; in force only under address template 1.
    int templateId() const { return m_template; }
    bool isTemplate1() const { return m_template == 1; }
    int networkRole() const { return m_networkRole; }
    int currentNetMaster() const { return m_currentNetMaster; }
    bool isLocalControlAllowed() const;
    // 1 master, 2 temporary master (or no master known), 0 another panel is
    // master.
    int networkRoleOf(TC::panel_t panel) const;
    // The language's country decides the address template: Austria 1,
    // Denmark 2, any other 0.
    void setLanguage(int languageId);

    int pointMap32Count() const;
    // Sets the four to 0, then adds the forced-input maps (with first) and
    // the forced maps (with second).
    static void pointMapCounts(int &out0, int &out1, int &out2, int &out3, bool withFirst, bool withSecond);
    int panelEquipmentType(TC::panel_t panel) const;
    // Node 253 and printer 255 unless reports go to a panel printer.
    void printerSelection(quint8 &node, quint8 &printer) const;
    bool isPanelOptionSet(int bit) const;

    // Loop number to driver byte, for the loops the panel drives.
    QHash<int, quint8> configuredLoops(TC::panel_t panel) const;
    AddressRange loopAddressRange(TC::panel_t panel, quint8 loop) const;
    AddressRange pairedLoopAddressRange(TC::panel_t panel, quint8 loop) const;
    QList<PanelEntry> panelList() const;

    // One bit per loop from the shut-down string; 255 clear bits without.
    QBitArray loopShutdownBits(TC::panel_t panel) const;
    // 1 shut down, 0 in service, -1 for a loop outside 1 to 32.
    static int loopShutdownBit(int loop, const QBitArray &bits);
    int isLoopShutDown(TC::panel_t panel, int loop) const;

    // The byte the controller names itself with when it connects.
    quint8 controllerType() const { return m_controllerType; }
    void setControllerType(quint8 type) { m_controllerType = type; }

    EventLog::SeqNum_t fireResetSeqNo() const { return m_fireResetSeqNo; }
    EventLog::SeqNum_t currResetOrOldestSeqNo() const { return m_currResetOrOldestSeqNo; }
    EventLog::SeqNum_t latestCurrSeqNo() const { return m_latestCurrSeqNo; }

    // A configured point. Where none is: zone 254, device type 128,
    // attributes 0 (and false), logical number 251.
    quint8 pointZone(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point) const;
    quint8 pointDeviceType(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point) const;
    static bool pointAttributes(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point,
                                quint8 &attributes);
    // 251 also while logical addressing is off.
    quint8 logicalPointNumber(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point) const;
    bool testPointMap134(TC::panel_t panel, quint8 kind, quint8 address, quint8 number, quint8 point) const;

    // Texts in language selection 1 or 2. A missing point or zone name of
    // another panel is asked for once (until resetTextRequests) and shows
    // a placeholder meanwhile.
    QString pointName(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point, int language);
    QString zoneName(TC::panel_t panel, TC::zone_t zone, int language);
    QString regionName(TC::panel_t panel, int kind, int channel, bool fallback) const;
    QString loopName(TC::panel_t panel, quint8 loop) const;
    QString deviceUseText(quint16 use) const;
    int deviceUseCategory(quint16 use) const;
    quint8 deviceUseDeviceType(quint16 use) const;
    QString deviceTag(quint8 deviceType) const;
    QString deviceDescription(quint8 deviceType, int language) const;
    QString informationText(quint8 panel, quint8 message, int language) const;
    QString eventName(int event, int language) const;
    QString measureUnitType(int unit) const;
    quint16 logicalZoneNumber(TC::panel_t panel, TC::zone_t zone) const;
    // Forgets which texts were asked for and every cached point text.
    void resetTextRequests();

    int requestedPointTextCount() const { return m_requestedPointTexts.size(); }
    int requestedZoneTextCount() const { return m_requestedZoneTexts.size(); }

signals:
    // Panel 254 and the bits of the system totals that changed: 1
    // disablements, 2 fire alarms, 4 faults, 8 alarm warnings, 0x20 points
    // on test.
    void updatePanelStatusCounts(TC::panel_t panel, uint changes);
    void masterSlaveUpdate();
    // The point key is panel, channel byte, channel address and point from
    // the high byte down.
    void sendPointTextRequest(quint32 pointKey, TC::eLanguageSelection language);
    void sendZoneTextRequest(TC::panel_t panel, TC::zone_t zone, TC::eLanguageSelection language);

public slots:
    // Bucket 5 keys of the system totals (panel 254) run the status counts
    // check; other keys and buckets are passed over.
    void bucketUpdated(uint bucketId, QString key, QString value);
    void fireResetSeqNoUpdated(EventLog::SeqNum_t seqNo);
    void currResetOrOldestSeqNoUpdated(EventLog::SeqNum_t seqNo);
    void latestCurrSeqNoUpdated(EventLog::SeqNum_t seqNo);
    void handlePanelStatusCountsChange();
    void globalConfig();
    void commissioningMode();
    void updateLogicalZoneOrAddressing();

private:
    void checkStatusCounts(TC::panel_t panel);
    QString remoteOrDefaultPointName(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point,
                                     int language);
    QString defaultPointName(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point,
                             int language) const;
    bool canAskForRemoteTexts(TC::panel_t panel) const;
    void setTemplate(int templateId);

    int m_masterNodeId = -1;
    int m_localPanel = -1;
    int m_currentNetMaster = -1;
    int m_networkRole = 0;
    bool m_restrictedLogon = false;
    int m_template = 0;
    quint8 m_controllerType = 0;
    EventLog::SeqNum_t m_fireResetSeqNo = 0;
    EventLog::SeqNum_t m_currResetOrOldestSeqNo = 0;
    EventLog::SeqNum_t m_latestCurrSeqNo = 0;
    bool m_commissioningMode = false;
    std::unique_ptr<PanelStatusCountsRecord> m_systemTotals;
    QSet<quint32> m_requestedPointTexts;
    QSet<quint16> m_requestedZoneTexts;
};
