#pragma once

#include "link/sc_link.h"

#include <QByteArrayList>

// A transport a test feeds and reads: what the link layer sends is kept,
// and the test plays the controller's bytes, errors and connections.
class FakeTransport final : public sc_link
{
    Q_OBJECT

public:
    explicit FakeTransport(QObject *parent = nullptr)
        : sc_link(parent)
    {
    }

    void start() override { ++m_starts; }
    void stop() override { ++m_stops; }
    void send(const QByteArray &frame) override { m_sent << frame; }

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

private:
    QByteArrayList m_sent;
    int m_starts = 0;
    int m_stops = 0;
};
