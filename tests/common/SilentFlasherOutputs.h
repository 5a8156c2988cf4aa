#pragma once

#include "frontpanel/flasherOutputs.h"

// Front-panel outputs that go nowhere, for tests of what drives them rather
// than of what they show.
class SilentFlasherOutputs final : public flasherOutputs
{
public:
    void setLeds(const QString &) override { }
    void setBuzzer(bool) override { }
    void setZonalLeds(const QString &) override { }
    void setRegionalLeds(bool, bool, bool) override { }
    void setExternalZonalLeds(const QString &) override { }
};
