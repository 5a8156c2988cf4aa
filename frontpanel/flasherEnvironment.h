#pragma once

// What the LED flasher asks of the rest of the engine at every tick: how the
// front end reaches the panel, whether it is a DIRU repeater, and whether the
// buzzer override may last.
class flasherEnvironment
{
public:
    virtual ~flasherEnvironment() = default;

    virtual bool isDisconnected() const = 0;
    // Ethernet, front-panel bus or E30.
    virtual bool isConnected() const = 0;
    virtual bool isEthernetOrRbusConnected() const = 0;
    virtual int guiMode() const = 0;
    // The override lasts only while a user who may silence the buzzer is
    // logged on.
    virtual bool mayKeepBuzzerOverride() const = 0;
};
