#include "paneldata/IRserviceHandler.h"

IRserviceHandler *IRserviceHandler::instance()
{
    static IRserviceHandler handler;
    return &handler;
}

void IRserviceHandler::clear()
{
    emit irModeChanged(TC::cAllPanels);
}
