#pragma once

#include "screens/popups/AUK_40040.h"

// A front-panel action confirmed on the E30 emergency link, by kind:
// 0 disable, 1 fire reset, 2 silence sounders, each sent on the bus when
// OK is pressed; 3 says the action is not available (OK only).
class AUK_40061 final : public AUK_40040
{
    Q_OBJECT

public:
    AUK_40061(int kind, QWidget *parent);

    int kind() const { return m_kind; }

public slots:
    void cancelClicked();
    void okClicked();

private:
    int m_kind;
};
