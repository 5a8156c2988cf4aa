#include "core/Bucket.h"

#include <QDebug>
#include <QRegularExpression>

#include <limits>
#include <optional>

namespace {

// Counts save transactions across all buckets; a save that finds it moved
// while it held its bucket's lock knows another save interleaved.
quint32 g_transactionCounter = 0;

quint32 advanceTransactionCounter()
{
    g_transactionCounter = g_transactionCounter == std::numeric_limits<quint32>::max() ? 1 : g_transactionCounter + 1;
    return g_transactionCounter;
}

// Takes a lock for the duration of a scope unless the caller already holds it.
class OptionalReadLocker final
{
public:
    OptionalReadLocker(QReadWriteLock &lock, bool alreadyLocked)
    {
        if (!alreadyLocked)
            m_locker.emplace(&lock);
    }

private:
    std::optional<QReadLocker> m_locker;
};

class OptionalWriteLocker final
{
public:
    OptionalWriteLocker(QReadWriteLock &lock, bool alreadyLocked)
    {
        if (!alreadyLocked)
            m_locker.emplace(&lock);
    }

private:
    std::optional<QWriteLocker> m_locker;
};

// True while a key (at or after the prefix's first key) still begins with the
// prefix; the map is ordered, so the first key that does not ends the range.
bool withinPrefixRange(const QByteArray &key, const QByteArray &prefix)
{
    return key.left(prefix.size()) <= prefix;
}

} // namespace

Bucket::Bucket(quint32 id, bool persistent)
    : m_id(id)
    , m_persistent(persistent)
{
}

QString Bucket::get(const QString &key, bool locked) const
{
    OptionalReadLocker guard(m_lock, locked);
    // A missing key reads as an empty, not a null, text.
    return QString::fromUtf8(m_map.value(key.toUtf8(), QByteArray("")));
}

void Bucket::set(const QString &key, const QString &value, bool locked)
{
    OptionalWriteLocker guard(m_lock, locked);
    m_map.insert(key.toUtf8(), value.toUtf8());
}

void Bucket::removeKeysWithPrefix(const QString &prefix, bool locked)
{
    OptionalWriteLocker guard(m_lock, locked);
    if (prefix.isEmpty()) {
        m_map.clear();
        return;
    }
    const QByteArray bytes = prefix.toUtf8();
    auto it = m_map.lowerBound(bytes);
    while (it != m_map.end() && withinPrefixRange(it.key(), bytes))
        it = m_map.erase(it);
}

QStringList Bucket::keysMatching(const QString &pattern, bool locked) const
{
    const QRegularExpression expression(pattern);
    if (pattern.isEmpty() || !expression.isValid())
        return {};

    OptionalReadLocker guard(m_lock, locked);
    QStringList keys;
    for (auto it = m_map.cbegin(); it != m_map.cend(); ++it) {
        const QString key = QString::fromUtf8(it.key());
        if (expression.match(key).hasMatch())
            keys << key;
    }
    return keys;
}

QStringList Bucket::keysWithPrefixMatching(const QString &prefix, const QString &pattern, bool locked) const
{
    const QRegularExpression expression(pattern);
    if (!pattern.isEmpty() && !expression.isValid())
        return {};

    OptionalReadLocker guard(m_lock, locked);
    QStringList keys;
    if (prefix.isEmpty()) {
        for (auto it = m_map.cbegin(); it != m_map.cend(); ++it) {
            const QString key = QString::fromUtf8(it.key());
            if (pattern.isEmpty() || expression.match(key).hasMatch())
                keys << key;
        }
        return keys;
    }

    const QByteArray bytes = prefix.toUtf8();
    for (auto it = m_map.lowerBound(bytes); it != m_map.cend() && withinPrefixRange(it.key(), bytes); ++it) {
        const QString key = QString::fromUtf8(it.key());
        if (pattern.isEmpty() || (key.size() > prefix.size() && expression.match(key, prefix.size()).hasMatch())) {
            keys << key;
        }
    }
    return keys;
}

void Bucket::clear()
{
    m_map.clear();
}

Bucket::Map Bucket::snapshot() const
{
    QReadLocker guard(&m_lock);
    return m_map;
}

QDataStream::Status Bucket::save(QDataStream &stream)
{
    if (!m_persistent)
        return QDataStream::Ok;

    const bool locked = m_lock.tryLockForWrite();
    const quint32 transaction = locked ? advanceTransactionCounter() : 0;

    stream << qint32(m_id);
    for (auto it = m_map.cbegin(); it != m_map.cend(); ++it)
        stream << it.key().constData() << it.value().constData();

    if (g_transactionCounter != transaction)
        qWarning() << "Bad transId bucket unlock will try to unlock anyway.";
    if (locked)
        m_lock.unlock();
    advanceTransactionCounter();
    return stream.status();
}
