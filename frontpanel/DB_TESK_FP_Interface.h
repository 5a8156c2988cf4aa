#pragma once

#include "core/DB_BucketDbusInterface.h"
#include "core/SC_Singleton.h"

#include <QMap>
#include <QString>

// The engine's end of the front-panel service "svc.frontpanel.p<port>": the
// service's key names become one signal per key, and the engine's requests
// go out as the service's methods. In the simulator the engine serves that
// name itself, so calls made before the service is registered fail quietly.
class DB_TESK_FP_Interface final
    : public DB_BucketDbusInterface
    , public SC_Singleton<DB_TESK_FP_Interface>
{
    Q_OBJECT

public:
    QString getServiceName() const;

    // The LED flasher's states: 17 LED characters, 16 zone LED characters,
    // 240 external zone LED characters, "1" lit.
    void setLeds(const QString &leds);
    void setZonalLeds(const QString &leds);
    void setExternalZonalLeds(const QString &leds);
    void setBuzzer(bool on);
    void setGUIMode(uint mode);
    void sendPhysicalKeyStatus();
    // The simulator window's panel title.
    void setPanel(const QString &title);
    void clearSystemFaultLED();
    // False on an error reply (no service, unknown method), otherwise the
    // service's answer.
    bool eepromWrite(quint16 address, const QByteArray &data);

signals:
    // These four carry the names of the service's own bus signals.
    void softKeyClicked(QString key);
    void keyswitchUpdate(bool inserted);
    void touchscreenPressed();
    void touchscreenReleased();

    void homePressed();
    void backPressed();
    void helpPressed();
    void silencePressed();
    void scandinavianPressed();
    void silencePanelPressed();
    void resetPressed();
    void screenshotPressed();
    void generalPressed();
    void panelPressed();
    void soundersPressed();
    void signallingPressed();
    void protectionPressed();
    void zonesPressed();

public slots:
    void softKeyClickedSlot(QString key);
    // The touches are relayed by the two signals above; these stay for the
    // page frame's connections.
    void touchScreenPressedSlot();
    void touchScreenReleasedSlot();

private:
    friend class SC_Singleton<DB_TESK_FP_Interface>;

    // The instance calls "svc.frontpanel.p<port>".
    DB_TESK_FP_Interface();
    explicit DB_TESK_FP_Interface(const QString &serviceName);

    void callAndForget(const QString &method, const QList<QVariant> &arguments);

    using KeyHandler = void (DB_TESK_FP_Interface::*)();

    const QString m_serviceName;
    QMap<QString, KeyHandler> m_keys;
};
