#include "listscreens/ForcedOutputsViewer.h"

ForcedOutputsViewer::ForcedOutputsViewer(const QString &buttonText, QButtonGroup *group, QObject *parent)
    : EventsSummaryViewer(buttonText, group, parent, 1)
{
    m_allRadio.setObjectName(QStringLiteral("allRadio"));
    m_onRadio.setObjectName(QStringLiteral("onRadio"));
    m_p1Radio.setObjectName(QStringLiteral("p1Radio"));
    m_p2Radio.setObjectName(QStringLiteral("p2Radio"));
    setupRadioButton(&m_allRadio, tr("_FORCED_ALL_FILTER"), SIGNAL(filterChanged()));
    setupRadioButton(&m_onRadio, tr("_FORCED_ON_FILTER"), SIGNAL(filterChanged()));
    setupRadioButton(&m_p1Radio, tr("_FORCED_P1_FILTER"), SIGNAL(filterChanged()));
    setupRadioButton(&m_p2Radio, tr("_FORCED_P2_FILTER"), SIGNAL(filterChanged()));
    m_allRadio.setChecked(true);
    placeRadios({&m_allRadio, &m_onRadio, &m_p1Radio, &m_p2Radio});
}

int ForcedOutputsViewer::forcedFilter() const
{
    if (m_allRadio.isChecked())
        return 0;
    if (m_onRadio.isChecked())
        return 1;
    if (m_p1Radio.isChecked())
        return 2;
    return 3;
}
