#pragma once

#include "screens/popups/AUK_40040.h"

// The warning that an enable includes a device that is active: OK goes on,
// Cancel sends nothing. Its owner connects both keys.
class AUK_40064 final : public AUK_40040
{
    Q_OBJECT

public:
    AUK_40064(QWidget *parent, bool connectButtons);
};
