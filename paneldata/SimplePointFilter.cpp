#include "paneldata/SimplePointFilter.h"

#include <QDebug>

SimplePointFilter::~SimplePointFilter() = default;

void SimplePointFilter::setNext(const QSharedPointer<SimplePointFilter> &filter)
{
    if (!filter) {
        qWarning() << "SimplePointFilter::setNext"
                   << " no filter given";
        return;
    }
    // Every link is made here, so no chain can already be a cycle: walking
    // the given one ends.
    for (const SimplePointFilter *link = filter.data(); link; link = link->m_next.data()) {
        if (link == this) {
            qWarning() << "SimplePointFilter::setNext"
                       << " refused: the chain would loop";
            return;
        }
    }
    m_next = filter;
}

bool SimplePointFilter::acceptsAll(TC::panel_t panel, const ChannelAddress *channel,
                                   const PointAddressKey *record) const
{
    if (!channel || !record) {
        qWarning() << "SimplePointFilter::acceptsAll"
                   << " no point given";
        return false;
    }
    for (const SimplePointFilter *link = this; link; link = link->m_next.data()) {
        if (!link->accept(panel, channel, record))
            return false;
    }
    return true;
}

QSharedPointer<SimplePointFilter> SimplePointFilter::chainOf(const QVector<QSharedPointer<SimplePointFilter>> &filters)
{
    for (int i = filters.size() - 2; i >= 0; --i)
        filters.at(i)->setNext(filters.at(i + 1));
    return filters.isEmpty() ? QSharedPointer<SimplePointFilter>() : filters.first();
}
