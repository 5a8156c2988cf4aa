#pragma once

#include "widgets/ToolCardDelegate.h"

// A sounder of the sounder auto test as a card, with its last test date.
class AutoTestSoundersDelegate final : public ToolCardDelegate
{
    Q_OBJECT

public:
    explicit AutoTestSoundersDelegate(QObject *parent = nullptr);
};
