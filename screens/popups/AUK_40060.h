#pragma once

#include "widgets/AUK_20003.h"

class QLabel;

// Base of the popups that make the operator wait while the panel works: a
// warning line, a general text, the fire-reset icon and a framed time left.
// It holds no timer: its owner counts down and calls showTimeLeft().
class AUK_40060 : public AUK_20003
{
    Q_OBJECT

public:
    explicit AUK_40060(QWidget *parent);
    ~AUK_40060() override;

    void setWarningText(int kind);
    void setGeneralText(int kind);
    void setTimeText(const QString &text);
    void setTimeVisible(bool visible);

public slots:
    virtual void showTimeLeft(int seconds) = 0;

private:
    struct Form;

    Form *m_form;
};
