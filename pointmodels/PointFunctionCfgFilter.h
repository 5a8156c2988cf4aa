#pragma once

#include "paneldata/SimplePointFilter.h"

#include <QSet>

// Points by function: the function flags share a bit with the mask. Two
// mask bits stand for attributes instead: 0x10000 admits input points and
// 0x20000 output points whatever their functions. Mode 1 leaves out alarm
// inputs (function 0x04); outputs only keeps function 0x80 and output
// points. A set of allowed function values, once given, limits a match to
// those values and to a user who holds the set's permission level.
class PointFunctionCfgFilter final : public SimplePointFilter
{
public:
    static constexpr int InputPoints = 0x10000;
    static constexpr int OutputPoints = 0x20000;

    PointFunctionCfgFilter(int mask, bool outputsOnly, quint8 mode, bool ignoreAllowedSet);

    // An empty set is no limit.
    void setAllowedFunctions(const QSet<int> &allowed, int level);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    int m_mask;
    bool m_outputsOnly;
    quint8 m_mode;
    QSet<int> m_allowed;
    int m_level = 0;
    bool m_allowedInForce = false;
    bool m_ignoreAllowedSet;
};
