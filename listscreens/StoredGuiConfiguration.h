#pragma once

#include <functional>

// The front panel's stored GUI configuration lives with the system state,
// on a floor above the list screens; the start-up hands in the way to read
// it. Until then the values of a new configuration record are read.
class StoredGuiConfiguration final
{
public:
    struct Values
    {
        int guiMode = 0;
        int rbusAddress = 1;
        int rbusMode = 0;
        int zonalLedMode = 0;
        int brand = 0;
    };
    using Read = std::function<Values()>;

    static void install(Read read);
    static Values read();
};
