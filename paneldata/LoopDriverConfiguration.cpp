#include "paneldata/LoopDriverConfiguration.h"

void LoopDriverConfiguration::setPanelLoopBits(quint8 panel, const QBitArray &bits)
{
    m_loopBits.insert(panel, bits);
}

QBitArray LoopDriverConfiguration::panelLoopBits(quint8 panel) const
{
    return m_loopBits.value(panel, QBitArray(DefaultLoopBits));
}

void LoopDriverConfiguration::addLoopDriver(quint8 panel, const LoopDriverRecord &record)
{
    m_loopDrivers[panel].insert(record.loopNumber, record);
    m_loopsByCard[panel][record.cardAddress].append(record.loopNumber);
}

void LoopDriverConfiguration::addOptionCard(quint8 panel, const OptionCardRecord &record)
{
    m_optionCards[panel].insert(record.equipmentIndex, record);
}

void LoopDriverConfiguration::addLoopValue(quint8 panel, int loop, int value)
{
    m_loopValues[panel].insert(loop, value);
}

QList<int> LoopDriverConfiguration::loopNumbers(quint8 panel) const
{
    return m_loopDrivers.value(panel).keys();
}

const LoopDriverConfiguration::LoopsByCard &LoopDriverConfiguration::loopsByCard(quint8 panel) const
{
    const auto found = m_loopsByCard.constFind(panel);
    return found == m_loopsByCard.constEnd() ? m_noLoopsByCard : found.value();
}

const LoopDriverRecord *LoopDriverConfiguration::driver(quint8 panel, int loop) const
{
    const auto drivers = m_loopDrivers.constFind(panel);
    if (drivers == m_loopDrivers.constEnd())
        return nullptr;
    const auto found = drivers->constFind(loop);
    return found == drivers->constEnd() ? nullptr : &found.value();
}

quint8 LoopDriverConfiguration::loopPairing(quint8 panel, quint8 loop) const
{
    const LoopDriverRecord *record = driver(panel, loop);
    return record ? record->pairing : 0;
}

quint8 LoopDriverConfiguration::loopDriverType(quint8 panel, quint8 loop) const
{
    const LoopDriverRecord *record = driver(panel, loop);
    return record ? record->driverType : 0;
}

quint8 LoopDriverConfiguration::pairedLoop(quint8 panel, quint8 loop) const
{
    const quint8 type = loopDriverType(panel, loop);
    if (type < 1 || type > 249)
        return 0;
    switch (loopPairing(panel, loop)) {
    case LoopDriverRecord::PairedWithNext:
        return quint8(loop + 1);
    case LoopDriverRecord::PairedWithPrevious:
        return quint8(loop - 1);
    default:
        return 0;
    }
}

quint8 LoopDriverConfiguration::optionCardAddress(quint8 panel, int equipmentIndex) const
{
    const auto cards = m_optionCards.constFind(panel);
    if (cards == m_optionCards.constEnd())
        return 0;
    return cards->value(equipmentIndex).cardAddress;
}

int LoopDriverConfiguration::loopValue(quint8 panel, int loop) const
{
    const auto values = m_loopValues.constFind(panel);
    return values == m_loopValues.constEnd() ? 0 : values->value(loop);
}

void LoopDriverConfiguration::clearPanel(quint8 panel)
{
    m_loopDrivers.remove(panel);
    m_loopsByCard.remove(panel);
    m_optionCards.remove(panel);
    m_loopValues.remove(panel);
}

void LoopDriverConfiguration::removePanelLoopBits(quint8 panel)
{
    m_loopBits.remove(panel);
}

void LoopDriverConfiguration::clearAll()
{
    m_loopDrivers.clear();
    m_loopsByCard.clear();
    m_optionCards.clear();
    m_loopValues.clear();
}

void LoopDriverConfiguration::clearAllLoopBits()
{
    m_loopBits.clear();
}
