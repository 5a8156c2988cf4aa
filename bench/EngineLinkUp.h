#pragma once

#include "app/SystemState.h"
#include "link/SyncClient.h"

#include <QCoreApplication>

// The screens read the log and the site as they do with the panel link up.
inline void bringEngineLinkUp()
{
    SyncClient *link = SyncClient::instance();
    SystemState::instance()->watchEthernetLink(link);
    emit link->updateEnetConnectedToPanel(true);
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}
