#include "link/PointValueDetails.h"

quint8 PointValueDetails::byte(int number) const
{
    return number >= 1 && number <= NumberedBytes ? m_bytes[size_t(number - 1)] : 0;
}

void PointValueDetails::setByte(int number, quint8 value)
{
    if (number >= 1 && number <= NumberedBytes)
        m_bytes[size_t(number - 1)] = value;
}
