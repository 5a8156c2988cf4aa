#pragma once

#include "widgets/EventListDelegate.h"

// A disabled zone as a card: panel and zone.
class DisablementsZonesListDelegate final : public EventListDelegate
{
    Q_OBJECT

public:
    explicit DisablementsZonesListDelegate(QObject *parent = nullptr);
};
