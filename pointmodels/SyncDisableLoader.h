#pragma once

#include <QString>

// The codes and texts of a disablement command, from what the disable and
// enable screens' selectors hold.
namespace SyncDisableLoader {

// The command's action: 1 disable for selector 1, 0 enable for 2 (enable)
// and 3 (enable only what nothing else holds); anything else enables, with
// a warning.
int convertAction(int selectorValue);
// Inputs 1, outputs 2 or both 3; anything else inputs, with a warning.
int convertDirection(int selectorValue);

} // namespace SyncDisableLoader

// The body and the title of the progress popup of a command's action (0
// enable, 1 disable); empty for any other.
QString disableActionInfoText(int action);
QString disableProgressTitle(int action);
