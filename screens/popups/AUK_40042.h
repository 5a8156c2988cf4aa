#pragma once

#include "screens/popups/AUK_40040.h"

// The home screen's notice that a point is being tested: the point's text
// as title and within the message, and only a Close key.
class AUK_40042 final : public AUK_40040
{
    Q_OBJECT

public:
    AUK_40042(const QString &pointText, bool connectButtons, QWidget *parent = nullptr);
};
