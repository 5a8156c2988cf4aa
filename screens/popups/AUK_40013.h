#pragma once

#include "widgets/AUK_20003.h"

class QLabel;

// Tells the operator that an investigation delay is about to start and how
// long it is. The fire screen that opens it decides what its keys do.
class AUK_40013 final : public AUK_20003
{
    Q_OBJECT

public:
    explicit AUK_40013(QWidget *parent = nullptr);
    ~AUK_40013() override;

private:
    struct Form;

    Form *m_ui;
};
