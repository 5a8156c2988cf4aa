#include "pointmodels/MultiModelFacade.h"

#include "pointmodels/CountModel.h"

MultiModelFacade::MultiModelFacade(const QList<ModelFilterPair> &pairs, TC::panel_t panel)
    : SimpleFacade(panel)
    , m_pairs(pairs)
{
    clearPairModels();
}

void MultiModelFacade::clearPairModels()
{
    for (const ModelFilterPair &pair : qAsConst(m_pairs)) {
        if (pair.model)
            pair.model->clearModel();
    }
}

void MultiModelFacade::setFilter(const QSharedPointer<SimplePointFilter> &)
{
}

void MultiModelFacade::visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    for (const ModelFilterPair &pair : qAsConst(m_pairs)) {
        if (pair.model && pair.filter && pair.filter->acceptsAll(panel, channel, record))
            pair.model->addPoint(panel, channel, record);
    }
}

bool MultiModelFacade::hasNoFilter() const
{
    for (const ModelFilterPair &pair : m_pairs) {
        if (pair.filter.isNull())
            return true;
    }
    return false;
}

void MultiModelFacade::setModel(CountModel *model)
{
    m_pairs.clear();
    if (model)
        model->clearModel();
    m_pairs.append(ModelFilterPair{model, {}});
}

void MultiModelFacade::setPairs(const QList<ModelFilterPair> &pairs)
{
    m_pairs = pairs;
    clearPairModels();
}

void MultiModelFacade::addPair(CountModel *model, const QSharedPointer<SimplePointFilter> &head)
{
    m_pairs.append(ModelFilterPair{model, head});
}
