#pragma once

#include "widgets/AUK_20002.h"

struct MessagePopupForm;

// Asks the operator to confirm resounding the sounders: the question, a
// warning and the consequence on the medium frame, with OK and Cancel.
class AUK_40041 : public AUK_20002
{
    Q_OBJECT

public:
    AUK_40041(QWidget *parent, bool connectButtons, bool closeOnCompletion);
    ~AUK_40041() override;

    void setConfirmText();
    void setWarningText();
    void setConsequenceText();

public slots:
    void cancelClicked();
    void okClicked();
    void actionCompleted(bool ok);

private:
    MessagePopupForm *m_form;
    bool m_connectButtons;
    bool m_closeOnCompletion;
};
