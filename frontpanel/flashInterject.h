#pragma once

#include "frontpanel/flashRate.h"

class flasher;

// A rhythm played once on one output, which then gets its mode back: the
// buzzer's acknowledgement beep. Its period is shorter than a full cycle so
// the beep ends after a fixed number of ticks.
class flashInterject final : public flashRate
{
public:
    static constexpr quint32 BeepPattern = 10; // the second and fourth tick
    static constexpr int DefaultPeriod = 16;

    explicit flashInterject(flasher &owner);

    // Plays the pattern on the output for the period (0 or above 32 means
    // 32), then gives the output the restore mode.
    void play(quint8 kind, quint8 number, quint32 pattern, int period, int restoreMode);
    // A mode written to the output while it plays is the one it gets back.
    bool isPlayingOn(quint8 kind, quint8 number) const;
    void setRestoreMode(int mode) { m_restoreMode = mode; }
    void cancel() { m_pendingNumber = 0; }

    void tick() override;

private:
    flasher &m_owner;
    quint8 m_pendingNumber = 0;
    quint8 m_kind = 0;
    int m_restoreMode = 0;
    int m_period = DefaultPeriod;
};
