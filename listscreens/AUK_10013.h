#pragma once

#include "listscreens/AUK_90001B.h"
#include "pointmodels/FilterModel.h"

class AUK_90048;
class PanelSelector;
class QHBoxLayout;
class QLabel;
class QModelIndex;
class QStackedWidget;

// The base of the task list screens: a panel selector on the left and, on
// the right, either its list of panels or the list of tasks of the chosen
// panel. The lozenge bar's scroll keys drive whichever list is shown.
class AUK_10013 : public AUK_90001B
{
    Q_OBJECT

public:
    explicit AUK_10013(QWidget *parent = nullptr);
    ~AUK_10013() override;

    AUK_90006 *lozengeBar() const override { return m_lozengeBar; }

public slots:
    void panelSelectorActivated();
    void panelChanged(int count);
    virtual void taskSelectorItemClicked(const QModelIndex &index) = 0;
    virtual void filterSelectorUpdated(QObject *target);

protected:
    // Fills the task list for the chosen panel.
    virtual void loadTasks() = 0;
    virtual void retranslate() = 0;

    FilterModel &filterModel() { return m_filterModel; }
    PanelSelector *panelSelector() const { return m_panelSelector; }
    AUK_90048 *taskSelector() const { return m_taskSelector; }
    QLabel *taskHeader() const { return m_taskHeader; }
    QStackedWidget *stackedWidget() const { return m_stackedWidget; }

private:
    void buildForm();

    QWidget *m_filterLink = nullptr;
    QStackedWidget *m_stackedWidget = nullptr;
    QWidget *m_panelListPage = nullptr;
    QHBoxLayout *m_panelListLayout = nullptr;
    QWidget *m_taskListPage = nullptr;
    AUK_90048 *m_taskSelector = nullptr;
    QLabel *m_taskHeader = nullptr;
    QWidget *m_panelFilterButtonContainer = nullptr;
    AUK_90006 *m_lozengeBar = nullptr;
    QLabel *m_infoBox = nullptr;
    FilterModel m_filterModel;
    PanelSelector *m_panelSelector = nullptr;
    QObject *m_scrollTarget = nullptr;
};
