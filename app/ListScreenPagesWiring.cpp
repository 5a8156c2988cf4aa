#include "app/ListScreenPagesWiring.h"

#include "app/PageStack.h"
#include "app/Security.h"
#include "listscreens/DisableActionRule.h"
#include "listscreens/ListScreenPages.h"
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
}
