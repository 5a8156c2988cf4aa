#include "app/FrontPanelKeys.h"

#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/InputSignaller.h"

namespace FrontPanelKeys {

void connectFrontPanelKeys(DB_TESK_FP_Interface *frontPanel, InputSignaller *input)
{
    using Fp = DB_TESK_FP_Interface;
    using In = InputSignaller;
    struct Wire
    {
        void (Fp::*key)();
        void (In::*action)();
    };
    // The zones key is not dispatched. A touch is user input.
    static const Wire wires[] = {
        {&Fp::silencePressed, &In::setSilenceBuzzerPressed},
        {&Fp::silencePanelPressed, &In::silenceSoundersPressed},
        {&Fp::resetPressed, &In::fireResetKeyPressed},
        {&Fp::screenshotPressed, &In::screenshotPressed},
        {&Fp::backPressed, &In::backPressed},
        {&Fp::homePressed, &In::homePressed},
        {&Fp::helpPressed, &In::helpPressed},
        {&Fp::scandinavianPressed, &In::scandinavianPressed},
        {&Fp::generalPressed, &In::generalPressed},
        {&Fp::panelPressed, &In::panelPressed},
        {&Fp::soundersPressed, &In::soundersPressed},
        {&Fp::signallingPressed, &In::signallingPressed},
        {&Fp::protectionPressed, &In::protectionPressed},
        {&Fp::touchscreenPressed, &In::userInputReceived},
    };
    for (const Wire &wire : wires)
        QObject::connect(frontPanel, wire.key, input, wire.action);
}

} // namespace FrontPanelKeys
