#pragma once

#include "core/SC_Singleton.h"

#include <QChar>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

// The panel-wide settings the user interface consults everywhere: languages
// and code pages, logical zone and address display, the optional functions
// the panel allows, restriction masks, this panel's number and more. They
// come from "globalconfig.xml" (read once, written whenever a file-backed
// setting changes), from the controller's engine configuration and from the
// connection handshake.
class TeskGlobalConfig final
    : public QObject
    , public SC_Singleton<TeskGlobalConfig>
{
    Q_OBJECT

public:
    // Language ids index the translator's table of 39 languages.
    static constexpr int MaxLanguageId = 38;

    int getLanguage(int which) const;
    quint16 getCodepage(int which) const;
    int getCurrentLang() const { return m_currentLang; }
    quint8 getLangUsage() const { return m_langUsage; }
    bool getZoneFiltering() const { return m_zoneFiltering; }
    bool getFirstSecondFire() const { return m_firstSecondFire; }
    bool getLogicalZones() const { return m_logicalZones; }
    bool getLogicalAddr() const { return m_logicalAddr; }
    bool isEvacuateWithoutLogin() const { return m_evacuateWithoutLogin; }
    bool getDisablementFlag() const { return m_disablementFlag; }
    bool isKeyswitchEnabled() const { return m_keyswitchEnabled; }
    bool isSwissModeEnabled() const { return m_swissModeEnabled; }
    bool isEvacuateEnabled() const { return m_evacuateEnabled; }
    bool isSoundersOnOffEnabled() const { return m_soundersOnOffEnabled; }
    bool isKeySafeEnabled() const { return m_keySafeEnabled; }
    bool isAlarmAckEnabled() const { return m_alarmAckEnabled; }
    bool isPointSettingsLocked() const { return m_pointSettingsLocked; }
    quint8 getPanelNumber() const { return m_panelNumber; }
    quint16 getResetEventCode1() const { return m_resetEventCode1; }
    quint16 getResetEventCode2() const { return m_resetEventCode2; }
    int getCustomLink1() const { return m_customLink1; }
    int getCustomLink2() const { return m_customLink2; }
    int getDateFormat() const { return m_dateFormat; }
    int getEngineerLogoutTime() const { return m_engineerLogoutTime; }
    int getInputPointChannel() const { return m_inputPointChannel; }
    int getRbusAddress() const { return m_rbusAddress; }
    int getNetworkNodeNumber() const { return m_networkNodeNumber; }
    int getConnectionNodeNumber() const { return m_connectionNodeNumber; }
    // The layout of the packet header, 0 before controller version 600 and 1
    // from it on: the link and the panel data both read addresses through it.
    int packetHeaderLayout() const { return m_packetHeaderLayout ? 1 : 0; }
    bool isRestricted(int mask) const { return (m_restrictionMask & mask) != 0; }
    bool isRestrictedExt(int mask) const { return (m_restrictionMaskExt & mask) != 0; }
    QString getTimeFormat() const { return QStringLiteral("hh:mm"); }
    // The letter of a point type in printed addresses, from the controller's
    // table of the current language when it has one, else the built-in one.
    QChar getAddressTypeChar(int type) const;

    void setEvacuateEnabled(bool enabled) { m_evacuateEnabled = enabled; }
    void setSoundersOnOffEnabled(bool enabled) { m_soundersOnOffEnabled = enabled; }
    void setKeySafeEnabled(bool enabled) { m_keySafeEnabled = enabled; }
    void setAlarmAckEnabled(bool enabled) { m_alarmAckEnabled = enabled; }
    void setKeyswitchEnabled(bool enabled) { m_keyswitchEnabled = enabled; }
    void setSwissModeEnabled(bool enabled) { m_swissModeEnabled = enabled; }
    void setPointSettingsLocked(bool locked) { m_pointSettingsLocked = locked; }
    void setDisablementFlag(bool flag) { m_disablementFlag = flag; }
    void setPanelNumber(quint8 panel) { m_panelNumber = panel; }
    void setResetEventCode1(quint16 code) { m_resetEventCode1 = code; }
    void setResetEventCode2(quint16 code) { m_resetEventCode2 = code; }
    void setCustomLink1(int link) { m_customLink1 = link; }
    void setCustomLink2(int link) { m_customLink2 = link; }
    void setDateFormat(int format) { m_dateFormat = format; }
    void setEngineerLogoutTime(int milliseconds) { m_engineerLogoutTime = milliseconds; }
    void setInputPointChannel(quint8 channel) { m_inputPointChannel = channel; }
    void setRbusAddress(quint8 address) { m_rbusAddress = address; }
    void setRestrictionMask(quint16 mask) { m_restrictionMask = mask; }
    void setRestrictionMaskExt(quint16 mask) { m_restrictionMaskExt = mask; }
    void setNetworkNodeNumber(int node) { m_networkNodeNumber = node; }
    void setConnectionNodeNumber(int node) { m_connectionNodeNumber = node; }

    void setEvacuateWithoutLogin(bool allowed);
    void setZoneFiltering(bool on);
    void setFirstSecondFire(bool on);
    void setLogicalZones(bool on);
    void setLogicalAddr(bool on);
    void setCurrentLang(int slot);
    // Language ids above 38 are ignored; the file is saved when anything
    // changed, and updateLanguage() follows in every case.
    void setLanguages(quint8 usage, quint8 first, quint16 firstCodepage, quint8 second, quint16 secondCodepage);
    // A front end in the second repeater mode shows language 9 in place of
    // each language the file configures.
    void fixLanguagesForRepeater();
    // Layout 1 for engine configuration versions from 600 on.
    void setPacketHeaderLayout(int version) { m_packetHeaderLayout = version >= 600; }
    // Table 1 holds the first language's letters, table 2 the second's.
    void setAddressLetters(int table, const QVector<QChar> &letters);
    // Deletes the saved file, so that the next start uses the defaults.
    void removeConfigFile();

    // Printed zone texts depend on the language and the logical modes; the
    // address printer, on a floor above, installs how its cache of them is
    // emptied whenever these may have changed (nothing: no cache to empty).
    static void setZoneTextCacheClearer(std::function<void()> clearer);

    // While one lives, changed settings are kept and saved once, when the
    // last one ends: one engine configuration changes several of them, and
    // a crash between separate saves would leave old and new values mixed.
    class SaveBatch final
    {
    public:
        explicit SaveBatch(TeskGlobalConfig *config);
        ~SaveBatch();
        SaveBatch(const SaveBatch &) = delete;
        SaveBatch &operator=(const SaveBatch &) = delete;

    private:
        TeskGlobalConfig *m_config;
    };

signals:
    void updateLanguage();
    void evacuateWithoutLoginChanged();

private:
    friend class SC_Singleton<TeskGlobalConfig>;

    TeskGlobalConfig();

    void loadConfigFile();
    void saveConfigFile() const;
    static std::function<void()> &zoneTextCacheClearer();
    static void clearZoneTextCache();
    // Saves now, or once the open batches end.
    void saveChanges();
    // True when the value changed (and is saved, now or when the batch ends).
    template <typename T> bool setAndSave(T &field, T value);

    bool m_zoneFiltering = false;
    bool m_firstSecondFire = false;
    bool m_logicalZones = false;
    bool m_logicalAddr = false;
    bool m_evacuateWithoutLogin = false;
    bool m_disablementFlag = false;
    int m_currentLang = 1;
    int m_firstLang = 0;
    int m_secondLang = 0;
    bool m_firstLangConfigured = false;
    bool m_secondLangConfigured = false;
    quint8 m_langUsage = 129;
    quint16 m_firstCodepage = 850;
    quint16 m_secondCodepage = 850;
    int m_openBatches = 0;
    bool m_saveDeferred = false;
    int m_dateFormat = 2;
    bool m_keyswitchEnabled = false;
    bool m_swissModeEnabled = false;
    bool m_evacuateEnabled = false;
    bool m_soundersOnOffEnabled = false;
    bool m_keySafeEnabled = false;
    bool m_alarmAckEnabled = false;
    bool m_pointSettingsLocked = false;
    quint8 m_panelNumber = 0;
    quint16 m_resetEventCode1 = 0;
    quint16 m_resetEventCode2 = 0;
    int m_customLink1 = 0;
    int m_customLink2 = 0;
    int m_engineerLogoutTime = 0;
    int m_inputPointChannel = 5;
    int m_rbusAddress = 15;
    bool m_packetHeaderLayout = false;
    quint16 m_restrictionMask = 0;
    int m_networkNodeNumber = 0;
    int m_connectionNodeNumber = 0;
    quint16 m_restrictionMaskExt = 0;
    QVector<QChar> m_addressLetters1;
    QVector<QChar> m_addressLetters2;
};
