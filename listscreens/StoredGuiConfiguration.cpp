#include "listscreens/StoredGuiConfiguration.h"

#include <utility>

namespace {

StoredGuiConfiguration::Read &installedRead()
{
    static StoredGuiConfiguration::Read read;
    return read;
}

} // namespace

void StoredGuiConfiguration::install(Read read)
{
    installedRead() = std::move(read);
}

StoredGuiConfiguration::Values StoredGuiConfiguration::read()
{
    return installedRead() ? installedRead()() : Values();
}
