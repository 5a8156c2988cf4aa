#pragma once

#include "paneldata/SimplePointFilter.h"

#include <QSharedPointer>

// Walks the configured points of a range of panels, panel by panel in the
// configuration's order, and hands each to visit(). Built, given a chain,
// run once and destroyed by its caller; the walk copies nothing but the
// two channel bytes per point.
class SimpleFacade
{
public:
    // On a panel network a panel 0 to 99 walks that panel and 255 the panels
    // 1 to 99; anything else, and every request of an engine that is on no
    // network, walks panel 0.
    explicit SimpleFacade(TC::panel_t panel);
    virtual ~SimpleFacade();
    SimpleFacade(const SimpleFacade &) = delete;
    SimpleFacade &operator=(const SimpleFacade &) = delete;

    // Nothing happens without a chain. The walk shares the configuration's
    // one iterator, so a walk started from inside another is refused.
    virtual void run();
    virtual void setFilter(const QSharedPointer<SimplePointFilter> &head);
    virtual void visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) = 0;
    virtual bool hasNoFilter() const;

    TC::panel_t firstPanel() const { return m_firstPanel; }
    TC::panel_t lastPanel() const { return m_lastPanel; }

protected:
    // The stored chain accepts the point (an empty chain accepts nothing).
    bool chainAccepts(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const
    {
        return m_filter && m_filter->acceptsAll(panel, channel, record);
    }

    TC::panel_t m_firstPanel = 0;
    TC::panel_t m_lastPanel = 0;
    QSharedPointer<SimplePointFilter> m_filter;
};
