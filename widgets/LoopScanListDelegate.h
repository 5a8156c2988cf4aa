#pragma once

#include "widgets/EventListDelegate.h"

// A point found by a loop scan as a card.
class LoopScanListDelegate final : public EventListDelegate
{
    Q_OBJECT

public:
    explicit LoopScanListDelegate(QObject *parent = nullptr);
};
