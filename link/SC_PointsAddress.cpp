#include "link/SC_PointsAddress.h"

SC_PointsAddress::SC_PointsAddress(Kind kind)
    : m_kind(kind)
{
}

SC_PointsAddress::~SC_PointsAddress() = default;
