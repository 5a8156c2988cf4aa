#include "widgets/Page.h"

bool Page::s_rightToLeft = false;

Page::Page(QWidget *parent)
    : QWidget(parent)
{
}

int Page::requiredAccessLevel() const
{
    return m_requiredAccessLevel;
}

void Page::setRequiredAccessLevel(int level)
{
    m_requiredAccessLevel = level;
}

bool Page::isSummaryPage() const
{
    return false;
}

bool Page::isPopup() const
{
    return false;
}

bool Page::isRightToLeft()
{
    return s_rightToLeft;
}

void Page::setRightToLeft(bool rightToLeft)
{
    s_rightToLeft = rightToLeft;
}

TESKEnumHolder::AccessLevelTESK Page::accessLevelProperty() const
{
    return static_cast<TESKEnumHolder::AccessLevelTESK>(requiredAccessLevel());
}

void Page::setAccessLevelProperty(TESKEnumHolder::AccessLevelTESK level)
{
    setRequiredAccessLevel(level);
}
