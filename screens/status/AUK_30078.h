#pragma once

#include "screens/status/EventsSummaryByFunction.h"

// The events summary of the protection; on panels of the first template the
// protection key shows the controls in it.
class AUK_30078 final : public EventsSummaryByFunction
{
    Q_OBJECT

public:
    AUK_30078(int accessLevel, int userLevel, QWidget *parent);
    // Any function's summary in this screen: the controls use it.
    AUK_30078(int accessLevel, int userLevel, int functionMask, int headerId, const QString &counterTitle,
              QWidget *parent);
};
