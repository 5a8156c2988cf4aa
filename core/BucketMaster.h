#pragma once

#include "core/Bucket.h"
#include "core/BucketCmd.h"
#include "core/SC_Singleton.h"

#include <QMapIterator>
#include <QObject>
#include <QStringList>

#include <array>
#include <memory>

// The state store: the controller's replicated configuration and status as
// text keys and values, in 256 numbered buckets (the bucket number is the
// sync page that fills it; bucket 0 holds engine-wide values). Writers send
// BucketCmd records; readers read single values, search keys by pattern and
// watch a bucket for the end of a page update.
class BucketMaster final
    : public QObject
    , public SC_Singleton<BucketMaster>
{
    Q_OBJECT

public:
    static constexpr int BucketSlots = 256;

    bool AddBucket(unsigned int id, bool persistent);

    QString getValue(int bucketId, const QString &key) const;
    bool setValue(int bucketId, const QString &key, const QString &value);

    // A '*' in a search stands for one whole key field (one or more
    // characters other than '|'); the pattern is found anywhere in a key.
    QStringList GetBucketKeyList(int bucketId, const QString &searchString) const;
    QStringList GetBucketKeyListWithPrefix(int bucketId, const QString &prefix, const QString &searchString) const;
    bool checkBucketAndFilterSearchString(int bucketId, QString &searchString) const;

    void clear(int bucketId);
    void clearAll();

    // Connects the bucket's bucketUpdated() to a receiver's slot, signal or
    // functor. False (with a warning) when the bucket does not exist.
    template <typename Slot> bool connectBucketUpdated(int bucketId, const QObject *receiver, Slot slot)
    {
        const Bucket *bucket = existingBucket(bucketId, "BucketMaster::connectBucketUpdated");
        if (!bucket)
            return false;
        return bool(QObject::connect(bucket, &Bucket::bucketUpdated, receiver, slot));
    }

    // A read-only walk over a snapshot of the bucket, in key order; empty for
    // a bucket that does not exist.
    QMapIterator<QByteArray, QByteArray> bucketMap(int bucketId) const;

    int checkPersistenceFile() const;
    int save() const;

public slots:
    void receiveSyncCommand(BucketCmd command);

signals:
    void updateOfBucketValue(uint bucketId, QString key, QString value);

private:
    friend class SC_Singleton<BucketMaster>;

    BucketMaster();

    Bucket *existingBucket(int bucketId, const char *method) const;
    Bucket *validSlot(int bucketId, const char *method) const;

    std::array<std::unique_ptr<Bucket>, BucketSlots> m_buckets;
};
