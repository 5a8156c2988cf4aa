#pragma once

#include <QString>

// Panel texts arrive in logical order; the screens draw them left to right,
// so right-to-left words are turned into visual order here.
int rightToLeftClass(const QString &word);
QString reorderRightToLeft(const QString &text);

// Wraps a text in an embedding of its own direction, so a cell of another
// direction does not reorder it.
QString wrapBidiEmbedding(const QString &text);
