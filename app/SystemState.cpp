#include "app/SystemState.h"

#include "app/Security.h"
#include "app/statusIconsController.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/IndicationState.h"
#include "frontpanel/Rbus.h"
#include "widgets/RolesDelegate.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalTransition>
#include <QState>

namespace {

// The boot environment's flag that makes the front-panel module re-read its
// configuration record.
constexpr char clearModuleFlagCommand[] = "fw_setenv fpconfigpending 0";

} // namespace

SystemState::SystemState()
    : m_flasher(std::make_unique<FrontPanelOutputs>(), *this)
    , m_ethernetUp(SIGNAL(updateEnetConnectedToPanel(bool)), true)
    , m_ethernetDown(SIGNAL(updateEnetConnectedToPanel(bool)), false)
{
    qRegisterMetaType<TC::BANNER_STATUS>("TC::BANNER_STATUS");
    resetConfiguration();
    buildConnectionMachine();
    m_flasher.startFlashing();
    IndicationState::instance()->setEnvironment(this);
    // The front-panel bus driver reads the configuration and the connection
    // from here and moves the connection state with its reports.
    Rbus *bus = Rbus::instance();
    bus->setEnvironment(this);
    watchFrontPanelBus(bus);
}

SystemState::~SystemState()
{
    IndicationState *indications = IndicationState::existingInstance();
    if (indications && indications->environment() == this)
        indications->setEnvironment(nullptr);
    Rbus *bus = Rbus::existingInstance();
    if (bus && bus->environment() == this)
        bus->setEnvironment(nullptr);
}

void SystemState::buildConnectionMachine()
{
    m_ethernetConnected = new QState(&m_connectionMachine);
    m_e30Connected = new QState(&m_connectionMachine);
    m_rbusConnected = new QState(&m_connectionMachine);
    m_disconnected = new QState(&m_connectionMachine);
    m_connectionMachine.setInitialState(m_disconnected);

    m_ethernetUp.setTargetState(m_ethernetConnected);
    m_disconnected->addTransition(&m_ethernetUp);
    m_ethernetDown.setTargetState(m_disconnected);
    m_ethernetConnected->addTransition(&m_ethernetDown);

    struct BusRow
    {
        QState *from;
        const char *signal;
        QState *to;
    };
    const BusRow busRows[] = {
        {m_disconnected, SIGNAL(connectedInRbusMode()), m_rbusConnected},
        {m_disconnected, SIGNAL(connectedInE30Mode()), m_e30Connected},
        {m_rbusConnected, SIGNAL(disconnectedRbusOrE30()), m_disconnected},
        {m_rbusConnected, SIGNAL(connectedInE30Mode()), m_e30Connected},
        {m_e30Connected, SIGNAL(disconnectedRbusOrE30()), m_disconnected},
    };
    for (const BusRow &row : busRows) {
        auto *transition = new QSignalTransition(nullptr, row.signal, row.from);
        transition->setTargetState(row.to);
        m_busTransitions << transition;
    }

    connect(m_ethernetConnected, &QState::entered, this, &SystemState::updateConnectedStatus);
    connect(m_rbusConnected, &QState::entered, this, &SystemState::updateConnectedStatus);
    connect(m_disconnected, &QState::entered, this, &SystemState::updateDisconnectedStatus);
    for (QState *state : {m_ethernetConnected, m_rbusConnected, m_e30Connected, m_disconnected})
        connect(state, &QState::entered, this, &SystemState::stateChanged);

    m_connectionMachine.start();
}

void SystemState::watchEthernetLink(const QObject *link)
{
    m_ethernetUp.setSenderObject(link);
    m_ethernetDown.setSenderObject(link);
}

void SystemState::watchFrontPanelBus(const QObject *bus)
{
    for (QSignalTransition *transition : m_busTransitions)
        transition->setSenderObject(bus);
}

bool SystemState::inState(const QState *state) const
{
    return m_connectionMachine.configuration().contains(const_cast<QState *>(state));
}

bool SystemState::isEthernetConnected() const
{
    return inState(m_ethernetConnected);
}

bool SystemState::isE30Connected() const
{
    return inState(m_e30Connected);
}

bool SystemState::isRbusConnected() const
{
    return inState(m_rbusConnected);
}

bool SystemState::isEthernetOrRbusConnected() const
{
    return isEthernetConnected() || isRbusConnected();
}

bool SystemState::isConnected() const
{
    return isEthernetConnected() || isRbusConnected() || isE30Connected();
}

bool SystemState::isDisconnected() const
{
    return inState(m_disconnected);
}

void SystemState::changeFlag(bool &flag, bool active, void (SystemState::*started)(), void (SystemState::*reset)())
{
    if (active == flag)
        return;
    flag = active;
    emit(this->*(active ? started : reset))();
}

void SystemState::setFireActive(const bool &active)
{
    changeFlag(m_fireActive, active, &SystemState::fireStarted, &SystemState::fireReset);
}

void SystemState::setFaultActive(const bool &active)
{
    changeFlag(m_faultActive, active, &SystemState::faultStarted, &SystemState::faultReset);
}

void SystemState::setEvacuationActive(const bool &active)
{
    changeFlag(m_evacuationActive, active, &SystemState::evacuationStarted, &SystemState::evacuationReset);
}

void SystemState::setBannerStatus(const TC::BANNER_STATUS &status)
{
    if (status != m_bannerStatus)
        storeBannerStatus(status);
}

void SystemState::storeBannerStatus(TC::BANNER_STATUS status)
{
    m_bannerStatus = status;
    emit updateBannerStatus(status);
    statusIconsController::instance()->setStatusIcon(statusIconsController::EvacuateIcon, status == TC::BANNER_FIRE);
}

void SystemState::sendFireResetSignal()
{
    setFireActive(false);
}

void SystemState::updateConnectedStatus()
{
    enableBuzzer();
}

void SystemState::updateDisconnectedStatus()
{
    setFireActive(false);
    setFaultActive(false);
    if (m_bannerStatus != TC::BANNER_NORMAL)
        storeBannerStatus(TC::BANNER_NORMAL);
}

void SystemState::enableBuzzer()
{
    m_flasher.setBuzzerDisabled(false);
}

void SystemState::disableBuzzer()
{
    m_flasher.setBuzzerDisabled(true);
}

void SystemState::setBuzzerOverride()
{
    m_flasher.setBuzzerOverride(true);
}

void SystemState::stopFlashing()
{
    m_flasher.stopFlashing();
}

bool SystemState::mayKeepBuzzerOverride() const
{
    return Security::instance()->hasPermission(2);
}

void SystemState::setBrand(int brand)
{
    m_configuration.brand = brand;
    applyBrandToDelegates();
}

// One brand titles the lists' name column as a location.
void SystemState::applyBrandToDelegates() const
{
    RolesDelegate::setLocationTitles(m_configuration.brand == LocationTitlesBrand);
}

void SystemState::resetConfiguration()
{
    const int reserved = m_configuration.reserved;
    m_configuration = Configuration();
    m_configuration.reserved = reserved;
    DB_TESK_FP_Interface::instance()->setGUIMode(0);
    applyBrandToDelegates();
}

QByteArray SystemState::eepromImage(const Configuration &configuration)
{
    const auto reserved = quint32(configuration.reserved);
    const char bytes[] = {
        char(configuration.guiMode),
        char(configuration.rbusMode),
        char(configuration.rbusAddress),
        char(reserved >> 24),
        char(reserved >> 16),
        char(reserved >> 8),
        char(reserved),
        char(configuration.zonalLedMode),
    };
    return QByteArray(bytes, sizeof bytes);
}

bool SystemState::writeEepromConfiguration(const Configuration &configuration, bool processAfter)
{
    m_configuration = configuration;
    const bool written = DB_TESK_FP_Interface::instance()->eepromWrite(EepromAddress, eepromImage(configuration));
    if (written) {
        QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QLatin1String(clearModuleFlagCommand)});
        if (processAfter)
            QCoreApplication::processEvents();
    }
    return written;
}
