#include "AnimationClock.h"

#include <QCoreApplication>

namespace {

constexpr int FrameMs = 16;

} // namespace

AnimationClock::AnimationClock()
{
    install();
}

AnimationClock::~AnimationClock()
{
    uninstall();
}

qint64 AnimationClock::elapsed() const
{
    return m_elapsed;
}

void AnimationClock::advance(int milliseconds)
{
    // Animations start on a queued call; let it run first.
    QCoreApplication::sendPostedEvents();
    while (milliseconds > 0) {
        const int step = qMin(milliseconds, FrameMs);
        m_elapsed += step;
        milliseconds -= step;
        QAnimationDriver::advance();
        QCoreApplication::sendPostedEvents();
    }
}
