#pragma once

#include "widgets/LabelButton.h"

// A number key of the log-on and index keypad popups.
class KeypadButton final : public LabelButton
{
    Q_OBJECT

public:
    explicit KeypadButton(QWidget *parent = nullptr);
};
