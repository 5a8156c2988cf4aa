#pragma once

#include "listscreens/EventsSummaryViewer.h"
#include "widgets/AUK_90003.h"

// The faults list, filtered by acceptance where faults may be accepted.
class FaultsViewer final : public EventsSummaryViewer
{
    Q_OBJECT

public:
    FaultsViewer(const QString &buttonText, QButtonGroup *group, QObject *parent);

    // 0 every fault, 1 the accepted ones, 2 those still to accept.
    int faultsLevel() const;

signals:
    void filterChanged();

private:
    AUK_90003 m_allRadio;
    AUK_90003 m_acceptedRadio;
    AUK_90003 m_unacceptedRadio;
};
