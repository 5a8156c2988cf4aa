#pragma once

#include "screens/popups/AUK_40060.h"

// The countdown popup, in four kinds: 0 fire reset, 1 time remaining only,
// 2 panel synchronisation, 3 waiting for the panel's answer to a start-up
// log-on (which alone has a key, Cancel, and no time display).
class AUK_40026 : public AUK_40060
{
    Q_OBJECT

public:
    AUK_40026(int kind, QWidget *parent);

    int kind() const { return m_kind; }
    void showTimeLeft(int seconds) override;

public slots:
    void cancelClicked();
    void updateLanguage();

private:
    int m_kind;
};
