#include "paneldata/PanelCounters.h"

#include <QDebug>

void PanelCounters::setDisablements(int count, quint8 panel)
{
    store(m_disablements, "PanelCounters::setDisablements", count, panel);
}

void PanelCounters::setFaults(int count, quint8 panel)
{
    store(m_faults, "PanelCounters::setFaults", count, panel);
}

void PanelCounters::setThirdCounter(int count, quint8 panel)
{
    store(m_thirdCounter, "PanelCounters::setThirdCounter", count, panel);
}

void PanelCounters::clear()
{
    m_faults.clear();
    m_disablements.clear();
    m_thirdCounter.clear();
    emit counterUpdated();
}

void PanelCounters::store(QMap<quint8, int> &counts, const char *method, int count, quint8 panel)
{
    const auto previous = counts.constFind(panel);
    if (previous == counts.constEnd() || *previous != count)
        qDebug().nospace() << method << " panel " << panel << ": " << count;
    counts.insert(panel, count);
    emit counterUpdated();
}
