#pragma once

#include "core/SC_Singleton.h"

#include <QObject>

class SC_Timer;
#include <QString>

class PanelEnvironment;

// The panel's USB socket: when a stick arrives its directory is read for a
// calibration request, a service configuration, update directories and the
// firmware images, and an entitled user is offered what it carries; pulling
// it during a service action is reported. The screens follow usbStatusChange
// to show their unmount buttons.
class USBController final
    : public QObject
    , public SC_Singleton<USBController>
{
    Q_OBJECT

public:
    // The stick's directory, relative to the data directory.
    static QString usbPath();

    // Not owned; null leaves the stick's flags and report only.
    void setEnvironment(PanelEnvironment *environment) { m_environment = environment; }

    bool isCalibrationRequested() const { return m_calibrationRequested; }
    bool isConfigurationFilePresent() const { return m_configurationFilePresent; }
    bool hasUpdateDirectory() const { return m_updateDirectoryPresent; }
    bool hasFirmwareImages() const { return m_firmwareImagesPresent; }
    bool isStickPresent() const { return m_stickPresent; }

signals:
    void quitQuiescentState();
    void usbStatusChange(bool present);

public slots:
    void usbStickUpdateSlot(bool present);
    void skipCalibration(bool skip);
    void usbUpdateConfirm();

private:
    friend class SC_Singleton<USBController>;

    USBController() = default;

    void stickInserted();
    void stickRemoved();
    void readServiceConfiguration();
    void offerService();
    // The page a later screen shows here; until then the offer is logged.
    void showPage(const char *page, int kind = -1) const;

    PanelEnvironment *m_environment = nullptr;
    bool m_calibrationRequested = false;
    bool m_skipCalibration = false;
    bool m_configurationFilePresent = false;
    bool m_updateDirectoryPresent = false;
    bool m_firmwareImagesPresent = false;
    bool m_stickPresent = false;
    // Made at the first offer, from the engine's clock.
    SC_Timer *m_confirmTimer = nullptr;
};
