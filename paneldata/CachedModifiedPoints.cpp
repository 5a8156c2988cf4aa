#include "paneldata/CachedModifiedPoints.h"

#include "app/Security.h"
#include "app/SystemState.h"
#include "link/SyncClient.h"
#include "paneldata/DeviceTypeAddressCount.h"
#include "paneldata/PointAddressing.h"
#include "pointmodels/model.h"

#include <QDebug>

namespace {

constexpr quint8 LoopKind = 12;
constexpr quint8 LoopChannelNumber = 0;
constexpr quint8 LoopChannelByte = LoopKind | LoopChannelNumber << 4;
// Configuration attribute bits of a point of a multi-address device.
constexpr quint8 FirstOfDevice = 0x10;
constexpr quint8 FurtherOfDevice = 0x08;
constexpr int BatchSize = 4;

quint32 addressOf(quint8 panel, quint8 loop, quint8 point)
{
    return packPointAddress(panel, LoopChannelByte, loop, point);
}

quint8 panelOf(quint32 address)
{
    return quint8(address >> 24);
}

quint8 loopOf(quint32 address)
{
    return quint8(address >> 8);
}

quint8 pointOf(quint32 address)
{
    return quint8(address);
}

} // namespace

CachedModifiedPoints::CachedModifiedPoints()
{
    connect(SyncClient::instance(), &SyncClient::disconnected, this, &CachedModifiedPoints::clearCachedList);
    connect(SystemState::instance(), &SystemState::fireStarted, this, &CachedModifiedPoints::clearCachedList);
    connect(Security::instance(), &Security::keyOut, this, &CachedModifiedPoints::clearCachedList);
    connect(Security::instance(), &Security::logoutNotify, this, &CachedModifiedPoints::clearCachedList);
}

void CachedModifiedPoints::clearCachedList()
{
    m_panels.clear();
    m_points.clear();
    m_uploadList.clear();
}

void CachedModifiedPoints::cacheModification(int kind, const PointSettingsRecord &record)
{
    switch (kind) {
    case MultiAddressChange:
        cacheMultiAddressChange(record);
        return;
    case SingleChange:
        cacheSingleChange(record);
        return;
    case Deletion:
        cacheDeletion(record.panel, record.loop, record.point);
        return;
    default:
        qWarning() << "CachedModifiedPoints::cacheModification"
                   << "unknown kind" << kind;
    }
}

void CachedModifiedPoints::store(quint8 panel, quint8 loop, quint8 point, const ModifiedPointRecord &record)
{
    m_points.insert(addressOf(panel, loop, point), record.isDeleted() ? record.deleted() : record);
    m_panels.insert(panel, true);
}

void CachedModifiedPoints::flush(Batch &batch)
{
    if (batch.records.isEmpty())
        return;
    ModifiedPointEntry entry{batch.panel, batch.loop, batch.records.first().first, {}};
    for (const auto &record : qAsConst(batch.records))
        entry.settings << ModifiedPointSetting::fromRecord(record.second);
    m_uploadList << entry;
    batch.records.clear();
}

void CachedModifiedPoints::appendSingle(quint8 panel, quint8 loop, quint8 point, const ModifiedPointRecord &record)
{
    store(panel, loop, point, record);
    m_uploadList << ModifiedPointEntry{panel, loop, point, {ModifiedPointSetting::fromRecord(record)}};
}

void CachedModifiedPoints::announce()
{
    emit PointsUpdated(m_points.size());
}

// Each address of the device gets a record of its own, the device use
// rising by one per address; the upload list gets them four at a time.
void CachedModifiedPoints::cacheMultiAddressChange(const PointSettingsRecord &settings)
{
    CachedModifiedPoints *cache = instance();
    int addresses = settings.numberOfAddresses;
    if (addresses < 1 || addresses > MaximumAddresses) {
        qWarning() << "CachedModifiedPoints::cacheMultiAddressChange" << addresses << "addresses; taken as"
                   << qBound(1, addresses, MaximumAddresses);
        addresses = qBound(1, addresses, MaximumAddresses);
    }
    ModifiedPointRecord record;
    record.zone = settings.zone;
    record.text = settings.text;
    record.role = addresses > 1 ? ModifiedPointRecord::FirstAddress : ModifiedPointRecord::SingleAddress;
    record.headPoint = settings.point;
    record.kind = ModifiedPointRecord::Changed;
    Batch batch{settings.panel, settings.loop, {}};
    quint8 point = settings.point;
    quint16 use = settings.deviceUse;
    for (int remaining = addresses - 1; remaining >= 0; --remaining) {
        record.logicalPointNumber = settings.logicalPointMap.value(point, ModifiedPointRecord::NoLogicalPoint);
        record.deviceUse = use;
        record.remainingAddresses = quint8(remaining);
        cache->store(settings.panel, settings.loop, point, record);
        batch.records.append({point, record});
        if (record.role == ModifiedPointRecord::FirstAddress)
            record.role = ModifiedPointRecord::FurtherAddress;
        ++use;
        ++point;
        if (batch.records.size() == BatchSize || remaining == 0)
            cache->flush(batch);
    }
    cache->announce();
}

void CachedModifiedPoints::cacheSingleChange(const PointSettingsRecord &settings)
{
    CachedModifiedPoints *cache = instance();
    ModifiedPointRecord record;
    record.zone = settings.zone;
    record.deviceUse = settings.deviceUse;
    record.logicalPointNumber = settings.logicalPointNumber;
    record.text = settings.text;
    record.role = model::instance()->deviceUseCategory(settings.deviceUse);
    record.remainingAddresses = quint8(qBound(0, settings.numberOfAddresses - 1, MaximumAddresses));
    record.kind = ModifiedPointRecord::Changed;
    cache->appendSingle(settings.panel, settings.loop, settings.point, record);
    cache->announce();
}

void CachedModifiedPoints::cacheDeletion(quint8 panel, quint8 loop, quint8 point)
{
    CachedModifiedPoints *cache = instance();
    if (const ModifiedPointRecord *record = cache->cached(panel, loop, point))
        cache->deleteCached(panel, loop, point, *record);
    else
        cache->deleteFromConfiguration(panel, loop, point);
    cache->announce();
}

const ModifiedPointRecord *CachedModifiedPoints::cached(quint8 panel, quint8 loop, quint8 point) const
{
    const auto it = m_points.constFind(addressOf(panel, loop, point));
    return it == m_points.constEnd() ? nullptr : &*it;
}

// An address of a cached multi-address change takes its whole device with
// it, from the device's first address; any other record goes alone. A
// single-point change keeps a category, not a role, in its role field, so
// only records that name themselves, or a cached first address below them,
// as their device's head count as part of a device.
void CachedModifiedPoints::deleteCached(quint8 panel, quint8 loop, quint8 point, const ModifiedPointRecord &record)
{
    const ModifiedPointRecord deletion = record.deleted();
    if (record.role == ModifiedPointRecord::FirstAddress && record.headPoint == point) {
        deleteDevice(panel, loop, point, record.remainingAddresses + 1, deletion);
        return;
    }
    if (record.role == ModifiedPointRecord::FurtherAddress && record.headPoint < point) {
        const ModifiedPointRecord *head = cached(panel, loop, record.headPoint);
        if (head && head->role == ModifiedPointRecord::FirstAddress) {
            deleteDevice(panel, loop, record.headPoint, head->remainingAddresses + 1, deletion);
            return;
        }
    }
    appendSingle(panel, loop, point, deletion);
}

void CachedModifiedPoints::deleteDevice(quint8 panel, quint8 loop, quint8 head, int addresses,
                                        const ModifiedPointRecord &record)
{
    Batch batch{panel, loop, {}};
    quint8 point = head;
    for (int i = 0; i < addresses; ++i, ++point) {
        store(panel, loop, point, record);
        batch.records.append({point, record});
    }
    flush(batch);
}

// A point not cached is deleted as the configuration holds it: alone, or
// with every address of its device from the device's first.
void CachedModifiedPoints::deleteFromConfiguration(quint8 panel, quint8 loop, quint8 point)
{
    const model *panels = model::instance();
    const auto deletionAt = [&](quint8 at) {
        ModifiedPointRecord record;
        record.zone = panels->pointZone(panel, LoopKind, LoopChannelNumber, loop, at);
        record.logicalPointNumber = panels->logicalPointNumber(panel, LoopKind, LoopChannelNumber, loop, at);
        record.kind = ModifiedPointRecord::Deleted;
        return record;
    };
    const auto attributesOf = [&](quint8 at, quint8 &attributes) {
        return model::pointAttributes(panel, LoopKind, LoopChannelNumber, loop, at, attributes);
    };
    quint8 attributes = 0;
    attributesOf(point, attributes);
    if (!(attributes & (FirstOfDevice | FurtherOfDevice))) {
        appendSingle(panel, loop, point, deletionAt(point));
        return;
    }
    // Back to the device's first address, over points the configuration
    // does not hold; never further than once round the loop.
    quint8 head = point;
    for (int step = 0; step < 256 && (attributes & FurtherOfDevice) && !(attributes & FirstOfDevice); ++step) {
        quint8 candidate = head;
        quint8 candidateAttributes = 0;
        do {
            --candidate;
        } while (candidate != point && !attributesOf(candidate, candidateAttributes));
        if (candidate == point)
            break;
        head = candidate;
        attributes = candidateAttributes;
    }
    int addresses = deviceTypeAddressCount(panels->pointDeviceType(panel, LoopKind, LoopChannelNumber, loop, head));
    if (addresses > MaximumAddresses) {
        qWarning() << "CachedModifiedPoints::cacheDeletion" << addresses << "addresses; taken as" << MaximumAddresses;
        addresses = MaximumAddresses;
    }
    Batch batch{panel, loop, {}};
    quint8 at = head;
    for (int i = 0; i < addresses; ++i, ++at) {
        const ModifiedPointRecord record = deletionAt(at);
        store(panel, loop, at, record);
        batch.records.append({at, record});
    }
    if (batch.records.isEmpty())
        m_uploadList << ModifiedPointEntry{panel, loop, head, {}};
    else
        flush(batch);
}

bool CachedModifiedPoints::findPoint(quint32 packedPoint, ModifiedPointRecord &record)
{
    const ModifiedPointRecord *found =
        instance()->cached(quint8(packedPoint), quint8(packedPoint >> 8), quint8(packedPoint >> 16));
    if (found)
        record = *found;
    return found != nullptr;
}

bool CachedModifiedPoints::isPointDeleted(quint8 panel, quint8 loop, quint8 point)
{
    const ModifiedPointRecord *found = instance()->cached(panel, loop, point);
    return found && found->kind == ModifiedPointRecord::Deleted;
}

bool CachedModifiedPoints::pendingLogicalPoint(quint8 panel, quint8 loop, quint8 point, quint8 &logicalPoint)
{
    const ModifiedPointRecord *found = instance()->cached(panel, loop, point);
    if (!found || found->kind != ModifiedPointRecord::Changed)
        return false;
    logicalPoint = found->logicalPointNumber;
    return true;
}

int CachedModifiedPoints::collect(quint8 panel, quint8 loop, QSet<quint8> &points, bool useLogical,
                                  bool (*matches)(const ModifiedPointRecord &record)) const
{
    points.clear();
    int matched = 0;
    for (auto it = m_points.lowerBound(addressOf(panel, loop, 0));
         it != m_points.constEnd() && panelOf(it.key()) == panel && loopOf(it.key()) == loop; ++it) {
        if (!matches(*it))
            continue;
        ++matched;
        points.insert(useLogical ? it->logicalPointNumber : pointOf(it.key()));
    }
    return matched;
}

int CachedModifiedPoints::deletedPoints(quint8 panel, quint8 loop, QSet<quint8> &points, bool useLogical)
{
    return instance()->collect(panel, loop, points, useLogical, [](const ModifiedPointRecord &record) {
        return record.kind == ModifiedPointRecord::Deleted;
    });
}

int CachedModifiedPoints::modifiedPoints(quint8 panel, quint8 loop, QSet<quint8> &points, bool useLogical)
{
    return instance()->collect(panel, loop, points, useLogical, [](const ModifiedPointRecord &record) {
        return record.kind == ModifiedPointRecord::Changed;
    });
}

int CachedModifiedPoints::presentPoints(quint8 panel, quint8 loop, QSet<quint8> &points, bool useLogical)
{
    return instance()->collect(panel, loop, points, useLogical, [](const ModifiedPointRecord &record) {
        return record.kind != ModifiedPointRecord::Deleted;
    });
}

QList<quint8> CachedModifiedPoints::modifiedPanels()
{
    return instance()->m_panels.keys();
}

bool CachedModifiedPoints::hasPoints()
{
    return !instance()->m_points.isEmpty();
}

QList<ModifiedPointEntry> CachedModifiedPoints::uploadListSnapshot()
{
    return instance()->m_uploadList;
}

void CachedModifiedPoints::refreshUploadListSnapshot(QList<ModifiedPointEntry> &snapshot)
{
    snapshot = uploadListSnapshot();
}

bool CachedModifiedPoints::takeNextEntryForPanel(QList<ModifiedPointEntry> &snapshot, quint8 &panel, quint8 &loop,
                                                 quint8 &point, QVector<ModifiedPointSetting> &settings)
{
    const quint8 wanted = panel;
    const auto ofPanel = [wanted](const ModifiedPointEntry &entry) { return entry.panel == wanted; };
    const auto found = std::find_if(snapshot.begin(), snapshot.end(), ofPanel);
    if (found == snapshot.end())
        return false;
    const ModifiedPointEntry entry = *found;
    snapshot.erase(found);
    panel = entry.panel;
    loop = entry.loop;
    point = entry.point;
    settings = entry.settings;
    return std::any_of(snapshot.cbegin(), snapshot.cend(), ofPanel);
}
