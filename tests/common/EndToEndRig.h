#pragma once

#include "EngineProcess.h"
#include "HostServicesProcess.h"
#include "PanelSimProcess.h"

#include <QString>
#include <QStringList>

// The built engine, as an end-to-end test runs it: in a temporary directory,
// with the host-services stand-in when the test wants it and the controller
// emulator on a free loopback port. Every step that fails says what did not
// happen, followed by what each side logged: failure().
class EndToEndRig final
{
public:
    struct Options
    {
        bool hostServices = false;
        bool controller = true;
        // False leaves the engine on its default port.
        bool portArgument = true;
        QStringList controllerArguments;
    };

    EndToEndRig();
    explicit EndToEndRig(const Options &options);
    EndToEndRig(const EndToEndRig &) = delete;
    EndToEndRig &operator=(const EndToEndRig &) = delete;

    quint16 port() const { return m_port; }
    // Set up the engine's directory and environment before start().
    EngineProcess &engine() { return m_engine; }
    PanelSimProcess &controller() { return m_controller; }
    HostServicesProcess &hostServices() { return m_hostServices; }

    // Starts the host services, the engine, then the controller, and waits
    // until the link is up.
    bool start();
    bool startEngine();
    // Once the controller connects again (at or after its line 'from'):
    // waits until a heartbeat is answered and the engine reports the link up.
    bool waitForLink(int from);
    // Ends the engine as a host would; false unless it exits cleanly.
    bool stopEngine();
    // The controller, the engine (checked as stopEngine() does), then the
    // host services.
    bool stop();

    QString failure() const { return m_failure; }

private:
    bool linkUp(int from, const QString &answer);
    int linkUps();
    bool fail(const QString &what);

    const Options m_options;
    const quint16 m_port;
    // Declared in the order they start, so that they end the other way round.
    HostServicesProcess m_hostServices;
    EngineProcess m_engine;
    PanelSimProcess m_controller;
    int m_linkUps = 0;
    QString m_failure;
};
