#pragma once

class Page;
class QWidget;

// What a report save needs of the engine above it: a page stack to show its
// progress and result on, and the brand that signs its PDF files. The
// start-up installs the engine's; without one no save begins, as no popup
// could follow it.
class ReportEnvironment
{
public:
    virtual ~ReportEnvironment() = default;

    // Takes the page; false when it could not be shown (and it is gone).
    virtual bool push(Page *page) = 0;
    // The page is the one the user sees.
    virtual bool isTop(const QWidget *page) const = 0;
    // 1 for the Saltmarsh brand.
    virtual int brand() const = 0;

    static ReportEnvironment *installed();
    // Not owned; null removes it.
    static void install(ReportEnvironment *environment);
};
