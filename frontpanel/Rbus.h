#pragma once

#include "core/SC_Singleton.h"

#include <QBitArray>
#include <QFile>
#include <QObject>

#include <array>

class RbusEnvironment;
class SC_Timer;
class rbusBasePacket;

// The driver of the panel's front-panel bus, a character device. It sends
// the panel front's inputs (the buzzer-silence key) while the engine is
// connected as a bus device, and the emergency-mode commands (disable,
// reset, silence sounders) while it is connected in E30 mode; it supervises
// the backup link and ends it after seven silent seconds. What the bus
// sends back is read by a reading side that reports through
// backupTrafficReceived() and the three connection signals.
class Rbus final
    : public QObject
    , public SC_Singleton<Rbus>
{
    Q_OBJECT

public:
    static constexpr int SupervisionMs = 1000;
    static constexpr int SilenceReleaseMs = 500;
    // Silent supervision ticks that still keep the backup link.
    static constexpr int MissedChecksAllowed = 6;

    explicit Rbus(const QString &devicePath = QStringLiteral("/dev/rbus"), QObject *parent = nullptr);
    ~Rbus() override;

    // Not owned; without one nothing is sent and the buzzer is left alone.
    void setEnvironment(RbusEnvironment *environment) { m_environment = environment; }
    RbusEnvironment *environment() const { return m_environment; }

    // Once at start-up on a front-panel bus configuration: the buzzer pulses
    // until the bus reports, and the device is opened.
    void start();
    bool isDeviceOpen() const { return m_device.isOpen(); }

    // An input of the panel front pressed or released: sent while connected
    // as a bus device, and recorded in every case.
    void setInputPoint(int group, quint8 number, bool state);
    // The last state recorded for the input; false for one outside its group.
    bool inputState(int group, int number) const;

    void silenceBuzzerPress();

    void sendEmergencyDisable(int first, int second);
    void sendEmergencyReset();
    void sendEmergencySilence();

    // The reading side's report of a frame on backup link 1 or 2: the link
    // is up and its supervision runs.
    void backupTrafficReceived(int link);
    bool isBackupLinkUp() const { return m_backupLinkUp; }

signals:
    void connectedInE30Mode();
    void connectedInRbusMode();
    void disconnectedRbusOrE30();

public slots:
    void timerBackupConnection();

private slots:
    void silenceBuzzerRelease();

private:
    static constexpr int Groups = 3;

    int silenceInput() const;
    bool mayCommand() const;
    void send(rbusBasePacket &packet);
    void sendEmergencyCommand(rbusBasePacket &&packet);
    void endBackupLink();

    RbusEnvironment *m_environment = nullptr;
    QFile m_device;
    SC_Timer *m_backupTimer;
    SC_Timer *m_silenceRelease;
    qint32 m_rxCounter1 = 0;
    qint32 m_rxCounter2 = 0;
    qint32 m_lastRxCounter1 = 0;
    qint32 m_lastRxCounter2 = 0;
    bool m_backupLinkUp = false;
    int m_missedChecks = 0;
    std::array<QBitArray, Groups> m_inputStates;
};
