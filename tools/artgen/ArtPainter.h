#pragma once

#include "ArtTable.h"

#include <QImage>

// Paints one entry of the art table at its size.
QImage paintArt(const ArtEntry &entry);
