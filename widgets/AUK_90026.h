#pragma once

#include "widgets/InfoPaneButton.h"

// The short red information button of the fire screen.
class AUK_90026 final : public InfoPaneButton
{
    Q_OBJECT

public:
    explicit AUK_90026(QWidget *parent = nullptr);
};
