#pragma once

#include "widgets/TitledRowCardDelegate.h"

// An event of the event-log list screens as a card; its information row is
// left out while information texts are restricted or the panel runs on the
// front-panel bus.
class AUK_90056 final : public TitledRowCardDelegate
{
    Q_OBJECT

public:
    AUK_90056(QObject *parent, bool hideInformation, bool rbusMode);
};
