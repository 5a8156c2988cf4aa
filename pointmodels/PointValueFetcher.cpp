#include "pointmodels/PointValueFetcher.h"

#include "link/SyncClient.h"

PointValueFetcher::PointValueFetcher(QObject *parent)
    : QObject(parent)
{
    connect(SyncClient::instance(), &SyncClient::PointInformationValues, this,
            &PointValueFetcher::PointInformationValuesSlot);
}

void PointValueFetcher::request(Entry &entry)
{
    entry.requested = true;
    SyncClient::instance()->sendPointInformationRequestFor(entry.point);
}

bool PointValueFetcher::fetch(const SimplePointInfo &point, PointValueDetails &values)
{
    const auto found = m_index.constFind(point);
    if (found != m_index.constEnd()) {
        const Entries::iterator entry = *found;
        m_entries.splice(m_entries.end(), m_entries, entry);
        values = entry->values;
        if (!entry->requested)
            request(*entry);
        return entry->received;
    }
    while (m_entries.size() >= size_t(MaxEntries)) {
        m_index.remove(m_entries.front().point);
        m_entries.pop_front();
    }
    m_entries.push_back(Entry{point, false, false, PointValueDetails()});
    m_index.insert(point, std::prev(m_entries.end()));
    request(m_entries.back());
    return false;
}

bool PointValueFetcher::getPointValues(const SimplePointInfo &point, PointValueDetails &values) const
{
    const auto found = m_index.constFind(point);
    if (found == m_index.constEnd() || !(*found)->received)
        return false;
    values = (*found)->values;
    return true;
}

void PointValueFetcher::PointInformationValuesSlot(SimplePointInfo point, PointValueDetails values)
{
    const auto found = m_index.constFind(point);
    if (found == m_index.constEnd())
        return;
    Entry &entry = **found;
    entry.values = values;
    entry.requested = false;
    entry.received = true;
    emit updatedPointValue(point);
}
