#include "app/PanelModelWiring.h"

#include "app/SystemState.h"
#include "link/SyncClient.h"
#include "pointmodels/LkNetworkStats.h"
#include "pointmodels/model.h"

#include <QPointer>

namespace PanelModelWiring {

void connectTextRequests(model *panelModel, SyncClient *client)
{
    QObject::connect(panelModel, &model::sendPointTextRequest, client, &SyncClient::sendPointTextRequest);
    QObject::connect(panelModel, &model::sendZoneTextRequest, client, &SyncClient::sendZoneTextRequest);
}

void connectNetworkStats(LkNetworkStats *stats, SystemState *state)
{
    QObject::connect(state, &SystemState::stateChanged, stats, &LkNetworkStats::startStopRefreshTimer);
    stats->setEthernetConnectedQuery(
        [state = QPointer<SystemState>(state)] { return state && state->isEthernetConnected(); });
}

} // namespace PanelModelWiring
