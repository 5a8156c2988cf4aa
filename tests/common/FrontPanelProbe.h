#pragma once

#include <QString>

// What a user sees of a running engine's front panel, asked over the session
// bus from the simulator window's service on the engine's port.
namespace FrontPanelProbe {

// The LED states as 0 and 1, in the service's order (the general fire LED
// first), or empty while the engine does not answer.
QString leds(quint16 port);
bool buzzer(quint16 port);

} // namespace FrontPanelProbe
