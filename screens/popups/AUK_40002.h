#pragma once

#include "widgets/AUK_20001.h"

// Asks the operator to confirm an evacuation; on confirmation the controller
// is told to evacuate.
class AUK_40002 final : public AUK_20001
{
    Q_OBJECT

public:
    explicit AUK_40002(QWidget *parent = nullptr);
    ~AUK_40002() override;

public slots:
    void confirmClicked();
    void cancelClicked();

private:
    struct Form;

    Form *m_ui;
};
