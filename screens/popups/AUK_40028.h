#pragma once

#include "screens/popups/AUK_40040.h"

// The outcome of a log-on that failed or of a card write, with one Close
// key: result 2 an invalid user, 3 a user already logged on, any other a
// failed log-on. On a master panel, closing it returns to the home screen.
// However it leaves, the help key reaches the key dispatch again (a card
// write takes it away) and a pending card write is cancelled.
class AUK_40028 final : public AUK_40040
{
    Q_OBJECT

public:
    AUK_40028(bool connectOwnKeys, int result, QWidget *parent);
    ~AUK_40028() override;
};
