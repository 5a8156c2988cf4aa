#include "frontpanel/Rbus.h"

#include "core/SC_Timer.h"
#include "frontpanel/IndicationState.h"
#include "frontpanel/RbusEnvironment.h"
#include "frontpanel/RbusPacketBuffer.h"
#include "frontpanel/rbusEmergencyModeCommandPacket.h"
#include "frontpanel/rbusEventLog.h"
#include "frontpanel/rbusInputPointChangePacket.h"

namespace {

constexpr int GeneralFireOutput = 1;
constexpr int GeneralFaultOutput = 2;
constexpr int BuzzerOutput = 20;
constexpr int Off = 0;
constexpr int Lit = 1;
constexpr int Pulsing = 2;

constexpr int PanelKeysGroup = 0;
constexpr quint8 DiruSilenceInput = 6;
constexpr quint8 SilenceInput = 19;
constexpr int DiruRepeater = 3;
constexpr int MonitoredBus = 1;

} // namespace

Rbus::Rbus(const QString &devicePath, QObject *parent)
    : QObject(parent)
    , m_device(devicePath)
    , m_backupTimer(SC_Timer::create(this))
    , m_silenceRelease(SC_Timer::create(this))
    , m_inputStates{QBitArray(24), QBitArray(8), QBitArray(96)}
{
    m_backupTimer->setInterval(SupervisionMs);
    connect(m_backupTimer, &SC_Timer::timeout, this, &Rbus::timerBackupConnection);
    m_silenceRelease->setSingleShot(true);
    m_silenceRelease->setInterval(SilenceReleaseMs);
    connect(m_silenceRelease, &SC_Timer::timeout, this, &Rbus::silenceBuzzerRelease);
}

Rbus::~Rbus() = default;

void Rbus::start()
{
    IndicationState::instance()->setIndication(BuzzerOutput, Pulsing);
    if (m_device.isOpen())
        return;
    // Unbuffered: a frame reaches the bus when it is sent, not at exit.
    m_device.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
}

void Rbus::setInputPoint(int group, quint8 number, bool state)
{
    if (m_environment && m_environment->isRbusConnected()) {
        rbusInputPointChangePacket packet(QSharedPointer<RbusPacketBuffer>::create());
        packet.addEntry(group, number, state);
        send(packet);
    }
    // An input outside its group has no bit to record.
    if (group >= 0 && group < Groups && number >= 1 && number <= m_inputStates[size_t(group)].size())
        m_inputStates[size_t(group)].setBit(number - 1, state);
}

bool Rbus::inputState(int group, int number) const
{
    if (group < 0 || group >= Groups || number < 1 || number > m_inputStates[size_t(group)].size())
        return false;
    return m_inputStates[size_t(group)].testBit(number - 1);
}

int Rbus::silenceInput() const
{
    return m_environment && m_environment->guiMode() == DiruRepeater ? DiruSilenceInput : SilenceInput;
}

void Rbus::silenceBuzzerPress()
{
    if (!m_environment)
        return;
    m_environment->disableBuzzer();
    if (!m_environment->isRbusConnected())
        return;
    setInputPoint(PanelKeysGroup, quint8(silenceInput()), true);
    m_silenceRelease->start();
}

void Rbus::silenceBuzzerRelease()
{
    setInputPoint(PanelKeysGroup, quint8(silenceInput()), false);
}

bool Rbus::mayCommand() const
{
    return m_environment && m_environment->isE30Connected() && m_environment->guiMode() < 2;
}

void Rbus::send(rbusBasePacket &packet)
{
    packet.serialise();
    packet.sendReply(m_device, m_environment && m_environment->rbusMode() == MonitoredBus);
}

void Rbus::sendEmergencyCommand(rbusBasePacket &&packet)
{
    if (mayCommand())
        send(packet);
}

void Rbus::sendEmergencyDisable(int first, int second)
{
    sendEmergencyCommand(rbusEmergencyModeCommandPacket(QSharedPointer<RbusPacketBuffer>::create(),
                                                        rbusEmergencyModeCommandPacket::Disable, 0, quint8(first),
                                                        quint8(second)));
}

void Rbus::sendEmergencyReset()
{
    sendEmergencyCommand(rbusEmergencyModeCommandPacket(QSharedPointer<RbusPacketBuffer>::create(),
                                                        rbusEmergencyModeCommandPacket::Reset));
}

void Rbus::sendEmergencySilence()
{
    sendEmergencyCommand(rbusEmergencyModeCommandPacket(QSharedPointer<RbusPacketBuffer>::create(),
                                                        rbusEmergencyModeCommandPacket::SilenceSounders));
}

void Rbus::backupTrafficReceived(int link)
{
    if (link == 1)
        ++m_rxCounter1;
    else if (link == 2)
        ++m_rxCounter2;
    else
        return;
    m_backupLinkUp = true;
    if (!m_backupTimer->isActive())
        m_backupTimer->start();
}

void Rbus::timerBackupConnection()
{
    if (!m_backupLinkUp) {
        m_backupTimer->stop();
        m_rxCounter1 = m_rxCounter2 = m_lastRxCounter1 = m_lastRxCounter2 = 0;
        m_missedChecks = 0;
        return;
    }
    if (m_rxCounter1 != m_lastRxCounter1 || m_rxCounter2 != m_lastRxCounter2) {
        m_lastRxCounter1 = m_rxCounter1;
        m_lastRxCounter2 = m_rxCounter2;
        m_missedChecks = 0;
        return;
    }
    if (m_missedChecks < MissedChecksAllowed) {
        ++m_missedChecks;
        return;
    }
    endBackupLink();
}

// The panel is no longer heard: its log and outputs are void, and the front
// shows a fault with a pulsing buzzer.
void Rbus::endBackupLink()
{
    m_backupLinkUp = false;
    rbusEventLog::instance()->clear();
    emit disconnectedRbusOrE30();
    m_backupTimer->stop();
    IndicationState *indications = IndicationState::instance();
    indications->clearAll();
    indications->setIndication(GeneralFireOutput, Off);
    indications->setIndication(GeneralFaultOutput, Lit);
    indications->setIndication(BuzzerOutput, Pulsing);
    indications->updateBanner();
}
