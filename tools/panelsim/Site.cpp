#include "Site.h"

Site Site::demo()
{
    return Site{};
}
