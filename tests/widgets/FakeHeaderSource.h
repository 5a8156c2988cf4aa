#pragma once

#include "widgets/PageHeaderFeed.h"

#include <array>

// The engine state a page header reads, set by the test; installed while it
// lives.
class FakeHeaderSource final : public PageHeaderFeed::Source
{
public:
    FakeHeaderSource() { PageHeaderFeed::instance()->install(this); }
    ~FakeHeaderSource() override { PageHeaderFeed::instance()->install(nullptr); }
    FakeHeaderSource(const FakeHeaderSource &) = delete;
    FakeHeaderSource &operator=(const FakeHeaderSource &) = delete;

    bool isEthernetOrRbusConnected() const override { return linkUp; }
    bool isE30Connected() const override { return e30; }
    int bannerStatus() const override { return banner; }
    bool hasSystemPanelActivity() const override { return activity; }
    int userLevel() const override { return level; }
    int brand() const override { return brandId; }
    bool isStatusIconOn(int icon) const override { return icons.at(static_cast<size_t>(icon)); }
    PageHeaderFeed::FlashMode statusIconFlashMode(int icon) const override
    {
        return modes.at(static_cast<size_t>(icon));
    }
    bool isFooterIconOn(int icon) const override { return footer.at(static_cast<size_t>(icon)); }

    bool linkUp = true;
    bool e30 = false;
    int banner = 0;
    bool activity = false;
    int level = 0;
    int brandId = 0;
    std::array<bool, PageHeaderFeed::StatusIconCount> icons{};
    std::array<PageHeaderFeed::FlashMode, PageHeaderFeed::StatusIconCount> modes{};
    std::array<bool, PageHeaderFeed::FooterIconCount> footer{};
};
