#include "core/BucketMaster.h"

#include "core/GlobalConstants.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>

namespace {

bool isBadBucketId(int bucketId)
{
    return unsigned(bucketId) >= unsigned(BucketMaster::BucketSlots);
}

} // namespace

BucketMaster::BucketMaster()
{
    qRegisterMetaType<BucketCmd>("BucketCmd");

    // Bucket 0 and the status pages 128-151 are volatile; only the
    // configuration pages 1-42 go to the persistence file.
    AddBucket(0, false);
    for (unsigned int id = 1; id <= 42; ++id)
        AddBucket(id, true);
    for (unsigned int id = 128; id <= 151; ++id)
        AddBucket(id, false);
}

bool BucketMaster::AddBucket(unsigned int id, bool persistent)
{
    if (id >= unsigned(BucketSlots)) {
        qWarning() << "BucketMaster::AddBucket"
                   << " Bad BucketId " << id;
        return false;
    }
    if (m_buckets[id])
        return false;
    m_buckets[id] = std::make_unique<Bucket>(id, persistent);
    return true;
}

Bucket *BucketMaster::validSlot(int bucketId, const char *method) const
{
    if (isBadBucketId(bucketId)) {
        qWarning() << method << " Bad BucketId " << bucketId;
        return nullptr;
    }
    return m_buckets[size_t(bucketId)].get();
}

Bucket *BucketMaster::existingBucket(int bucketId, const char *method) const
{
    Bucket *bucket = validSlot(bucketId, method);
    if (!bucket && !isBadBucketId(bucketId))
        qWarning() << method << " Null Bucket - BucketId " << bucketId;
    return bucket;
}

QString BucketMaster::getValue(int bucketId, const QString &key) const
{
    const Bucket *bucket = validSlot(bucketId, "BucketMaster::getValue");
    if (!bucket && !isBadBucketId(bucketId)) {
        qWarning() << "BucketMaster::getValue"
                   << " Null Bucket - BucketId " << bucketId << " for " << key;
    }
    return bucket ? bucket->get(key) : QLatin1String("");
}

bool BucketMaster::setValue(int bucketId, const QString &key, const QString &value)
{
    Bucket *bucket = existingBucket(bucketId, "BucketMaster::setValue");
    if (!bucket)
        return false;
    if (bucket->get(key) == value)
        return true;
    bucket->set(key, value);
    emit updateOfBucketValue(uint(bucketId), key, value);
    return true;
}

bool BucketMaster::checkBucketAndFilterSearchString(int bucketId, QString &searchString) const
{
    if (!existingBucket(bucketId, "BucketMaster::checkBucketAndFilterSearchString"))
        return false;
    searchString.replace(QLatin1String("|"), QLatin1String("\\|"));
    searchString.replace(QLatin1String("*"), QLatin1String("[^|]+"));
    return true;
}

QStringList BucketMaster::GetBucketKeyList(int bucketId, const QString &searchString) const
{
    if (searchString.isEmpty()) {
        qWarning() << "BucketMaster::GetBucketKeyList"
                   << " Empty searchstring";
        return {};
    }
    const Bucket *bucket = existingBucket(bucketId, "BucketMaster::GetBucketKeyList");
    if (!bucket)
        return {};
    QString pattern = searchString;
    checkBucketAndFilterSearchString(bucketId, pattern);
    return bucket->keysMatching(pattern);
}

QStringList BucketMaster::GetBucketKeyListWithPrefix(int bucketId, const QString &prefix,
                                                     const QString &searchString) const
{
    QString pattern = searchString;
    if (!checkBucketAndFilterSearchString(bucketId, pattern))
        return {};
    return m_buckets[size_t(bucketId)]->keysWithPrefixMatching(prefix, pattern);
}

void BucketMaster::clear(int bucketId)
{
    Bucket *bucket = validSlot(bucketId, "BucketMaster::clear");
    if (!bucket)
        return;
    bucket->clear();
    emit bucket->bucketUpdated();
}

void BucketMaster::clearAll()
{
    for (const auto &bucket : m_buckets) {
        if (bucket)
            bucket->clear();
    }
}

QMapIterator<QByteArray, QByteArray> BucketMaster::bucketMap(int bucketId) const
{
    const Bucket *bucket = existingBucket(bucketId, "BucketMaster::bucketMap");
    return QMapIterator<QByteArray, QByteArray>(bucket ? bucket->snapshot() : Bucket::Map());
}

int BucketMaster::checkPersistenceFile() const
{
    QFile file{QLatin1String(GlobalConstants::bucketsFileName)};
    file.open(QIODevice::ReadOnly);
    const int error = file.error();
    file.close();
    return error;
}

int BucketMaster::save() const
{
    // Written aside and renamed into place, so a failed or interrupted save
    // leaves the previous file whole.
    QSaveFile file{QLatin1String(GlobalConstants::bucketsFileName)};
    if (!file.open(QIODevice::WriteOnly))
        return file.error();

    QDataStream stream(&file);
    for (const auto &bucket : m_buckets) {
        if (bucket && bucket->save(stream) != QDataStream::Ok) {
            file.cancelWriting();
            return 2;
        }
    }
    if (!file.commit())
        return file.error() != QFileDevice::NoError ? int(file.error()) : int(QFileDevice::WriteError);
    return 0;
}

void BucketMaster::receiveSyncCommand(BucketCmd command)
{
    if (command.command == BucketCmd::SetValue) {
        setValue(command.pageId, command.key, command.value);
        return;
    }
    if (command.command != BucketCmd::ClearBucket && command.command != BucketCmd::RemoveKeysWithPrefix
        && command.command != BucketCmd::PageUpdated) {
        qWarning() << "BucketMaster::receiveSyncCommand"
                   << " Trying to process a bad sync command type";
        return;
    }

    Bucket *bucket = validSlot(command.pageId, "BucketMaster::receiveSyncCommand");
    if (!bucket)
        return;
    switch (command.command) {
    case BucketCmd::ClearBucket:
        bucket->clear();
        break;
    case BucketCmd::RemoveKeysWithPrefix:
        bucket->removeKeysWithPrefix(command.key);
        break;
    default:
        emit bucket->bucketUpdated();
        break;
    }
}
