#pragma once

#include <QAnimationDriver>

// Drives every Qt animation while it lives: animations stand still until the
// test advances the clock, so a 700 ms scroll is checked without waiting.
class AnimationClock final : public QAnimationDriver
{
public:
    AnimationClock();
    ~AnimationClock() override;
    AnimationClock(const AnimationClock &) = delete;
    AnimationClock &operator=(const AnimationClock &) = delete;

    qint64 elapsed() const override;
    using QAnimationDriver::advance;
    // Moves time on in frames of at most 16 ms, as the screen would.
    void advance(int milliseconds);

private:
    qint64 m_elapsed = 0;
};
