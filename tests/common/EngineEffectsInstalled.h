#pragma once

#include "app/EngineLinkEffects.h"

// The link's effects on the engine (LEDs, icons, system state, popups),
// installed while the object lives, as the engine's start-up installs them.
class EngineEffectsInstalled final
{
public:
    EngineEffectsInstalled() { SC_LinkEffects::install(&m_effects); }
    ~EngineEffectsInstalled() { SC_LinkEffects::install(nullptr); }
    EngineEffectsInstalled(const EngineEffectsInstalled &) = delete;
    EngineEffectsInstalled &operator=(const EngineEffectsInstalled &) = delete;

private:
    EngineLinkEffects m_effects;
};
