#include "app/PanelModelWiring.h"

#include "link/SyncClient.h"
#include "pointmodels/model.h"

namespace PanelModelWiring {

void connectTextRequests(model *panelModel, SyncClient *client)
{
    QObject::connect(panelModel, &model::sendPointTextRequest, client, &SyncClient::sendPointTextRequest);
    QObject::connect(panelModel, &model::sendZoneTextRequest, client, &SyncClient::sendZoneTextRequest);
}

} // namespace PanelModelWiring
