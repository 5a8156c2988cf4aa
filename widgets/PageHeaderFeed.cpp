#include "widgets/PageHeaderFeed.h"

namespace {

class EmptySource final : public PageHeaderFeed::Source
{
public:
    bool isEthernetOrRbusConnected() const override { return false; }
    bool isE30Connected() const override { return false; }
    int bannerStatus() const override { return 0; }
    bool hasSystemPanelActivity() const override { return false; }
    int userLevel() const override { return 0; }
    int brand() const override { return 0; }
    bool isStatusIconOn(int) const override { return false; }
    PageHeaderFeed::FlashMode statusIconFlashMode(int) const override { return PageHeaderFeed::Steady; }
    bool isFooterIconOn(int) const override { return false; }
};

} // namespace

PageHeaderFeed::Source::~Source() = default;

void PageHeaderFeed::install(Source *source)
{
    m_source = source;
}

const PageHeaderFeed::Source *PageHeaderFeed::source() const
{
    static const EmptySource empty;
    return m_source ? m_source : &empty;
}

void PageHeaderFeed::setStickPresent(bool present)
{
    if (m_stickPresent == present)
        return;
    m_stickPresent = present;
    emit usbStatusChange(present);
}
