#pragma once

#include "pointmodels/SimpleFacade.h"

#include <QVariantList>

// Collects the event log's packed key (panel, the two channel bytes and the
// point from the low byte up) of every point its chain accepts, for a
// statement that binds them all at once.
class EventLogFacade final : public SimpleFacade
{
public:
    // The list is the caller's and must outlive the run.
    EventLogFacade(QVariantList *keys, TC::panel_t panel)
        : SimpleFacade(panel)
        , m_keys(keys)
    {
    }

    void visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;

    static quint32 packedKey(TC::panel_t panel, const ChannelAddress &channel, quint8 point);

private:
    QVariantList *m_keys;
};
