#include "listscreens/AUK_90001B.h"

#include "widgets/AUK_90006.h"

namespace {

// The page's scroll signals and the target's signals of the same names,
// and back the target's position reports; connect and disconnect walk the
// same table.
struct Forward
{
    const char *pageSignal;
    const char *targetSignal;
};

const Forward Forwards[] = {
    {SIGNAL(scrollUpButtonClicked()), SIGNAL(scrollUpButtonClicked())},
    {SIGNAL(scrollDownButtonClicked()), SIGNAL(scrollDownButtonClicked())},
    {SIGNAL(scrollUpButtonHeld()), SIGNAL(scrollUpButtonHeld())},
    {SIGNAL(scrollDownButtonHeld()), SIGNAL(scrollDownButtonHeld())},
    {SIGNAL(updateScrollBarButtons()), SIGNAL(updateScrollBarButtons())},
};

struct Report
{
    const char *targetSignal;
    const char *pageSlot;
};

const Report Reports[] = {
    {SIGNAL(scrollBarAtStart(bool)), SLOT(scrollBarAtStart(bool))},
    {SIGNAL(scrollBarAtEnd(bool)), SLOT(scrollBarAtEnd(bool))},
};

} // namespace

AUK_90001B::AUK_90001B(QWidget *parent)
    : AUK_90001A(parent)
{
}

void AUK_90001B::connectScrollTarget(QObject *target)
{
    if (!target)
        return;
    for (const Forward &forward : Forwards)
        connect(this, forward.pageSignal, target, forward.targetSignal);
    for (const Report &report : Reports)
        connect(target, report.targetSignal, this, report.pageSlot);
}

void AUK_90001B::disconnectScrollTarget(QObject *target)
{
    if (!target)
        return;
    for (const Forward &forward : Forwards)
        disconnect(this, forward.pageSignal, target, forward.targetSignal);
    for (const Report &report : Reports)
        disconnect(target, report.targetSignal, this, report.pageSlot);
}

void AUK_90001B::showScrollButtons(bool show)
{
    AUK_90006 *bar = lozengeBar();
    bar->setScrollButtonsVisible(show);
    bar->setUpScrollButtonEnabled(false);
    bar->setDownScrollButtonEnabled(false);
}

void AUK_90001B::connectLozengeBarScrollButtons(QObject *receiver)
{
    AUK_90006 *bar = lozengeBar();
    connect(bar, SIGNAL(scrollUpButtonClicked()), receiver, SLOT(scrollUpButtonClickedReceived()));
    connect(bar, SIGNAL(scrollDownButtonClicked()), receiver, SLOT(scrollDownButtonClickedReceived()));
    connect(bar, SIGNAL(scrollUpButtonHeld()), receiver, SLOT(scrollUpButtonHeldReceived()));
    connect(bar, SIGNAL(scrollDownButtonHeld()), receiver, SLOT(scrollDownButtonHeldReceived()));
}

void AUK_90001B::scrollBarAtStart(bool atStart)
{
    lozengeBar()->setUpScrollButtonEnabled(!atStart);
}

void AUK_90001B::scrollBarAtEnd(bool atEnd)
{
    lozengeBar()->setDownScrollButtonEnabled(!atEnd);
}

void AUK_90001B::scrollUp(bool held)
{
    AUK_90006 *bar = lozengeBar();
    if (!bar->upScrollButtonEnabled())
        return;
    if (held)
        emit scrollUpButtonHeld();
    else
        emit scrollUpButtonClicked();
    bar->setDownScrollButtonEnabled(true);
}

void AUK_90001B::scrollDown(bool held)
{
    AUK_90006 *bar = lozengeBar();
    if (!bar->downScrollButtonEnabled())
        return;
    if (held)
        emit scrollDownButtonHeld();
    else
        emit scrollDownButtonClicked();
    bar->setUpScrollButtonEnabled(true);
}

void AUK_90001B::scrollUpButtonClickedReceived()
{
    scrollUp(false);
}

void AUK_90001B::scrollDownButtonClickedReceived()
{
    scrollDown(false);
}

void AUK_90001B::scrollUpButtonHeldReceived()
{
    scrollUp(true);
}

void AUK_90001B::scrollDownButtonHeldReceived()
{
    scrollDown(true);
}

void AUK_90001B::scrollButtonPushed(AUK_90001B::eScrollButton button, bool held)
{
    if (button == ScrollUp)
        scrollUp(held);
    else if (button == ScrollDown)
        scrollDown(held);
}
