#pragma once

#include "screens/popups/AUK_40041.h"

// Asks whether to resound the silenced sounders.
class AUK_40039 final : public AUK_40041
{
    Q_OBJECT

public:
    AUK_40039(bool connectOwnKeys, QWidget *parent);
};
