#pragma once

#include "listscreens/EventsSummaryViewer.h"
#include "widgets/AUK_90003.h"

// The fire warnings list, all of them or the pre-alarms only.
class FireWarningsViewer final : public EventsSummaryViewer
{
    Q_OBJECT

public:
    FireWarningsViewer(const QString &buttonText, QButtonGroup *group, QObject *parent);

    // Every warning rather than the pre-alarms only.
    bool allSelected() const { return m_allRadio.isChecked(); }

signals:
    void filterChanged();

private:
    AUK_90003 m_allRadio;
    AUK_90003 m_preAlarmRadio;
};
