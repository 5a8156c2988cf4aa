#pragma once

class DB_TESK_FP_Interface;
class InputSignaller;

namespace FrontPanelKeys {

// The panel's keys and touches to their dispatcher, in a fixed order.
void connectFrontPanelKeys(DB_TESK_FP_Interface *frontPanel, InputSignaller *input);

} // namespace FrontPanelKeys
