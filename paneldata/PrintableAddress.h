#pragma once

#include "paneldata/PointAddressBuilderLK6.h"

#include <QObject>

// Prints a point as one short text. So far: the display settings that the
// panel model hands over (address template, loop separator, logical
// addressing and zones), kept for the builder.
class PrintableAddress final : public QObject
{
    Q_OBJECT

public:
    static PrintableAddress *instance();

    // 1: the short forms with "/" separators; 0 and 2: the standard forms.
    void setAddressFormat(int mode);
    // Non-zero: '-' separates the loop from the point; 0: nothing does.
    void setLoopFormat(int loopDisplayFormat);
    void setLogicalModes(bool logicalAddressing, bool logicalZones);

    int addressFormat() const { return m_displayMode; }
    QChar loopSeparator() const { return m_builder.separatorLetter(); }
    bool logicalAddressing() const { return m_logicalAddressing; }
    bool logicalZones() const { return m_logicalZones; }

private:
    PrintableAddress() = default;

    bool m_logicalZones = false;
    bool m_logicalAddressing = false;
    int m_displayMode = 0;
    PointAddressBuilderLK6 m_builder;
};
