#pragma once

#include "widgets/EventListDelegate.h"

// A fault as a card, with its information text unless that is restricted or the panel runs on the front-panel bus.
class FaultsListDelegate final : public EventListDelegate
{
    Q_OBJECT

public:
    FaultsListDelegate(bool hideInformation, bool rbusMode, QObject *parent = nullptr);
};
