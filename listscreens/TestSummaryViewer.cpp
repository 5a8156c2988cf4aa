#include "listscreens/TestSummaryViewer.h"

#include "widgets/AUK_90022.h"

#include <QCoreApplication>
#include <QStandardItemModel>

TestSummaryViewer::TestSummaryViewer(const QString &buttonText, QButtonGroup *group, QObject *parent)
    : EventsSummaryViewer(buttonText, group, parent, 1)
{
    m_activeRadio.setObjectName(QStringLiteral("activeRadio"));
    m_allRadio.setObjectName(QStringLiteral("allRadio"));
    setupRadioButton(&m_activeRadio, QCoreApplication::translate("AUK_90003", "_ACTIVE_DOUBLEFILTER"),
                     SIGNAL(filterChanged()));
    setupRadioButton(&m_allRadio, QCoreApplication::translate("AUK_90003", "_ALL_DOUBLEFILTER"),
                     SIGNAL(filterChanged()));
    m_activeRadio.setChecked(true);
    placeRadios({&m_activeRadio, &m_allRadio});
    showRadios({&m_activeRadio, &m_allRadio}, false);
}

void TestSummaryViewer::setSummaryModel(QStandardItemModel *model)
{
    m_summaryModel = model;
}

void TestSummaryViewer::showSummary(bool summary)
{
    AUK_90022 *cardView = eventCardView();
    if (cardView) {
        if (summary)
            cardView->setModel(m_summaryModel, &m_summaryDelegate, false);
        else
            cardView->setModel(m_model, m_delegate, true);
        cardView->update();
    }
    showRadios({&m_activeRadio, &m_allRadio}, summary);
}
