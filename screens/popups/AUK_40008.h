#pragma once

#include "widgets/AUK_20003.h"

class QLabel;

// How many items of a command are still pending and how many are done. The
// counts move only through tasksCompleted; the opener turns Cancel into
// Close when it is finished.
class AUK_40008 final : public AUK_20003
{
    Q_OBJECT

public:
    AUK_40008(int pending, const QString &title, const QString &body, QWidget *parent);

    void tasksCompleted(int count);
    void setFinishedButtons();

private:
    void showCounts();

    QLabel *m_taskCompleteText;
    QLabel *m_taskCount;
    QLabel *m_pendingText;
    QLabel *m_pendingCount;
    int m_done = 0;
    int m_pending;
};
