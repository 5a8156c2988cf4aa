#include "frontpanel/DB_TESK_FP_Interface.h"

#include "app/QVemoApplication.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>

DB_TESK_FP_Interface::DB_TESK_FP_Interface()
    : DB_TESK_FP_Interface(QStringLiteral("svc.frontpanel.p%1").arg(QVemoApplication::port()))
{
}

DB_TESK_FP_Interface::DB_TESK_FP_Interface(const QString &serviceName)
    : DB_BucketDbusInterface(serviceName, QStringLiteral("/"), "vemo.frontpanel", QDBusConnection::sessionBus(),
                             nullptr)
    , m_serviceName(serviceName)
{
    // Without a bus the front panel is silent, but the engine must go on
    // showing the controller's state on its screen.
    if (!connection().isConnected()) {
        qWarning() << "DB_TESK_FP_Interface::DB_TESK_FP_Interface"
                   << " Cannot connect to session bus, front-panel keys and LEDs are unavailable";
    }
    connect(this, &DB_TESK_FP_Interface::softKeyClicked, this, &DB_TESK_FP_Interface::softKeyClickedSlot);

    m_keys = {
        {QStringLiteral("HOME"), &DB_TESK_FP_Interface::homePressed},
        {QStringLiteral("BACK"), &DB_TESK_FP_Interface::backPressed},
        {QStringLiteral("HELP"), &DB_TESK_FP_Interface::helpPressed},
        {QStringLiteral("SILENCE_PANEL"), &DB_TESK_FP_Interface::silencePressed},
        {QStringLiteral("SILENCE_PANEL_SOUNDERS"), &DB_TESK_FP_Interface::silencePanelPressed},
        {QStringLiteral("RESET"), &DB_TESK_FP_Interface::resetPressed},
        {QStringLiteral("SCANDINAVIAN"), &DB_TESK_FP_Interface::scandinavianPressed},
        {QStringLiteral("GENERAL"), &DB_TESK_FP_Interface::generalPressed},
        {QStringLiteral("PANEL"), &DB_TESK_FP_Interface::panelPressed},
        {QStringLiteral("SOUNDERS"), &DB_TESK_FP_Interface::soundersPressed},
        {QStringLiteral("SIGNALLING"), &DB_TESK_FP_Interface::signallingPressed},
        {QStringLiteral("PROTECTION"), &DB_TESK_FP_Interface::protectionPressed},
        {QStringLiteral("ZONES"), &DB_TESK_FP_Interface::zonesPressed},
        {QStringLiteral("SCREENSHOT"), &DB_TESK_FP_Interface::screenshotPressed},
    };

    sendPhysicalKeyStatus();
}

QString DB_TESK_FP_Interface::getServiceName() const
{
    return m_serviceName;
}

void DB_TESK_FP_Interface::softKeyClickedSlot(QString key)
{
    const KeyHandler handler = m_keys.value(key, nullptr);
    if (handler)
        (this->*handler)();
}

void DB_TESK_FP_Interface::callAndForget(const QString &method, const QList<QVariant> &arguments)
{
    callWithArgumentList(QDBus::Block, method, arguments);
}

void DB_TESK_FP_Interface::touchScreenPressedSlot()
{
}

void DB_TESK_FP_Interface::touchScreenReleasedSlot()
{
}

void DB_TESK_FP_Interface::setLeds(const QString &leds)
{
    callAndForget(QStringLiteral("setLeds"), {leds});
}

void DB_TESK_FP_Interface::setZonalLeds(const QString &leds)
{
    callAndForget(QStringLiteral("setZonalLeds"), {leds});
}

void DB_TESK_FP_Interface::setExternalZonalLeds(const QString &leds)
{
    callAndForget(QStringLiteral("setExternalZonalLeds"), {leds});
}

void DB_TESK_FP_Interface::setBuzzer(bool on)
{
    callAndForget(QStringLiteral("setBuzzer"), {on});
}

void DB_TESK_FP_Interface::setGUIMode(uint mode)
{
    callAndForget(QStringLiteral("setGUIMode"), {mode});
}

void DB_TESK_FP_Interface::sendPhysicalKeyStatus()
{
    callAndForget(QStringLiteral("sendPhysicalKeyStatus"), {});
}

void DB_TESK_FP_Interface::setPanel(const QString &title)
{
    callAndForget(QStringLiteral("setPanel"), {title});
}

void DB_TESK_FP_Interface::clearSystemFaultLED()
{
    callAndForget(QStringLiteral("clearSystemFaultLED"), {});
}

bool DB_TESK_FP_Interface::eepromWrite(quint16 address, const QByteArray &data)
{
    const QDBusMessage reply = call(QDBus::Block, QStringLiteral("eepromWrite"), uint(address), data);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    return reply.arguments().constFirst().toBool();
}
