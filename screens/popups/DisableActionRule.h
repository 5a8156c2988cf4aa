#pragma once

// Whether the logged-on user may be offered disable and enable actions.
// The lower threshold serves the actions on single loop points and zones;
// a panel on the first template needs only the lowest log-on level.
bool isDisableActionAllowed(bool lowerThreshold);
