#pragma once

#include "pointmodels/ModelFilterPair.h"
#include "pointmodels/SimpleFacade.h"

#include <QList>

// Fills several lists in one walk: each pair's model gets the points its
// own chain accepts, so a point can land in several lists. A pair without
// a chain means no walk at all.
class MultiModelFacade : public SimpleFacade
{
public:
    // Each pair's model is cleared, in list order.
    MultiModelFacade(const QList<ModelFilterPair> &pairs, TC::panel_t panel);

    // The pairs carry the chains: a chain given here is dropped.
    void setFilter(const QSharedPointer<SimplePointFilter> &head) override;
    void visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;
    bool hasNoFilter() const override;

    // Clears the model and makes (model, no chain) the only pair.
    virtual void setModel(CountModel *model);
    // Clears each new pair's model.
    virtual void setPairs(const QList<ModelFilterPair> &pairs);
    // The model is not cleared.
    virtual void addPair(CountModel *model, const QSharedPointer<SimplePointFilter> &head);

    const QList<ModelFilterPair> &pairs() const { return m_pairs; }

protected:
    void clearPairModels();

    QList<ModelFilterPair> m_pairs;
};
