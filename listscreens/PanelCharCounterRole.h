#pragma once

#include "widgets/CounterRole.h"

// The panel number of a panel list row as two digits ("07"); nothing for
// the all-panels row and "!" for a row without a usable number.
class PanelCharCounterRole final : public CounterRole
{
public:
    PanelCharCounterRole();

    QString text(const QModelIndex &index) const override;
};
