#include "app/TeskEngine.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const char *message = teskengine_exitMessage(teskengine_main(argc, argv)))
        std::fputs(message, stdout);
    return 0;
}
