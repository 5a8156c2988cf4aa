#include "pointmodels/MultiModelFilterFacade.h"

#include "pointmodels/CountModel.h"

MultiModelFilterFacade::MultiModelFilterFacade(CountModel *mainModel, const QList<ModelFilterPair> &pairs,
                                               TC::panel_t panel)
    : MultiModelFacade(pairs, panel)
    , m_mainModel(mainModel)
{
    clearPairModels();
}

void MultiModelFilterFacade::setFilter(const QSharedPointer<SimplePointFilter> &head)
{
    m_filter = head;
}

void MultiModelFilterFacade::visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    if (!chainAccepts(panel, channel, record))
        return;
    if (m_mainModel)
        m_mainModel->addPoint(panel, channel, record);
    MultiModelFacade::visit(panel, channel, record);
}

bool MultiModelFilterFacade::hasNoFilter() const
{
    return m_filter.isNull() || MultiModelFacade::hasNoFilter();
}
