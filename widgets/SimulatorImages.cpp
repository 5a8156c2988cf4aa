#include "widgets/SimulatorImages.h"

#include <QtGlobal>

// Q_INIT_RESOURCE may not be used inside a namespace.
static void initSimulatorImages()
{
    Q_INIT_RESOURCE(simulatorimages);
}

static void cleanupSimulatorImages()
{
    Q_CLEANUP_RESOURCE(simulatorimages);
}

void SimulatorImages::registerImages()
{
    initSimulatorImages();
}

void SimulatorImages::unregisterImages()
{
    cleanupSimulatorImages();
}
