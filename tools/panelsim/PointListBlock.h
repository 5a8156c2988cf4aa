#pragma once

#include <QByteArray>
#include <QVector>

#include <optional>

// The points an engine command names, as the controller reads them:
//   individual: 0 | panel | n | n entries of channel byte 0, channel byte
//               1, point (the engine writes them last first)
//   wildcard:   3 | panel | channel bytes | P1 P2 P3 P4 P5, and with P5 252:
//               M | 241 | mapping bytes
struct PointListBlock
{
    struct Entry
    {
        quint8 byte0 = 0;
        quint8 byte1 = 0;
        quint8 point = 0;
    };

    static constexpr int Individual = 0;
    static constexpr int WildCard = 3;
    static constexpr quint8 MappedSelector = 252;

    int kind = Individual;
    quint8 panel = 0;
    QVector<Entry> entries;
    // A wildcard's pattern: the channel in its first entry, the point P1 (255:
    // every point) and the zones of its mapping bytes (bit z: zone z).
    QVector<quint8> pattern;
    QByteArray zoneMap;

    // Empty when the bytes are not a whole block, or carry more.
    static std::optional<PointListBlock> read(const QByteArray &bytes);
};
