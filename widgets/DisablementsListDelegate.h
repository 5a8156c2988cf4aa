#pragma once

#include "widgets/EventListDelegate.h"

// A disabled point as a card: zone, address, name and device.
class DisablementsListDelegate final : public EventListDelegate
{
    Q_OBJECT

public:
    explicit DisablementsListDelegate(QObject *parent = nullptr);
};
