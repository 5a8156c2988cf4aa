#include "app/EnginePanelEnvironment.h"

#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "frontpanel/InputSignaller.h"
#include "screens/popups/AUK_40025.h"
#include "screens/popups/AUK_40028.h"
#include "screens/popups/AUK_40030.h"
#include "screens/popups/AUK_40039.h"
#include "screens/popups/AUK_40061.h"
#include "screens/status/AUK_30085.h"
#include "screens/status/EventsSummaryScreens.h"

namespace {

enum ConfirmationKind { FireResetKind = 8, SilenceSoundersKind = 9 };

} // namespace

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

// The key dispatch answers the confirmation's keys.
void EnginePanelEnvironment::showConfirmation(Confirmation confirmation)
{
    BasePopup *popup = nullptr;
    if (confirmation == ResoundSounders)
        popup = new AUK_40039(false, nullptr);
    else
        popup = new AUK_40030(confirmation == FireReset ? FireResetKind : SilenceSoundersKind, false, 0, 0, nullptr);
    InputSignaller *keys = InputSignaller::instance();
    QObject::connect(popup, &BasePopup::rightButtonClicked, keys, &InputSignaller::cancelPopup);
    if (confirmation == FireReset)
        QObject::connect(popup, &BasePopup::leftButtonClicked, keys, &InputSignaller::confirmFireReset);
    else
        QObject::connect(popup, &BasePopup::leftButtonClicked, keys, &InputSignaller::confirmSounders);
    PageStack::instance()->push(popup);
}

void EnginePanelEnvironment::showActionPopup(int kind)
{
    PageStack::instance()->push(new AUK_40061(kind, nullptr));
}

// Under zone filtering the zones view on its first zone, else the list of
// every fire from the first.
void EnginePanelEnvironment::showFiresScreen()
{
    const Security *security = Security::instance();
    const bool zoneFiltering = TeskGlobalConfig::instance()->getZoneFiltering();
    PageStack::instance()->push(new AUK_30085(security->accessLevel(), security->userLevel(),
                                              SystemState::instance()->isEthernetConnected(), zoneFiltering ? 0 : 1,
                                              zoneFiltering ? AUK_30085::AllZones : AUK_30085::AllFires, 0, nullptr));
}

void EnginePanelEnvironment::showEventsSummary(EventsSummary summary)
{
    const Security *security = Security::instance();
    if (Page *screen = EventsSummaryScreens::create(summary, security->accessLevel(), security->userLevel()))
        PageStack::instance()->push(screen);
}

void EnginePanelEnvironment::showLogonResult(int result)
{
    PageStack::instance()->push(new AUK_40028(true, result, nullptr));
}

void EnginePanelEnvironment::showLogonHelp()
{
    PageStack::instance()->push(new AUK_40025(nullptr));
}
