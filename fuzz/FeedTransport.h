#pragma once

#include "link/sc_link.h"

#include <functional>

// A transport played by hand: bytes are fed in as if a controller had sent
// them, and what the engine sends goes to an optional observer.
class FeedTransport final : public sc_link
{
public:
    using Observer = std::function<void(const QByteArray &frame)>;

    explicit FeedTransport(Observer observer = {})
        : sc_link(nullptr)
        , m_observer(std::move(observer))
    {
    }

    void start() override {}
    void stop() override {}
    void send(const QByteArray &frame) override
    {
        if (m_observer)
            m_observer(frame);
    }

    void feed(const QByteArray &bytes) { emit Data(bytes); }
    void reconnect() { emit Connected({}, {}, {}); }

private:
    Observer m_observer;
};
