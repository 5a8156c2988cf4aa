#include "paneldata/PrintableAddress.h"

PrintableAddress *PrintableAddress::instance()
{
    static PrintableAddress *printable = new PrintableAddress;
    return printable;
}

void PrintableAddress::setAddressFormat(int mode)
{
    m_displayMode = mode;
    m_builder.setDisplayMode(mode);
}

void PrintableAddress::setLoopFormat(int loopDisplayFormat)
{
    m_builder.setSeparatorLetter(loopDisplayFormat != 0 ? QChar(QLatin1Char('-')) : QChar());
}

void PrintableAddress::setLogicalModes(bool logicalAddressing, bool logicalZones)
{
    m_logicalAddressing = logicalAddressing;
    m_logicalZones = logicalZones;
}
