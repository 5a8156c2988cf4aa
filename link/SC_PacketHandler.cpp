#include "link/SC_PacketHandler.h"

#include "link/SC_PacketBuffer.h"

SC_PacketHandler::SC_PacketHandler(int pageId)
    : m_pageId(pageId)
{
}

SC_PacketHandler::~SC_PacketHandler() = default;

bool SC_PacketHandler::dispatchPage(SyncClient *client, const QSharedPointer<SC_PacketBuffer> &buffer)
{
    buffer->rewind();
    return handlePage(client, buffer);
}
