#pragma once

#include "link/PointValueDetails.h"
#include "link/SimplePointInfo.h"

#include <QHash>
#include <QObject>

#include <list>

// One list's cache of point values: asks the controller for a point when
// the list wants it, at most once until the answer comes, and keeps the
// answers of the points fetched most recently.
class PointValueFetcher final : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxEntries = 4096;

    explicit PointValueFetcher(QObject *parent = nullptr);

    // Asks for the point unless a request is out, and copies out the values
    // held for it: true when an answer has come (perhaps to an earlier
    // request).
    bool fetch(const SimplePointInfo &point, PointValueDetails &values);
    // The held values of an answered point; asks nothing.
    bool getPointValues(const SimplePointInfo &point, PointValueDetails &values) const;

    int entryCount() const { return int(m_entries.size()); }
    bool holds(const SimplePointInfo &point) const { return m_index.contains(point); }

signals:
    void updatedPointValue(SimplePointInfo point);

public slots:
    void PointInformationValuesSlot(SimplePointInfo point, PointValueDetails values);

private:
    struct Entry
    {
        SimplePointInfo point;
        bool requested = false;
        bool received = false;
        PointValueDetails values;
    };
    using Entries = std::list<Entry>;

    void request(Entry &entry);

    // Least recently fetched first.
    Entries m_entries;
    QHash<SimplePointInfo, Entries::iterator> m_index;
};
