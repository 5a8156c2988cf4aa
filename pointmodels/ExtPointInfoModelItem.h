#pragma once

#include "link/PointValueDetails.h"
#include "link/SimplePointInfo.h"

#include <QStandardItem>

class PointValueFetcher;

// A list row of one point that can show the point's live values: it holds
// the point and the list's fetcher (none for rows that never show values)
// and its own copy of the values last fetched, all 0 until then.
class ExtPointInfoModelItem : public QStandardItem
{
public:
    static constexpr quint32 DefaultLimit = 9999;

    ExtPointInfoModelItem(PointValueFetcher *fetcher, quint8 panel, quint8 channelAddress, quint8 point,
                          quint8 channelNumber, quint8 channelKind);

    const SimplePointInfo &point() const { return m_point; }
    PointValueFetcher *fetcher() const { return m_fetcher; }
    const PointValueDetails &values() const { return m_values; }
    quint32 limit() const { return m_limit; }

    // Asks the fetcher for the point (unless a request is out) into the
    // item's copy; true when an answer has come.
    bool fetchValues() const;
    // Fetches and, unless values are held, lets events run until the
    // point's own answer arrives or the milliseconds pass. The item may be
    // gone when this returns (its model refilled while it waited): the
    // caller must not touch it afterwards.
    void waitForValues(int milliseconds) const;

    // Reading 0, 1 or 2 of the held values, scaled by its decimals, with
    // the unit after a blank.
    QString analogueValueText(int reading, const QString &unit) const;

private:
    // What was last fetched; a fetch refreshes it also through a const
    // view, since a view asking for a row is what asks for its values.
    mutable PointValueDetails m_values;
    quint32 m_limit = DefaultLimit;
    PointValueFetcher *m_fetcher;
    SimplePointInfo m_point;
};
