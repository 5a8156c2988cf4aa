#pragma once

#include <QString>

// The text framed by the Unicode embedding marks of its own direction, so a
// name in a right-to-left script keeps its order beside left-to-right text
// (and the other way round).
QString wrapDirectional(const QString &text);
