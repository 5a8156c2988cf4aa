#pragma once

#include "link/sc_link.h"

#include <QByteArrayList>

#include <functional>

// A transport played by hand: the controller's bytes, errors and connections
// go in as if they came off the wire. What the link layer sends is kept for
// takeSent(), or handed to an observer instead: benchmarks and fuzzers send
// without end and must not keep every frame. Header-only, so benchmarks and
// fuzzers use it without the test support library.
class FakeTransport final : public sc_link
{
public:
    using Observer = std::function<void(const QByteArray &frame)>;

    explicit FakeTransport(Observer observer = {})
        : sc_link(nullptr)
        , m_observer(std::move(observer))
    {
    }

    // An observer for a run that has no use for what is sent.
    static Observer discard()
    {
        return [](const QByteArray &) {};
    }

    void start() override { ++m_starts; }
    void stop() override { ++m_stops; }
    void send(const QByteArray &frame) override
    {
        if (m_observer)
            m_observer(frame);
        else
            m_sent << frame;
    }

    void setReceiving(bool on) override { m_receiving = on; }

    void receive(const QByteArray &bytes) { emit Data(bytes); }
    void fail() { emit Error(); }
    void connectController() { emit Connected(QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1"), {}); }

    QByteArrayList takeSent()
    {
        QByteArrayList sent = m_sent;
        m_sent.clear();
        return sent;
    }
    int starts() const { return m_starts; }
    int stops() const { return m_stops; }
    bool isReceiving() const { return m_receiving; }

private:
    Observer m_observer;
    QByteArrayList m_sent;
    int m_starts = 0;
    int m_stops = 0;
    bool m_receiving = true;
};
