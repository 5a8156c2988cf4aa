#include "paneldata/ChannelNames.h"

#include <QMap>
#include <QPair>

namespace {

const QMap<int, QString> &names()
{
    static const QMap<int, QString> table{
        {1, QStringLiteral("   ")},   {2, QStringLiteral("    ")}, {3, QStringLiteral("????")},
        {4, QStringLiteral("LNet")},  {5, QStringLiteral("RBus")}, {6, QStringLiteral("SBus")},
        {7, QStringLiteral("COM1")},  {8, QStringLiteral("COM2")}, {9, QStringLiteral("COM3")},
        {10, QStringLiteral("COM4")}, {11, QStringLiteral("COM")}, {12, QStringLiteral("NET")},
        {13, QStringLiteral("Net")},  {14, QStringLiteral("QKV")}, {15, QStringLiteral("LN")},
        {16, QStringLiteral("RB")},   {17, QStringLiteral("SB")},  {18, QStringLiteral("MD")},
    };
    return table;
}

const QMap<quint8, int> &byKind()
{
    static const QMap<quint8, int> table{{0, 1},  {1, 16}, {2, 7},   {3, 8},   {4, 14},  {5, 15},
                                         {6, 17}, {7, 2},  {13, 18}, {14, 18}, {15, 18}, {128, 3}};
    return table;
}

const QMap<quint8, int> &byAddress()
{
    static const QMap<quint8, int> table{{2, 7}, {3, 8}, {5, 4}, {6, 6}, {28, 12}};
    return table;
}

const QMap<QPair<quint8, quint8>, int> &byKindAndAddress()
{
    using Key = QPair<quint8, quint8>;
    static const QMap<Key, int> table{{Key(2, 0), 7},   {Key(3, 0), 8},   {Key(4, 0), 9},
                                      {Key(14, 0), 12}, {Key(14, 4), 9},  {Key(14, 1), 10},
                                      {Key(15, 0), 13}, {Key(15, 4), 12}, {Key(15, 1), 5}};
    return table;
}

} // namespace

namespace ChannelNames {

QString nameOf(int id)
{
    return names().value(id);
}

int idByKind(quint8 kind)
{
    return byKind().value(kind);
}

int idByAddress(quint8 address)
{
    return byAddress().value(address);
}

int idByKindAndAddress(quint8 kind, quint8 address)
{
    return byKindAndAddress().value(qMakePair(kind, address));
}

} // namespace ChannelNames
