#include "frontpanel/IndicationState.h"

#include "frontpanel/IndicationEnvironment.h"
#include "frontpanel/flasher.h"

namespace {

constexpr int zoneLeds = 16;
constexpr int lastExternalOutput = 80;
// Zone LED n is the flasher's real output n + 20.
constexpr int zoneLedOffset = 20;
constexpr int legacyZonalLeds = 1;

bool holdsAny(const QMap<quint8, int> &map, int first, int last)
{
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.key() >= first && it.key() <= last)
            return true;
    }
    return false;
}

} // namespace

void IndicationState::setIndication(int output, int state)
{
    if (output < 1 || output > Outputs)
        return;
    m_outputStates[output] = state;
    if (m_environment)
        m_environment->ledFlasher().setOutputPointState(flasher::RealOutput, quint8(output), state);
}

int IndicationState::indication(int output, int fallback) const
{
    return m_outputStates.value(output, fallback);
}

void IndicationState::setZoneIndication(quint8 number, int state)
{
    m_zoneIndications[number] = state;
}

void IndicationState::clearAll()
{
    m_outputStates.clear();
    m_zoneIndications.clear();
    m_legacyZoneStates.clear();
    if (m_environment)
        m_environment->ledFlasher().clearOutputStates();
    updateBanner();
}

void IndicationState::resetZoneStates()
{
    for (int zone = 1; zone <= zoneLeds; ++zone)
        m_legacyZoneStates[quint8(zone)] = 0;
    applyZoneIndications();
}

void IndicationState::applyZoneIndications()
{
    if (!m_environment)
        return;
    flasher &leds = m_environment->ledFlasher();
    if (holdsAny(m_zoneIndications, zoneLeds + 1, lastExternalOutput)) {
        for (int zone = 1; zone <= zoneLeds; ++zone)
            leds.setOutputPointState(flasher::RealOutput, quint8(zone + zoneLedOffset), 0);
        for (auto it = m_zoneIndications.cbegin(); it != m_zoneIndications.cend(); ++it)
            leds.setOutputPointState(flasher::BusOutput, it.key(), it.value());
    } else if (holdsAny(m_zoneIndications, 1, zoneLeds)) {
        for (int point = 1; point <= lastExternalOutput; ++point)
            leds.setOutputPointState(flasher::BusOutput, quint8(point), 0);
        for (auto it = m_zoneIndications.cbegin(); it != m_zoneIndications.cend(); ++it)
            leds.setOutputPointState(flasher::RealOutput, quint8(it.key() + zoneLedOffset), it.value());
    } else if (m_environment->zonalLedMode() == legacyZonalLeds) {
        for (auto it = m_legacyZoneStates.cbegin(); it != m_legacyZoneStates.cend(); ++it)
            leds.setOutputPointState(flasher::RealOutput, quint8(it.key() + zoneLedOffset), it.value());
    }
}

bool IndicationState::isFire() const
{
    const int mode = m_environment ? m_environment->guiMode() : 0;
    if (mode == 1 || mode == 2)
        return is(1, 1);
    if (mode == 3)
        return is(1, 1) || is(11, 1);
    return false;
}

bool IndicationState::isFault() const
{
    const int mode = m_environment ? m_environment->guiMode() : 0;
    if (mode == 1 || mode == 2)
        return is(2, 1) || is(3, 1) || is(4, 1);
    if (mode == 3) {
        return is(4, 1) || is(12, 1) || reads(14, 1) || reads(14, 2) || reads(14, 3) || reads(8, 1) || reads(6, 1)
               || reads(3, 1) || reads(9, 1);
    }
    return false;
}

bool IndicationState::isEvacuation() const
{
    const int mode = m_environment ? m_environment->guiMode() : 0;
    if (mode == 3)
        return is(9, 1) || is(12, 1) || is(12, 2) || is(12, 3);
    return false;
}

void IndicationState::updateBanner()
{
    if (!m_environment)
        return;
    const bool fire = isFire();
    const bool fault = isFault();
    const bool evacuation = isEvacuation();
    m_environment->setFireActive(fire);
    m_environment->setFaultActive(fault);
    m_environment->setEvacuationActive(evacuation);
    TC::BANNER_STATUS banner = TC::BANNER_NORMAL;
    if (fire || evacuation)
        banner = TC::BANNER_FIRE;
    else if (fault)
        banner = TC::BANNER_FAULT;
    m_environment->setBannerStatus(banner);
}
