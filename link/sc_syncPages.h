#pragma once

#include "core/SC_SyncPageIDS.h"

#include <QMap>
#include <QObject>
#include <QString>

// The controller's signature of every page part the engine holds, keyed by
// panel x 65536 + page x 256 + part, so the map runs by panel, then page,
// then part. Kept entries are saved to "syncpages.bin": pairs of big-endian
// signed 32-bit key and signature, in key order, nothing else.
class sc_syncPages final : public QObject
{
    Q_OBJECT

public:
    struct SignatureEntry
    {
        // Written to the file.
        bool kept = false;
        // Came with a data update since the start and was not cleared since.
        bool current = false;
        quint32 signature = 0;
    };
    using SignatureMap = QMap<quint32, SignatureEntry>;

    static constexpr char FileName[] = "syncpages.bin";
    static constexpr qint64 MaximumFileBytes = 1024 * 1024;
    static constexpr quint32 MaximumKey = 0xFFFFFF;

    explicit sc_syncPages(QObject *parent = nullptr);

    static quint32 keyOf(int pageId, unsigned int panel, unsigned int part);
    static quint8 panelOf(quint32 key) { return quint8(key >> 16); }
    static quint8 pageOf(quint32 key) { return quint8(key >> 8); }
    static quint8 partOf(quint32 key) { return quint8(key); }

    void storeSignature(int pageId, unsigned int panel, unsigned int part, const SignatureEntry &entry);
    // False, leaving 'entry' as it was, when the part is not held.
    bool signature(int pageId, unsigned int panel, unsigned int part, SignatureEntry &entry) const;
    // Every part of the page, in every panel: signature 0, not current; the
    // entries stay, so the controller sees them as changed.
    void clearPage(int pageId);
    const SignatureMap &entries() const { return m_entries; }

    // A file that cannot be opened leaves the signatures as they are.
    void load(const QString &fileName = QLatin1String(FileName));
    bool save(const QString &fileName = QLatin1String(FileName)) const;

signals:
    void signatureChanged(SC_SyncPageIDS::eSyncPageInformationIDs pageId);

private:
    SignatureMap m_entries;
};
