#pragma once

#include "listscreens/EventsSummaryViewer.h"
#include "widgets/AUK_90003.h"
#include "widgets/AUK_90057.h"

class QStandardItemModel;

// The walk-test list: a summary card per panel, or the points on test.
class TestSummaryViewer final : public EventsSummaryViewer
{
    Q_OBJECT

public:
    TestSummaryViewer(const QString &buttonText, QButtonGroup *group, QObject *parent);

    void setSummaryModel(QStandardItemModel *model);
    // The summary cards with their filter radios, or the list last given to
    // setModel without them.
    void showSummary(bool summary);
    // Every panel in the summary rather than those in walk test only.
    bool allSelected() const { return m_allRadio.isChecked(); }

signals:
    void filterChanged();

private:
    QStandardItemModel *m_summaryModel = nullptr;
    AUK_90003 m_activeRadio;
    AUK_90003 m_allRadio;
    AUK_90057 m_summaryDelegate;
};
