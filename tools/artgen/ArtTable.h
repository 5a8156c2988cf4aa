#pragma once

#include <QRgb>
#include <QString>

#include <vector>

// How an image is drawn. The detail string of an entry refines the look:
// a key state, a glyph ("g:home") or letters ("t:RSM"), a shadow's
// direction, a picture's kind.
enum class ArtLook { Key, Box, Pane, Shadow, Icon, Led, Picture };

// One image the engine reads: its path below the installation's "resources"
// folder, or below ":/new/prefix1/" for the compiled-in simulator images.
struct ArtEntry
{
    const char *path;
    int width;
    int height;
    ArtLook look;
    QRgb colour;
    const char *detail;
};

// Every image the engine and the simulator read, each once.
const std::vector<ArtEntry> &artTable();

// The prefix of the compiled-in images.
QString compiledInPrefix();
bool isCompiledIn(const ArtEntry &entry);
// The path an image is read by, relative to the engine's data directory
// ("../resources/...") or in the resource system (":/new/prefix1/...").
QString readPath(const ArtEntry &entry);
