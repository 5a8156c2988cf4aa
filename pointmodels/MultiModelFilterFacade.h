#pragma once

#include "pointmodels/MultiModelFacade.h"

// A gate chain in front of the pairs: a point the gate accepts goes to the
// main model and then to every pair whose chain accepts it; a point the
// gate refuses reaches no model. Without a gate nothing is walked.
class MultiModelFilterFacade final : public MultiModelFacade
{
public:
    // The pairs' models are cleared; the main model is not.
    MultiModelFilterFacade(CountModel *mainModel, const QList<ModelFilterPair> &pairs, TC::panel_t panel);

    // Sets the gate.
    void setFilter(const QSharedPointer<SimplePointFilter> &head) override;
    void visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;
    bool hasNoFilter() const override;

private:
    CountModel *m_mainModel;
};
