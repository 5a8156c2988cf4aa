#include "app/EnginePanelEnvironment.h"

#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"

bool EnginePanelEnvironment::isE30Connected() const
{
    return SystemState::instance()->isE30Connected();
}

bool EnginePanelEnvironment::isDisconnected() const
{
    return SystemState::instance()->isDisconnected();
}

bool EnginePanelEnvironment::isFireActive() const
{
    return SystemState::instance()->isFireActive();
}

int EnginePanelEnvironment::accessLevel() const
{
    return Security::instance()->accessLevel();
}

int EnginePanelEnvironment::userLevel() const
{
    return Security::instance()->userLevel();
}

QString EnginePanelEnvironment::topPageName() const
{
    const QStringList pages = PageStack::instance()->pageNames();
    return pages.isEmpty() ? QString() : pages.constLast();
}

void EnginePanelEnvironment::showMainScreen()
{
    PageStack::instance()->showMainScreen(false);
}
