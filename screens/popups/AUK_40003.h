#pragma once

#include "widgets/AUK_20002.h"

#include <QPointer>

class SC_Timer;

// The panel's own front-panel test: the display (the whole screen white,
// then black), the LEDs and the buzzer, one after another, each shown as
// pending, in progress or complete. It runs by itself once started and,
// when it closes, tells the controller that the self-test was made.
class AUK_40003 final : public AUK_20002
{
    Q_OBJECT

public:
    explicit AUK_40003(QWidget *parent = nullptr);
    ~AUK_40003() override;

public slots:
    void startTest();
    void closePopup();
    void goToNextState();

private:
    struct Form;

    // The timer stops and the LEDs and the buzzer show the panel's state
    // again.
    void endTest();

    Form *m_ui;
    SC_Timer *m_stepTimer;
    int m_step = 0;
    // Over the whole screen while the display is tested; a child of the
    // page stack from then on, so it goes with this popup at the latest.
    QPointer<QWidget> m_testScreen;
};
