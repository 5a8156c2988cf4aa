#pragma once

class LkNetworkStats;
class SyncClient;
class SystemState;
class model;

// Start-up connections between the panel model and the link.
namespace PanelModelWiring {

// The model asks once for each missing name of another panel's point or
// zone; the link sends the request to the controller, whose answer fills the
// text cache and the state store the model reads.
void connectTextRequests(model *panelModel, SyncClient *client);

// The hourly network statistics run while refresh is on and the link is up
// over Ethernet; each change of the engine state starts or stops them.
void connectNetworkStats(LkNetworkStats *stats, SystemState *state);

} // namespace PanelModelWiring
