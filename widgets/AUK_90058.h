#pragma once

#include "widgets/AUK_90004Base.h"

// The info pane whose lower box is a second table of counters.
class AUK_90058 final : public AUK_90004Base
{
    Q_OBJECT

public:
    explicit AUK_90058(QWidget *parent = nullptr);

    // As the counters' setMessage, setCounterNumber and setCounterLabel, on
    // the lower table (five rows).
    void setTableText(int row, const QString &label, int kind);
    void setTableNumber(int row, int number);
    void setTableLabel(int row, const QString &text);

private:
    Rows m_tableRows;
};
