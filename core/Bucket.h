#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QMap>
#include <QObject>
#include <QReadWriteLock>
#include <QStringList>

// One numbered bucket of the state store: an ordered map of UTF-8 keys to
// UTF-8 values. The byte-wise order lets prefix operations start at the first
// candidate key and stop at the first key past the prefix.
class Bucket final : public QObject
{
    Q_OBJECT

public:
    using Map = QMap<QByteArray, QByteArray>;

    Bucket(quint32 id, bool persistent);

    quint32 id() const { return m_id; }
    bool isPersistent() const { return m_persistent; }

    // Every operation with a 'locked' flag skips the lock when the caller
    // already holds it.
    QString get(const QString &key, bool locked = false) const;
    void set(const QString &key, const QString &value, bool locked = false);
    void removeKeysWithPrefix(const QString &prefix, bool locked = false);
    QStringList keysMatching(const QString &pattern, bool locked = false) const;
    QStringList keysWithPrefixMatching(const QString &prefix, const QString &pattern, bool locked = false) const;
    void clear();

    // A snapshot: later changes to the bucket do not touch it.
    Map snapshot() const;

    QDataStream::Status save(QDataStream &stream);

signals:
    void bucketUpdated();

private:
    Map m_map;
    const quint32 m_id;
    mutable QReadWriteLock m_lock;
    const bool m_persistent;
};
