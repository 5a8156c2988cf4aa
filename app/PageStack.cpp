#include "app/PageStack.h"

PageStack *PageStack::s_instance = nullptr;

PageStack *PageStack::instance()
{
    if (!s_instance)
        s_instance = new PageStack;
    return s_instance;
}

PageStack::PageStack()
{
    setFixedSize(640, 480);
    setGeometry(0, 0, 640, 480);
}

PageStack::~PageStack()
{
    if (s_instance == this)
        s_instance = nullptr;
}
