#include "HostServiceTable.h"

const QVector<HostService> &hostServices()
{
    static const QVector<HostService> services = {
        {"svc.backlight", "vemo.backlight", {{"setBrightness", "u"}}, {}},
        {"svc.power", "vemo.power", {}, {{"powerStatusUpdate", "u"}}},
        {"svc.rfid",
         "vemo.rfid",
         {{"sendCredentialsToWrite", "ss"}, {"cancelWrite", ""}},
         {{"RFIDSendBlockData", "s"}, {"writeCredentialsResult", "i"}}},
        {"svc.swiss",
         "vemo.swiss",
         {{"setFireLed", "b"}, {"setFaultLed", "b"}, {"setFSALed", "b"}},
         {{"silentStatus", "b"}, {"rstnStatus", "b"}, {"keyswStatus", "b"}}},
        {"svc.watchdog", "vemo.watchdog", {{"registerTimer", "sii"}, {"keepAlive", "sii"}}, {}},
    };
    return services;
}
