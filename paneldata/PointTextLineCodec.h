#pragma once

#include "paneldata/PointTextEntry.h"

#include <QString>

// The one line format of the point-text files: channel kind, channel
// address, channel number and point in decimal, then the two texts, every
// field followed by ';'. A text may hold anything the controller sends, so
// the texts are escaped: '\' becomes "\\", ';' "\s", a line feed "\n" and a
// carriage return "\r". A text without those characters is written as it is.
class PointTextLineCodec final
{
public:
    static constexpr QChar Escape = QLatin1Char('\\');
    static constexpr QChar FieldEnd = QLatin1Char(';');

    // Without the line end.
    static QString encode(const PointTextEntry &entry);
    // False for a damaged line: fewer than six fields, or a channel or point
    // that does not fit its field. A field that is not a number reads as 0.
    static bool decode(const QString &line, PointTextEntry &entry);

    static QString escape(const QString &text);
    // An escape the codec never writes is kept as it stands.
    static QString unescape(const QString &text);
};
