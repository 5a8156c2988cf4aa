#pragma once

#include "core/SC_Singleton.h"
#include "paneldata/LoopDriverRecord.h"
#include "paneldata/OptionCardRecord.h"

#include <QBitArray>
#include <QList>
#include <QMap>

// Per panel: which loops exist (from the panel configuration page), how each
// is driven and paired, which card drives which loops, the option cards and
// the loop values (from the loop driver configuration page). Reads of a
// panel or loop without data give 0 or empty containers and create nothing.
class LoopDriverConfiguration final : public SC_Singleton<LoopDriverConfiguration>
{
public:
    using LoopsByCard = QMap<quint8, QList<int>>;

    // A panel whose page carried only the 16-bit loop word has this many.
    static constexpr int DefaultLoopBits = 255;

    void setPanelLoopBits(quint8 panel, const QBitArray &bits);
    QBitArray panelLoopBits(quint8 panel) const;

    void addLoopDriver(quint8 panel, const LoopDriverRecord &record);
    void addOptionCard(quint8 panel, const OptionCardRecord &record);
    void addLoopValue(quint8 panel, int loop, int value);

    QList<int> loopNumbers(quint8 panel) const;
    // Valid until the panel's data changes.
    const LoopsByCard &loopsByCard(quint8 panel) const;
    quint8 loopPairing(quint8 panel, quint8 loop) const;
    quint8 loopDriverType(quint8 panel, quint8 loop) const;
    quint8 pairedLoop(quint8 panel, quint8 loop) const;
    quint8 optionCardAddress(quint8 panel, int equipmentIndex) const;
    int loopValue(quint8 panel, int loop) const;

    // Drivers, cards and loop values; the loop bits stay.
    void clearPanel(quint8 panel);
    void removePanelLoopBits(quint8 panel);
    void clearAll();
    void clearAllLoopBits();

private:
    friend class SC_Singleton<LoopDriverConfiguration>;

    LoopDriverConfiguration() = default;

    const LoopDriverRecord *driver(quint8 panel, int loop) const;

    QMap<quint8, QBitArray> m_loopBits;
    QMap<quint8, QMap<int, LoopDriverRecord>> m_loopDrivers;
    QMap<quint8, LoopsByCard> m_loopsByCard;
    const LoopsByCard m_noLoopsByCard;
    QMap<quint8, QMap<int, OptionCardRecord>> m_optionCards;
    QMap<quint8, QMap<int, int>> m_loopValues;
};
