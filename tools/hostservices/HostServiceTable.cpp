#include "HostServiceTable.h"

const QVector<HostService> &hostServices()
{
    static const QVector<HostService> services = {
        {"svc.backlight", "vemo.backlight", {{"setBrightness", "u"}}, {}},
        {"svc.power",
         "vemo.power",
         {},
         {{"powerStatusUpdate", "u", "the power supply's state (the engine does not act on it yet)"}}},
        {"svc.rfid",
         "vemo.rfid",
         {{"sendCredentialsToWrite", "ss"}, {"cancelWrite", ""}},
         {{"RFIDSendBlockData", "s", "data read from an RFID card"},
          {"writeCredentialsResult", "i", "the result of writing credentials to a card"}}},
        // The engine passes the regional board's switches on to the
        // controller once its engine configuration enables the board's inputs.
        {"svc.swiss",
         "vemo.swiss",
         {{"setFireLed", "b"}, {"setFaultLed", "b"}, {"setFSALed", "b"}},
         {{"silentStatus", "b", "the regional board's silence switch (see panelsim's engineflags)"},
          {"rstnStatus", "b", "the regional board's reset switch (see panelsim's engineflags)"},
          {"keyswStatus", "b", "the regional board's key switch (see panelsim's engineflags)"}}},
        {"svc.watchdog", "vemo.watchdog", {{"registerTimer", "sii"}, {"keepAlive", "sii"}}, {}},
    };
    return services;
}
