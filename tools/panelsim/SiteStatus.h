#pragma once

#include <QSet>
#include <QString>
#include <QVector>

#include <array>

// The slowly changing state the controller keeps per panel (its status
// counts, page 5) and the network's high-priority statuses.
struct SitePanelStatus
{
    static constexpr int Counts = 18;
    // The counts in the order of the page.
    static const std::array<const char *, Counts> &countNames();
    // -1 for a name that is not a count.
    static int countIndex(const QString &name);

    quint8 panel = 0;
    std::array<quint16, Counts> counts{};
    // Bit 0 test equipment, bit 1 down inhibit.
    quint8 statusBits = 0;
    quint8 batteryStatus = 0;
    // Bit 1 day disablement.
    quint16 dayFlags = 0;
    // 253: no walk-test node selected.
    quint8 walkTestNode = 253;
};

struct SiteStatus
{
    static constexpr quint8 TotalsPanel = 254;
    static constexpr quint16 FireBit = 0x0001;

    QVector<SitePanelStatus> panels;
    quint16 statusWord = 0;
    quint8 statusFlags = 0;
    // Panels of the network that do not answer this panel.
    QSet<quint8> silentPanels;

    SitePanelStatus *panel(quint8 number);
    const SitePanelStatus *panel(quint8 number) const;
    quint16 count(quint8 panel, const char *name) const;
    // Panel 254 carries the sum of the others.
    void updateTotals();

    // A panel status per configured panel, with a few faults and
    // disablements, and the totals.
    static SiteStatus demo(const QVector<quint8> &panels);
};
