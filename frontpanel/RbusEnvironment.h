#pragma once

// What the front-panel bus driver reads of, and asks of, the engine above
// it: the GUI configuration, the bus connection and the buzzer.
class RbusEnvironment
{
public:
    virtual ~RbusEnvironment() = default;

    // 0 and 1 Ethernet, 2 and 3 a repeater on the front-panel bus.
    virtual int guiMode() const = 0;
    // 1: the bus is monitored, and only then are frames written.
    virtual int rbusMode() const = 0;
    virtual bool isRbusConnected() const = 0;
    virtual bool isE30Connected() const = 0;
    virtual void disableBuzzer() = 0;
};
