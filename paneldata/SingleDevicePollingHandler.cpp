#include "paneldata/SingleDevicePollingHandler.h"

SingleDevicePollingHandler *SingleDevicePollingHandler::instance()
{
    static SingleDevicePollingHandler handler;
    return &handler;
}

void SingleDevicePollingHandler::clear()
{
    emit singleDevicePollingStopped(TC::cAllPanels);
}
