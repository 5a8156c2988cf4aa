#pragma once

#include "widgets/AUK_90004Base.h"

// The info pane with a list of up to five messages in its lower box: new
// messages push older ones down.
class AUK_90004 final : public AUK_90004Base
{
    Q_OBJECT

public:
    explicit AUK_90004(QWidget *parent = nullptr);

    // Puts the text at the row (at most 4), pushing the rows below down and
    // dropping the fifth, or replaces the row in place. 0 when inserted;
    // the row count when the row is not in the table. A negative row is
    // refused.
    int insertMessage(const QString &text, int row, bool replace);
    // The no-messages icon while every row is empty, else the list.
    void updateMessagesVisibility();

private:
    void initMessageRows();
};
