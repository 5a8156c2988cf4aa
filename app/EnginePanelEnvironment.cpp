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

int EnginePanelEnvironment::guiMode() const
{
    return SystemState::instance()->guiMode();
}

int EnginePanelEnvironment::rbusMode() const
{
    return SystemState::instance()->rbusMode();
}

bool EnginePanelEnvironment::hasPermission(int level) const
{
    return Security::instance()->hasPermission(level);
}

bool EnginePanelEnvironment::isMainScreenOnTop() const
{
    return PageStack::instance()->isMainScreenOnTop(false);
}

QStringList EnginePanelEnvironment::pageNames() const
{
    return PageStack::instance()->pageNames();
}

void EnginePanelEnvironment::pop(int count)
{
    PageStack::instance()->pop(count);
}

void EnginePanelEnvironment::popNonMatching(const QString &screenName)
{
    PageStack::instance()->popNonMatching(screenName);
}

void EnginePanelEnvironment::disableBuzzer()
{
    SystemState::instance()->disableBuzzer();
}

void EnginePanelEnvironment::setBuzzerOverride()
{
    SystemState::instance()->setBuzzerOverride();
}
