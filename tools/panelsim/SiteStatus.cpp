#include "SiteStatus.h"

const std::array<const char *, SitePanelStatus::Counts> &SitePanelStatus::countNames()
{
    static const std::array<const char *, Counts> names{
        "disablements",      "fireAlrms",  "faults",    "dsbldSndrO/Ps", "dsbldNonSndrsO/P", "fullyDsbldFireZns",
        "prtlyDsbldFireZns", "alarmWrngs", "actvCtrls", "thirdCounter",  "loopDrMntrs",      "devsNrlyDrty",
        "devsDrty",          "unrdyDevs",  "pntsOnTst", "coDevsNrlyOld", "coDevsOld",        "pnlEntrdAlrm"};
    return names;
}

int SitePanelStatus::countIndex(const QString &name)
{
    const auto &names = countNames();
    for (size_t i = 0; i < names.size(); ++i) {
        if (name == QLatin1String(names[i]))
            return int(i);
    }
    return -1;
}

SitePanelStatus *SiteStatus::panel(quint8 number)
{
    return const_cast<SitePanelStatus *>(qAsConst(*this).panel(number));
}

const SitePanelStatus *SiteStatus::panel(quint8 number) const
{
    for (const SitePanelStatus &status : panels) {
        if (status.panel == number)
            return &status;
    }
    return nullptr;
}

// 0 for a panel or count the site does not have.
quint16 SiteStatus::count(quint8 number, const char *name) const
{
    const SitePanelStatus *status = panel(number);
    const int index = SitePanelStatus::countIndex(QLatin1String(name));
    return status && index >= 0 ? status->counts[size_t(index)] : 0;
}

void SiteStatus::updateTotals()
{
    SitePanelStatus *totals = panel(TotalsPanel);
    if (!totals)
        return;
    totals->counts.fill(0);
    for (const SitePanelStatus &status : qAsConst(panels)) {
        if (status.panel == TotalsPanel)
            continue;
        for (int i = 0; i < SitePanelStatus::Counts; ++i)
            totals->counts[size_t(i)] = quint16(totals->counts[size_t(i)] + status.counts[size_t(i)]);
    }
}

SiteStatus SiteStatus::demo(const QVector<quint8> &panels)
{
    SiteStatus site;
    for (quint8 number : panels) {
        SitePanelStatus status;
        status.panel = number;
        status.counts[size_t(SitePanelStatus::countIndex(QStringLiteral("faults")))] = number;
        status.counts[size_t(SitePanelStatus::countIndex(QStringLiteral("disablements")))] = 1;
        status.batteryStatus = 1;
        site.panels.append(status);
    }
    SitePanelStatus totals;
    totals.panel = TotalsPanel;
    site.panels.append(totals);
    site.updateTotals();
    return site;
}
