#pragma once

#include "widgets/Page.h"

class QLabel;

// The outcome of a print request: a popup with its title, the outcome's
// text and a close key that removes it. Results: 0 printed, 1 printer
// offline, 2 rejected, 3 nothing to print.
class AUK_40056 final : public Page
{
    Q_OBJECT

public:
    explicit AUK_40056(int result, QWidget *parent = nullptr);

    bool isPopup() const override { return true; }
    int result() const { return m_result; }

private:
    int m_result;
};
