#pragma once

#include "widgets/CounterRole.h"

// The loop label of a loop list row in the naming in force; nothing for
// the all-loops row and "!" for a row without a usable loop number.
class LoopCharCounterRole final : public CounterRole
{
public:
    LoopCharCounterRole();

    QString text(const QModelIndex &index) const override;
};
