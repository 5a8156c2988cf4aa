#pragma once

#include "app/PageStack.h"
#include "widgets/BasePopup.h"

// The popup on top of the page stack; none when a page is on top.
inline BasePopup *topPopup()
{
    for (BasePopup *popup : PageStack::instance()->findChildren<BasePopup *>()) {
        if (PageStack::instance()->isTop(popup))
            return popup;
    }
    return nullptr;
}
