#pragma once

#include "app/SystemState.h"
#include "core/BannerStatus.h"

// While it lives, the engine shows the given banner, as it would with a fire
// or a fault standing: the page headers and footers take its colour.
class BannerShown final
{
public:
    explicit BannerShown(TC::BANNER_STATUS status) { SystemState::instance()->setBannerStatus(status); }
    ~BannerShown() { SystemState::instance()->setBannerStatus(TC::BANNER_NORMAL); }
    BannerShown(const BannerShown &) = delete;
    BannerShown &operator=(const BannerShown &) = delete;
};
