#include "link/SC_EthernetLinkLayerFactory.h"

#include "link/SC_Ethernet.h"
#include "link/SC_LinkLayer.h"

SC_EthernetLinkLayerFactory::SC_EthernetLinkLayerFactory(QObject *parent)
    : QObject(parent)
{
}

SC_EthernetLinkLayerFactory::~SC_EthernetLinkLayerFactory()
{
    Stop();
}

void SC_EthernetLinkLayerFactory::Start()
{
    if (m_linkLayer)
        return;
    m_transport = new SC_Ethernet(m_port);
    m_linkLayer = new SC_LinkLayer(m_transport);
    m_linkLayer->Start();
    emit Started();
}

void SC_EthernetLinkLayerFactory::Stop()
{
    if (m_linkLayer) {
        m_transport->stop();
        m_linkLayer->Stop();
        delete m_linkLayer;
        m_linkLayer = nullptr;
    }
    delete m_transport;
    m_transport = nullptr;
}
