#include "listscreens/FaultsViewer.h"

#include "pointmodels/model.h"
#include "widgets/AUK_90022.h"

#include <QCoreApplication>

FaultsViewer::FaultsViewer(const QString &buttonText, QButtonGroup *group, QObject *parent)
    : EventsSummaryViewer(buttonText, group, parent, 0)
{
    m_allRadio.setObjectName(QStringLiteral("allRadio"));
    m_acceptedRadio.setObjectName(QStringLiteral("acceptedRadio"));
    m_unacceptedRadio.setObjectName(QStringLiteral("unacceptedRadio"));
    const model *site = model::instance();
    const bool linked = site->guiMode() <= 1;
    if (linked) {
        setupRadioButton(&m_allRadio, QCoreApplication::translate("AUK_90003", "_ALL_TRIPLEFILTER"),
                         SIGNAL(filterChanged()));
        setupRadioButton(&m_acceptedRadio, tr("_ACCEPTED_TRIPLEFILTER"), SIGNAL(filterChanged()));
        setupRadioButton(&m_unacceptedRadio, tr("_UNACCEPTED_TRIPLEFILTER"), SIGNAL(filterChanged()));
        m_unacceptedRadio.setChecked(true);
        if (site->isFaultAcceptanceEnabled())
            placeRadios({&m_allRadio, &m_acceptedRadio, &m_unacceptedRadio});
    }
    // Over the panel link the list is a window onto the panel's faults, so
    // the total comes from the panel.
    m_cardView->setFixedCounter(linked);
}

int FaultsViewer::faultsLevel() const
{
    if (m_allRadio.isChecked() || model::instance()->guiMode() >= 2)
        return 0;
    if (m_acceptedRadio.isChecked())
        return 1;
    if (m_unacceptedRadio.isChecked())
        return 2;
    return 0;
}
