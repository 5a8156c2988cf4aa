#include "app/TeskEngine.h"

#include <cstdio>
#include <cstdlib>

// The host reads the engine's requests from its output, not from its exit
// code; only an engine that could not start at all exits with an error.
int main(int argc, char *argv[])
{
    const int result = teskengine_main(argc, argv);
    if (const char *message = teskengine_exitMessage(result))
        std::fputs(message, stdout);
    return result == teskengine_dataDirectoryHeld ? EXIT_FAILURE : 0;
}
