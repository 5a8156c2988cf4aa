#include "paneldata/sc_SyncPagePacket.h"

#include "core/BucketKeys.h"
#include "core/Languages.h"
#include "core/TCTypes.h"
#include "link/SyncClient.h"
#include "link/sc_syncPages.h"

#include <QDebug>

sc_SyncPagePacket::sc_SyncPagePacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_client(client)
    , m_pageId(buffer()->readUInt8())
    , m_panel(buffer()->readUInt8())
    , m_part(buffer()->readUInt8())
    , m_signature(buffer()->readUInt32())
{
}

sc_SyncPagePacket::sc_SyncPagePacket(const sc_SyncPagePacket &request, int subCode)
    : SC_TESKSupportPacket(request, subCode)
    , m_client(request.m_client)
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

QString sc_SyncPagePacket::readPageText()
{
    SC_PacketBuffer &bytes = *buffer();
    return bytes.readText(bytes.readUInt8(), Languages::isPanelTextRightToLeft());
}

QString sc_SyncPagePacket::readPageText(int languageSlot)
{
    SC_PacketBuffer &bytes = *buffer();
    return bytes.readText(bytes.readUInt8(), Languages::isPanelTextRightToLeft(), languageSlot);
}

QVector<QStringList> sc_SyncPagePacket::readLanguageTexts(int count, int languages)
{
    QVector<QStringList> items;
    for (int i = 0; i < count && !buffer()->isBad(); ++i) {
        QStringList texts;
        for (int language = 1; language <= languages; ++language)
            texts << readPageText(language);
        items << texts;
    }
    return items;
}

void sc_SyncPagePacket::recordSignature(sc_syncPages &pages) const
{
    sc_syncPages::SignatureEntry held;
    const bool found = pages.signature(m_pageId, m_panel, m_part, held);
    if (held.signature == m_signature)
        return;
    if (found)
        emit pages.signatureChanged(SC_SyncPageIDS::eSyncPageInformationIDs(m_pageId));
    pages.storeSignature(m_pageId, m_panel, m_part, {true, true, m_signature});
}

bool sc_SyncPagePacket::isRoutedHere() const
{
    return true;
}

bool sc_SyncPagePacket::isTablePanel() const
{
    return TC::isTablePanel(m_panel);
}

void sc_SyncPagePacket::setBucketValue(const QString &item, const QString &value, bool perPanel) const
{
    setBucketKey(perPanel ? BucketKeys::panelPrefix(m_panel) + item : item, value);
}

void sc_SyncPagePacket::setBucketNumber(const QString &item, quint32 value, bool perPanel) const
{
    setBucketValue(item, QString::number(value), perPanel);
}

void sc_SyncPagePacket::setBucketKey(const QString &key, const QString &value) const
{
    m_client->emitBucketCommand({BucketCmd::SetValue, m_pageId, key, value});
}

void sc_SyncPagePacket::removePanelKeys() const
{
    m_client->emitBucketCommand(
        {BucketCmd::RemoveKeysWithPrefix, m_pageId, BucketKeys::panelPrefix(m_panel), QString()});
}
