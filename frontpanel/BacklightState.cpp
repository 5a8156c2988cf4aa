#include "frontpanel/BacklightState.h"

BacklightState::BacklightState(int level, int timerMode, QObject *parent)
    : QObject(parent)
    , m_level(level)
    , m_timerMode(timerMode)
{
}
