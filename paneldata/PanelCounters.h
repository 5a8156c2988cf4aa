#pragma once

#include "core/SC_Singleton.h"

#include <QMap>
#include <QObject>

// The latest fault, disablement and third counts of each panel that sent
// its status counts; panel 254 holds the system totals. A panel that never
// sent them reads 0. Every store announces counterUpdated(), changed or not.
class PanelCounters final
    : public QObject
    , public SC_Singleton<PanelCounters>
{
    Q_OBJECT

public:
    void setDisablements(int count, quint8 panel);
    void setFaults(int count, quint8 panel);
    void setThirdCounter(int count, quint8 panel);
    void clear();

    int faults(quint8 panel) const { return m_faults.value(panel, 0); }
    int disablements(quint8 panel) const { return m_disablements.value(panel, 0); }
    int thirdCounter(quint8 panel) const { return m_thirdCounter.value(panel, 0); }

signals:
    void counterUpdated();

private:
    friend class SC_Singleton<PanelCounters>;

    PanelCounters() = default;

    void store(QMap<quint8, int> &counts, const char *method, int count, quint8 panel);

    QMap<quint8, int> m_faults;
    QMap<quint8, int> m_disablements;
    QMap<quint8, int> m_thirdCounter;
};
