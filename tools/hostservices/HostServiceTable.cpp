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
        // The panel front: its keys, touches, key switch and USB socket, and
        // the LEDs, buzzer and title the engine sets.
        {"svc.frontpanel",
         "vemo.frontpanel",
         {{"setLeds", "s"},
          {"setZonalLeds", "s"},
          {"setExternalZonalLeds", "s"},
          {"setBuzzer", "b"},
          {"setPanel", "s"},
          {"setGUIMode", "u"},
          {"clearSystemFaultLED", ""},
          {"eepromWrite", "uay", nullptr, true},
          {"sendPhysicalKeyStatus", ""}},
         {{"softKeyClicked", "s",
           "a front-panel key: HOME, BACK, HELP, SILENCE_PANEL, SILENCE_PANEL_SOUNDERS, RESET, SCANDINAVIAN, "
           "GENERAL, PANEL, SOUNDERS, SIGNALLING, PROTECTION, ZONES, SCREENSHOT"},
          {"touchscreenPressed", "", "the touch screen pressed"},
          {"touchscreenReleased", "", "the touch screen released"},
          {"keyswitchUpdate", "b", "the access key switch turned on or off"},
          {"usbStickUpdate", "b", "a USB stick plugged in or out"}},
         true},
    };
    return services;
}

QStringList signatureTypes(const char *signature)
{
    QStringList types;
    QString pending;
    for (const char *type = signature; *type; ++type) {
        pending += QLatin1Char(*type);
        if (*type != 'a') {
            types << pending;
            pending.clear();
        }
    }
    return types;
}
