#pragma once

#include "FakeHeaderSource.h"
#include "app/PageStack.h"
#include "widgets/AUK_90001A.h"

// A live page at the bottom of the page stack, in the test's window, for
// popups to be pushed over as the screens push them. The stack goes with it.
class PageUnderPopups final
{
public:
    explicit PageUnderPopups(QWidget *window)
    {
        PageStack *stack = PageStack::instance();
        stack->setParent(window);
        stack->show();
        m_pushed = stack->push(new AUK_90001A);
    }
    ~PageUnderPopups() { PageStack::destroyInstance(); }
    PageUnderPopups(const PageUnderPopups &) = delete;
    PageUnderPopups &operator=(const PageUnderPopups &) = delete;

    bool isPushed() const { return m_pushed; }
    // The engine state the pages' headers show.
    FakeHeaderSource &source() { return m_source; }

private:
    // Declared first: the header source outlives the stack's pages.
    FakeHeaderSource m_source;
    bool m_pushed = false;
};
