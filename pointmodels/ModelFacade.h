#pragma once

#include "pointmodels/SimpleFacade.h"

class CountModel;

// Walks points through its chain into one model, which it clears first so
// the model holds the points of the latest walk only.
class ModelFacade : public SimpleFacade
{
public:
    ModelFacade(CountModel *model, TC::panel_t panel);
    ModelFacade(CountModel *model, const QSharedPointer<SimplePointFilter> &head, TC::panel_t panel);

    void visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;

    // Clears the model, makes it the target and drops the chain.
    virtual void setModel(CountModel *model);
    // Neither is cleared.
    virtual void setModelAndFilter(CountModel *model, const QSharedPointer<SimplePointFilter> &head);

protected:
    CountModel *m_model;
};
