#include "widgets/RolesDelegate.h"

namespace {

bool s_locationTitles = false;

} // namespace

void RolesDelegate::setLocationTitles(bool locationTitles)
{
    s_locationTitles = locationTitles;
}

bool RolesDelegate::locationTitles()
{
    return s_locationTitles;
}
