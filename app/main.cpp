#include "app/TeskEngine.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    const int result = teskengine_main(argc, argv);
    if (result == 291)
        std::printf("Application exit indicates Touchscreen Calibration requested\n");
    else if (result == 1110)
        std::printf("Application exit indicates Firmware Upgrade requested\n");
    return 0;
}
