#include "app/EngineUsbEnvironment.h"

#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"

bool EngineUsbEnvironment::isE30Connected() const
{
    return SystemState::instance()->isE30Connected();
}

bool EngineUsbEnvironment::isDisconnected() const
{
    return SystemState::instance()->isDisconnected();
}

bool EngineUsbEnvironment::isFireActive() const
{
    return SystemState::instance()->isFireActive();
}

int EngineUsbEnvironment::accessLevel() const
{
    return Security::instance()->accessLevel();
}

int EngineUsbEnvironment::userLevel() const
{
    return Security::instance()->userLevel();
}

QString EngineUsbEnvironment::topPageName() const
{
    const QStringList pages = PageStack::instance()->pageNames();
    return pages.isEmpty() ? QString() : pages.constLast();
}

void EngineUsbEnvironment::showMainScreen()
{
    PageStack::instance()->showMainScreen(false);
}
