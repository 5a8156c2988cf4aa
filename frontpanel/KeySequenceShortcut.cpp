#include "frontpanel/KeySequenceShortcut.h"

bool KeySequenceShortcut::advance(int key)
{
    if (position >= keys.size() || keys.at(position) != key) {
        position = 0;
        return false;
    }
    if (++position < keys.size())
        return false;
    position = 0;
    return true;
}
