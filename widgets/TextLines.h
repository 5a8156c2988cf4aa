#pragma once

#include <QString>

// The text cut into pieces of the given length joined by line feeds: the
// cards break long information texts so, whatever their words.
QString cutIntoLines(const QString &text, int length);
