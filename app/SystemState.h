#pragma once

#include "app/ConnectionStateTransition.h"
#include "core/BannerStatus.h"
#include "core/SC_Singleton.h"
#include "frontpanel/IndicationEnvironment.h"
#include "frontpanel/RbusEnvironment.h"
#include "frontpanel/flasher.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStateMachine>

class QSignalTransition;
class QState;

// What the whole user interface must know at once: how the front end reaches
// the panel (Ethernet link, front-panel bus in one of two repeater modes, or
// not at all), the front end's configuration record, and the panel's fire,
// fault, evacuation and banner summary.
class SystemState final
    : public QObject
    , public SC_Singleton<SystemState>
    , public flasherEnvironment
    , public IndicationEnvironment
    , public RbusEnvironment
{
    Q_OBJECT

public:
    ~SystemState() override;

    // The front end's configuration, in the order of its EEPROM image.
    struct Configuration
    {
        int rbusAddress = 1;
        int rbusMode = 0; // 1 monitored, 0 unmonitored
        int guiMode = 0; // 0 Ethernet, 1 Ethernet with backup, 2 and 3 bus repeater
        int brand = 0; // 1 the Saltmarsh brand
        int zonalLedMode = 0; // zonal LED board kind
        int reserved = -1;
    };

    // The EEPROM address of the configuration image.
    static constexpr quint16 EepromAddress = 4096;
    // The Saltmarsh brand.
    static constexpr int LocationTitlesBrand = 1;

    // The connection reports come from the panel link (the flag of
    // updateEnetConnectedToPanel(bool)) and from the front-panel bus driver
    // (connectedInRbusMode(), connectedInE30Mode(), disconnectedRbusOrE30()).
    void watchEthernetLink(const QObject *link);
    void watchFrontPanelBus(const QObject *bus);

    bool isEthernetConnected() const;
    bool isE30Connected() const override;
    bool isRbusConnected() const override;
    bool isEthernetOrRbusConnected() const override;
    bool isConnected() const override;
    bool isDisconnected() const override;
    // Set and cleared by the home screen while the network master awaits a log-on.
    bool isPanelReadyForAuthentication() const { return m_panelReadyForAuthentication; }
    void setPanelReadyForAuthentication(bool ready) { m_panelReadyForAuthentication = ready; }
    // A user of permission level 2 or more is logged on.
    bool mayKeepBuzzerOverride() const override;

    void setFireActive(const bool &active) override;
    void setFaultActive(const bool &active) override;
    void setEvacuationActive(const bool &active) override;
    bool isFireActive() const override { return m_fireActive; }
    bool isFaultActive() const { return m_faultActive; }
    bool isEvacuationActive() const { return m_evacuationActive; }

    void setBannerStatus(const TC::BANNER_STATUS &status) override;
    TC::BANNER_STATUS bannerStatus() const { return m_bannerStatus; }

    bool isBuzzerDisabled() const { return m_flasher.isBuzzerDisabled(); }
    bool isBuzzerOverride() const { return m_flasher.isBuzzerOverride(); }
    flasher &ledFlasher() override { return m_flasher; }
    void setBuzzerOverride();
    // At shut-down: the LEDs and the buzzer keep their last state.
    void stopFlashing();

    bool serviceMenuFlag() const { return m_serviceMenuFlag; }

    const Configuration &configuration() const { return m_configuration; }
    int guiMode() const override { return m_configuration.guiMode; }
    int rbusMode() const override { return m_configuration.rbusMode; }
    int rbusAddress() const { return m_configuration.rbusAddress; }
    int zonalLedMode() const override { return m_configuration.zonalLedMode; }
    int brand() const { return m_configuration.brand; }

    void setBrand(int brand);
    void resetConfiguration();
    // Keeps the record even when the write fails; the result is the write's.
    bool writeEepromConfiguration(const Configuration &configuration, bool processAfter);
    // The 8 bytes written to the EEPROM: the low bytes of the mode, the
    // monitoring and the bus address, the reserved value's four bytes (most
    // significant first), then the low byte of the zonal LED kind.
    static QByteArray eepromImage(const Configuration &configuration);

public slots:
    void enableBuzzer();
    void disableBuzzer() override;
    void sendFireResetSignal();
    void updateConnectedStatus();
    void updateDisconnectedStatus();

signals:
    void stateChanged();
    void updateBannerStatus(TC::BANNER_STATUS status);
    void fireStarted();
    void fireReset();
    void faultStarted();
    void faultReset();
    void evacuationStarted();
    void evacuationReset();

private:
    friend class SC_Singleton<SystemState>;

    SystemState();

    void buildConnectionMachine();
    void applyBrandToDelegates() const;
    bool inState(const QState *state) const;
    void storeBannerStatus(TC::BANNER_STATUS status);
    // Stores a summary flag; a change emits its started or reset signal.
    void changeFlag(bool &flag, bool active, void (SystemState::*started)(), void (SystemState::*reset)());

    flasher m_flasher;
    Configuration m_configuration;
    QStateMachine m_connectionMachine;
    QState *m_ethernetConnected = nullptr;
    QState *m_e30Connected = nullptr;
    QState *m_rbusConnected = nullptr;
    QState *m_disconnected = nullptr;
    // Owned by their source states once added; declared after the machine
    // so they leave their states before the states go.
    ConnectionStateTransition m_ethernetUp;
    ConnectionStateTransition m_ethernetDown;
    QList<QSignalTransition *> m_busTransitions;
    bool m_fireActive = false;
    bool m_panelReadyForAuthentication = false;
    bool m_faultActive = false;
    bool m_evacuationActive = false;
    TC::BANNER_STATUS m_bannerStatus = TC::BANNER_NORMAL;
    bool m_serviceMenuFlag = false;
};
