#include "paneldata/sc_SyncPagePacket.h"

#include "app/BucketKeys.h"
#include "link/SyncClient.h"
#include "paneldata/TCTypes.h"

#include <QDebug>

sc_SyncPagePacket::sc_SyncPagePacket(const QSharedPointer<SC_PacketBuffer> &received)
    : SC_TESKSupportPacket(received)
    , m_pageId(buffer()->readUInt8())
    , m_panel(buffer()->readUInt8())
    , m_part(buffer()->readUInt8())
    , m_signature(buffer()->readUInt32())
{
}

sc_SyncPagePacket::sc_SyncPagePacket(const sc_SyncPagePacket &request, int subCode)
    : SC_TESKSupportPacket(request, subCode)
    , m_pageId(request.m_pageId)
    , m_panel(request.m_panel)
    , m_part(request.m_part)
    , m_signature(0)
{
    buffer()->appendByte(quint8(m_pageId));
    buffer()->appendByte(m_part);
    buffer()->appendByte(m_panel);
}

bool sc_SyncPagePacket::isAccepted() const
{
    return !buffer()->isBad();
}

int sc_SyncPagePacket::unreadBytes() const
{
    const SC_PacketBuffer &bytes = *buffer();
    return bytes.headerLength() + bytes.payloadLength() - bytes.readOffset();
}

bool sc_SyncPagePacket::hasOptionalField() const
{
    return length() > quint32(buffer()->readOffset());
}

bool sc_SyncPagePacket::isTablePanel(const char *method) const
{
    if (TC::isTablePanel(m_panel))
        return true;
    qWarning().nospace() << method << " Page " << m_pageId << " for panel " << m_panel
                         << " ignored: panels are 0 to 99";
    return false;
}

void sc_SyncPagePacket::setBucketValue(const QString &item, const QString &value, bool perPanel) const
{
    const QString key = perPanel ? BucketKeys::panelPrefix(m_panel) + item : item;
    SyncClient::instance()->emitBucketCommand({BucketCmd::SetValue, m_pageId, key, value});
}

void sc_SyncPagePacket::setBucketNumber(const QString &item, quint32 value, bool perPanel) const
{
    setBucketValue(item, QString::number(value), perPanel);
}
