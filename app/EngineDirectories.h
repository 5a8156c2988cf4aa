#pragma once

#include <QString>

class QLockFile;

// Where the engine keeps its files. The installation's drive root "c:" is a
// folder of the working directory the engine starts in; each engine port has
// a data directory of its own below the installation's base directory, so
// engines on different ports never share a file.
namespace EngineDirectories {

// "c:/DESKSIM/DESKSIM 3_6", with the platform's separator.
QString baseDirectory();
// The base directory followed by "data" and the port: ".../data56789".
QString dataDirectory(quint16 port);
// Creates the port's data directory with its missing parents and makes it
// the working directory. On failure it warns with the path and the engine
// carries on in the directory it is in; false then.
bool enterDataDirectory(quint16 port);
// The lock file that holds the working directory for an engine's life.
QString lockFileName();
// Takes the lock: two engines on one data directory would delete and
// overwrite each other's files. False only when another engine holds it,
// with a warning that names its process; a lock that cannot be made at all
// (a read-only directory) is warned about and the engine runs on.
bool holdDataDirectory(QLockFile &lock);

} // namespace EngineDirectories
