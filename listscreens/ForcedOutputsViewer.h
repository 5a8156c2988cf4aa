#pragma once

#include "listscreens/EventsSummaryViewer.h"
#include "widgets/AUK_90003.h"

// The forced outputs list: all of them, those forced on, or those forced to
// the first or the second pulse pattern.
class ForcedOutputsViewer final : public EventsSummaryViewer
{
    Q_OBJECT

public:
    ForcedOutputsViewer(const QString &buttonText, QButtonGroup *group, QObject *parent);

    // 0 all, 1 forced on, 2 first pattern, 3 second pattern.
    int forcedFilter() const;

signals:
    void filterChanged();

private:
    AUK_90003 m_allRadio;
    AUK_90003 m_onRadio;
    AUK_90003 m_p1Radio;
    AUK_90003 m_p2Radio;
};
