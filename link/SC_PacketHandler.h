#pragma once

#include <QSharedPointer>

class SC_PacketBuffer;
class SyncClient;

// Turns one kind of sync page into state-store keys or configuration. One
// static object per kind, registered with SyncClient under each page id it
// serves; it keeps nothing between pages.
class SC_PacketHandler
{
public:
    explicit SC_PacketHandler(int pageId);
    virtual ~SC_PacketHandler();
    SC_PacketHandler(const SC_PacketHandler &) = delete;
    SC_PacketHandler &operator=(const SC_PacketHandler &) = delete;

    int pageId() const { return m_pageId; }

    // False when the part was rejected (truncated, or failing the page's own
    // checks): it changed nothing and must not count as stored.
    virtual bool handlePage(SyncClient *client, const QSharedPointer<SC_PacketBuffer> &buffer) = 0;

    // Reads the part again from its first payload byte.
    bool dispatchPage(SyncClient *client, const QSharedPointer<SC_PacketBuffer> &buffer);

private:
    const int m_pageId;
};
