#pragma once

#include "widgets/AUK_20002.h"

class QLabel;

// Covers the screen while the panel controller initialises: what is
// happening, the time left and the versions that will be running. It has
// no keys and holds no timer; the standby countdown sets its time and
// removes it.
class AUK_40047 : public AUK_20002
{
    Q_OBJECT

public:
    AUK_40047(int context, QWidget *parent);
    ~AUK_40047() override;

    // Minutes and seconds, two digits each; five blanks at 0.
    void setCountdown(quint16 seconds);

public slots:
    void updateLanguage();
    void setVersionText();

private:
    struct Form;

    Form *m_form;
};
