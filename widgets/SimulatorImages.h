#pragma once

// The simulator window's compiled-in pictures under ":/new/prefix1/"
// (backgrounds, LEDs, key switch, USB socket), which the build paints.
// They live in a static library, so they are registered explicitly: once at
// start-up, and unregistered at exit.
class SimulatorImages final
{
public:
    static void registerImages();
    static void unregisterImages();
};
