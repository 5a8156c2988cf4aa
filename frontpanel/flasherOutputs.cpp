#include "frontpanel/flasherOutputs.h"

#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/DB_swissinterface.h"

void FrontPanelOutputs::setLeds(const QString &leds)
{
    DB_TESK_FP_Interface::instance()->setLeds(leds);
}

void FrontPanelOutputs::setBuzzer(bool on)
{
    DB_TESK_FP_Interface::instance()->setBuzzer(on);
}

void FrontPanelOutputs::setZonalLeds(const QString &leds)
{
    DB_TESK_FP_Interface::instance()->setZonalLeds(leds);
}

void FrontPanelOutputs::setRegionalLeds(bool fire, bool fault, bool fsa)
{
    DB_swissinterface *board = DB_swissinterface::instance();
    board->setFireLed(fire);
    board->setFaultLed(fault);
    board->setFSALed(fsa);
}

void FrontPanelOutputs::setExternalZonalLeds(const QString &leds)
{
    DB_TESK_FP_Interface::instance()->setExternalZonalLeds(leds);
}
