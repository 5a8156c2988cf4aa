#include "app/EngineReportEnvironment.h"

#include "app/PageStack.h"
#include "app/SystemState.h"
#include "widgets/Page.h"

bool EngineReportEnvironment::push(Page *page)
{
    if (PageStack::instance()->push(page))
        return true;
    delete page;
    return false;
}

bool EngineReportEnvironment::isTop(const QWidget *page) const
{
    return PageStack::instance()->isTop(page);
}

int EngineReportEnvironment::brand() const
{
    return SystemState::instance()->brand();
}
