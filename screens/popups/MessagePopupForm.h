#pragma once

class QLabel;
class QWidget;

// The three text lines of the message popups, each with an alternative
// label that is disabled at start; created in stacking order, bottom first.
struct MessagePopupForm final
{
    explicit MessagePopupForm(QWidget *popup);

    QLabel *topLabel;
    QLabel *middleLabel;
    QLabel *bottomLabel;
    QLabel *bottomLabel212;
    QLabel *middleLabel212;
    QLabel *topLabel212;
};
