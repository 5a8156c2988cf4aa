#pragma once

#include "link/SimplePointInfo.h"

#include <QChar>
#include <QRegularExpression>
#include <QString>

// Builds the channel-and-point part of a printed address. The owner sets
// the display mode (1: "/" separators and the short forms), numeric-loop
// mode and the loop separator letter.
class BasicPointAddress
{
public:
    static constexpr int ConfiguredLoopFormat = 255;

    BasicPointAddress();
    virtual ~BasicPointAddress();
    BasicPointAddress(const BasicPointAddress &) = delete;
    BasicPointAddress &operator=(const BasicPointAddress &) = delete;

    QString build(const SimplePointInfo &point, quint8 logicalPointNumber, bool loopOnly, bool logicalAddressing,
                  bool physicalForced);

    // Mode 255 takes the loop display format of the global configuration
    // details page.
    static QString loopLabel(quint8 loop, int mode);

    void setSeparatorLetter(QChar letter) { m_separatorLetter = letter; }
    QChar separatorLetter() const { return m_separatorLetter; }
    void setDisplayMode(int mode) { m_displayMode = mode; }
    void setNumericLoopMode(bool on) { m_numericLoopMode = on; }

protected:
    virtual void constructAction() = 0;

    SimplePointInfo m_point;
    QChar m_separatorLetter;
    QString m_result;
    quint8 m_logicalPointNumber = 251;
    bool m_loopOnly = false;
    bool m_logicalAddressing = false;
    bool m_physicalForced = false;
    QRegularExpression m_blankPattern;
    int m_displayMode = 0;
    bool m_numericLoopMode = false;
};
