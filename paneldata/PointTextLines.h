#pragma once

#include "paneldata/PanelPointNamesRecord.h"
#include "paneldata/PanelPointStringsContainer.h"

#include <QTextStream>

// The lines of a point-text file, one per point, in the format of
// PointTextLineCodec. The caller opens the file with the UTF-8 codec; these
// neither open nor close it.

// One line per point of the run. A run never names a point past 255: such
// points are left out rather than written under a wrapped-round number.
QTextStream &operator<<(QTextStream &stream, const PanelPointNamesRecord &run);
// One line per entry, in the container's order.
QTextStream &operator<<(QTextStream &stream, const PanelPointStringsContainer &texts);
// Adds every line up to the end of the stream to the container; damaged
// lines are skipped with one warning for the lot.
QTextStream &operator>>(QTextStream &stream, PanelPointStringsContainer &texts);
