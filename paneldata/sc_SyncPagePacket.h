#pragma once

#include "link/SC_TESKSupportPacket.h"

#include <QString>
#include <QStringList>
#include <QVector>

class SyncClient;
class sc_syncPages;

// A sync page part as it travels in a support packet. Payload:
//   0 sub-code (10 for a data update) | 1 page id | 2 panel | 3 part |
//   4-7 page signature (u32) | 8.. the page's body
// Panel 254 holds system-wide data. The engine stores the controller's
// signature but never computes one.
class sc_SyncPagePacket : public SC_TESKSupportPacket
{
public:
    int pageId() const { return m_pageId; }
    quint8 panelNumber() const { return m_panel; }
    quint8 partNumber() const { return m_part; }
    quint32 pageSignature() const { return m_signature; }

    // Whether every field the page promised was there and made sense; a
    // rejected part must change nothing and is refused.
    virtual bool isAccepted() const;
    // Whether the page's routing rules give this part to this engine (its
    // panel, its part, a setting the panel uses). A part routed elsewhere is
    // acknowledged and its signature kept, but nothing of it is written.
    virtual bool isRoutedHere() const;
    // Bytes after the last field the page read.
    int unreadBytes() const;

    // One key of this page's bucket: "7|item" for panel 7 when perPanel, else
    // "item".
    void setBucketValue(const QString &item, const QString &value, bool perPanel) const;
    void setBucketNumber(const QString &item, quint32 value, bool perPanel) const;
    // A key of any shape in this page's bucket.
    void setBucketKey(const QString &key, const QString &value) const;
    // Every key of this page's bucket that begins with this panel's "7|".
    void removePanelKeys() const;

protected:
    // The client the part arrived through; its effects go back through it.
    sc_SyncPagePacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);
    // A reply naming the request's page: the sub-code, then page id, part and
    // panel.
    sc_SyncPagePacket(const sc_SyncPagePacket &request, int subCode);

    // Pages of texts carry one or two languages.
    static bool isLanguageCount(quint8 languages) { return languages == 1 || languages == 2; }
    // Whether the length field says a field follows the ones read so far.
    bool hasOptionalField() const;
    // A length byte and that many bytes of text, in the code page of the
    // current language, or of the language slot (1 or 2) the page names.
    QString readPageText();
    QString readPageText(int languageSlot);
    // 'count' items of one text per language, languages 1 to 'languages';
    // stops at the end of the packet.
    QVector<QStringList> readLanguageTexts(int count, int languages);
    // For pages that tell a changed part to the screens: stores the part's
    // signature, announcing the page when it replaces another one.
    void recordSignature(sc_syncPages &pages) const;
    // Per-panel tables hold panels 0 to 99.
    bool isTablePanel() const;

    SyncClient *client() const { return m_client; }

private:
    SyncClient *m_client;
    int m_pageId;
    quint8 m_panel;
    quint8 m_part;
    quint32 m_signature;
};
