#include "link/sc_syncPages.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QSaveFile>

sc_syncPages::sc_syncPages(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<SC_SyncPageIDS::eSyncPageInformationIDs>("SC_SyncPageIDS::eSyncPageInformationIDs");
}

quint32 sc_syncPages::keyOf(int pageId, unsigned int panel, unsigned int part)
{
    return (panel & 0xFF) << 16 | (quint32(pageId) & 0xFF) << 8 | (part & 0xFF);
}

void sc_syncPages::storeSignature(int pageId, unsigned int panel, unsigned int part, const SignatureEntry &entry)
{
    m_entries.insert(keyOf(pageId, panel, part), entry);
}

bool sc_syncPages::signature(int pageId, unsigned int panel, unsigned int part, SignatureEntry &entry) const
{
    const auto found = m_entries.constFind(keyOf(pageId, panel, part));
    if (found == m_entries.constEnd())
        return false;
    entry = *found;
    return true;
}

void sc_syncPages::clearPage(int pageId)
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (pageOf(it.key()) == quint8(pageId)) {
            it->signature = 0;
            it->current = false;
        }
    }
}

// A pair cut short at the end of the file, or a key no page part can have,
// is dropped with a warning; the other pairs are kept.
void sc_syncPages::load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Far more than every page part of every panel: such a file is not ours.
    if (file.size() > MaximumFileBytes) {
        qWarning().nospace() << "sc_syncPages::load " << fileName << " of " << file.size()
                             << " bytes is above the limit of " << MaximumFileBytes << "; ignored";
        return;
    }
    m_entries.clear();
    QDataStream stream(&file);
    int badKeys = 0;
    while (!stream.atEnd()) {
        qint32 key = 0;
        qint32 signature = 0;
        stream >> key >> signature;
        if (stream.status() != QDataStream::Ok) {
            qWarning() << "sc_syncPages::load"
                       << " Incomplete entry at the end of" << fileName << "dropped";
            break;
        }
        if (quint32(key) > MaximumKey) {
            ++badKeys;
            continue;
        }
        m_entries.insert(quint32(key), SignatureEntry{true, false, quint32(signature)});
    }
    if (badKeys > 0) {
        qWarning().nospace() << "sc_syncPages::load " << badKeys << " entries of " << fileName
                             << " with keys beyond any page part dropped";
    }
}

bool sc_syncPages::save(const QString &fileName) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream stream(&file);
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        if (it->kept)
            stream << qint32(it.key()) << qint32(it->signature);
    }
    return stream.status() == QDataStream::Ok && file.commit();
}
