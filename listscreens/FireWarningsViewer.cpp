#include "listscreens/FireWarningsViewer.h"

#include "pointmodels/model.h"

#include <QCoreApplication>

FireWarningsViewer::FireWarningsViewer(const QString &buttonText, QButtonGroup *group, QObject *parent)
    : EventsSummaryViewer(buttonText, group, parent, 0)
{
    m_allRadio.setObjectName(QStringLiteral("allRadio"));
    m_preAlarmRadio.setObjectName(QStringLiteral("preAlarmRadio"));
    // The bus repeaters do not tell pre-alarms apart.
    if (model::instance()->guiMode() >= 2)
        return;
    setupRadioButton(&m_allRadio, QCoreApplication::translate("AUK_90003", "_ALL_TRIPLEFILTER"),
                     SIGNAL(filterChanged()));
    setupRadioButton(&m_preAlarmRadio, tr("_PRE_ALARM_TRIPLEFILTER"), SIGNAL(filterChanged()));
    m_allRadio.setChecked(true);
    placeRadios({&m_allRadio, &m_preAlarmRadio});
}
