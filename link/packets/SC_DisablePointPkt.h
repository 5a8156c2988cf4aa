#pragma once

#include "link/SC_PointListCommand.h"

// Disables or enables points (GUI command 4), named one by one or by a
// wildcard. Payload after 100, 4: function | kind | 1 | the list block.
// Acknowledged, numbered by the running disablement sequence.
template <class List> class SC_DisablePointPkt final : public SC_PointListCommand
{
public:
    SC_DisablePointPkt(quint8 function, quint8 kind, const List &points, int start, int layoutKind, quint8 sequence)
        : SC_PointListCommand(DisablePoints, SC_RequestAddress{layoutKind, 0, true, 50, 0, sequence},
                              SC_RequestFields().u8(function).u8(kind).u8(1), points, start)
    {
    }
};
