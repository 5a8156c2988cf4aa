#pragma once

#include "widgets/ToolCardDelegate.h"

// A device with its manufacture and expiry dates as a card.
class DeviceDatesCardDelegate final : public ToolCardDelegate
{
    Q_OBJECT

public:
    explicit DeviceDatesCardDelegate(QObject *parent = nullptr);
};
