#pragma once

#include "reports/ReportEnvironment.h"

// The engine as a report save sees it: the page stack and the brand of the
// system state.
class EngineReportEnvironment final : public ReportEnvironment
{
public:
    bool push(Page *page) override;
    bool isTop(const QWidget *page) const override;
    int brand() const override;
};
