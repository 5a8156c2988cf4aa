#pragma once

#include "listscreens/AUK_10013.h"

// The custom tasks of a panel: its task points, listed as active or not
// active. A tap switches a task by forcing its point off when it is active
// and on when it is not; the panel answers nothing, so the progress popup
// shows the task done at once, and closing it leaves this screen too.
class AUK_30008 final : public AUK_10013
{
    Q_OBJECT

public:
    explicit AUK_30008(QWidget *parent = nullptr);

public slots:
    void taskSelectorItemClicked(const QModelIndex &index) override;
    void onCancelled();
    void finishedDlgPopScreen();

protected:
    void loadTasks() override;
    void retranslate() override;
};
