#include "pointmodels/ModelFacade.h"

#include "pointmodels/CountModel.h"

ModelFacade::ModelFacade(CountModel *model, TC::panel_t panel)
    : ModelFacade(model, {}, panel)
{
}

ModelFacade::ModelFacade(CountModel *model, const QSharedPointer<SimplePointFilter> &head, TC::panel_t panel)
    : SimpleFacade(panel)
    , m_model(model)
{
    m_filter = head;
    if (m_model)
        m_model->clearModel();
}

void ModelFacade::visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    if (m_model && chainAccepts(panel, channel, record))
        m_model->addPoint(panel, channel, record);
}

void ModelFacade::setModel(CountModel *model)
{
    if (model)
        model->clearModel();
    m_model = model;
    m_filter.clear();
}

void ModelFacade::setModelAndFilter(CountModel *model, const QSharedPointer<SimplePointFilter> &head)
{
    m_model = model;
    m_filter = head;
}
