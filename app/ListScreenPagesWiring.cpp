#include "app/ListScreenPagesWiring.h"

#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "listscreens/DisableActionRule.h"
#include "listscreens/ListScreenPages.h"
#include "listscreens/StoredGuiConfiguration.h"
#include "screens/popups/AUK_40032.h"

#include <utility>

void installListScreenPages()
{
    DisableActionRule::installPermissionCheck(
        [](int userLevel) { return Security::instance()->hasPermission(userLevel); });
    ListScreenPages::install(
        [](int count) {
            for (int i = 0; i < count; ++i)
                PageStack::instance()->pop(1);
        },
        [](int titleId, int digits, QObject *receiver, std::function<void(quint32)> onValue) {
            auto *keypad = new AUK_40032(titleId, nullptr);
            if (digits <= 3)
                keypad->hideLastTwoDigits();
            QObject::connect(keypad, &AUK_40032::valueEntered, receiver, std::move(onValue));
            QObject::connect(keypad, &AUK_40032::rightButtonClicked, PageStack::instance(),
                             qOverload<>(&PageStack::pop));
            PageStack::instance()->push(keypad);
        });
    StoredGuiConfiguration::install([] {
        const SystemState *state = SystemState::instance();
        StoredGuiConfiguration::Values values;
        values.guiMode = state->guiMode();
        values.rbusAddress = state->rbusAddress();
        values.rbusMode = state->rbusMode();
        values.zonalLedMode = state->zonalLedMode();
        values.brand = state->brand();
        return values;
    });
}
