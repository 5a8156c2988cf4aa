#pragma once

#include "core/SC_Singleton.h"

#include <QMap>
#include <QtGlobal>

class IndicationEnvironment;

// The panel's indications as the front-panel bus reports them: numbered
// outputs, zone LEDs and external outputs. They drive the LED flasher, and
// in the repeater modes they are where fire, fault, evacuation and the
// banner come from.
class IndicationState final : public SC_Singleton<IndicationState>
{
public:
    static constexpr int Outputs = 39;

    // Not owned; SystemState installs itself. Without one the states are
    // only stored.
    void setEnvironment(IndicationEnvironment *environment) { m_environment = environment; }
    IndicationEnvironment *environment() const { return m_environment; }

    // Outputs outside 1 to 39 are ignored.
    void setIndication(int output, int state);
    int indication(int output, int fallback) const;
    // Zone LEDs 1 to 16 and external outputs 17 to 80.
    void setZoneIndication(quint8 number, int state);

    void clearAll();
    void resetZoneStates();
    void applyZoneIndications();
    void updateBanner();

    bool isFire() const;
    bool isFault() const;
    bool isEvacuation() const;

private:
    friend class SC_Singleton<IndicationState>;

    IndicationState() = default;

    bool is(int output, int state) const { return m_outputStates.value(output, -1) == state; }
    bool reads(int output, int state) const { return indication(output, 0) == state; }

    IndicationEnvironment *m_environment = nullptr;
    QMap<int, int> m_outputStates;
    QMap<quint8, int> m_zoneIndications;
    QMap<quint8, int> m_legacyZoneStates;
};
