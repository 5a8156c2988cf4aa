#pragma once

#include <QObject>

class SC_Ethernet;
class SC_LinkLayer;

// Creates the transport and the link layer on the thread it lives on (the
// link thread) and destroys them there again. A test may put a link that
// misbehaves in its place by overriding Start().
class SC_EthernetLinkLayerFactory : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 DefaultPort = 56789;

    explicit SC_EthernetLinkLayerFactory(QObject *parent = nullptr);
    ~SC_EthernetLinkLayerFactory() override;

    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    // Valid between Started() and Stop(); used to wire the link to its
    // clients on other threads.
    SC_LinkLayer *linkLayer() const { return m_linkLayer; }
    SC_Ethernet *transport() const { return m_transport; }

signals:
    void Started();

public slots:
    virtual void Start();
    void Stop();

private:
    quint16 m_port = DefaultPort;
    SC_LinkLayer *m_linkLayer = nullptr;
    SC_Ethernet *m_transport = nullptr;
};
