#pragma once

#include "listscreens/FilterScreenForm.h"
#include "listscreens/FilterSelectorsScreenTemplate.h"

class AUK_90004;

// The filter screen with a summary pane beside the editors (hidden until a
// screen shows it with its own texts). Besides the scroll routing it tells
// the screen to refresh its lozenge bar keys whenever the current selector
// changes, and closes itself, or a popup over it, for the screens.
class AUK_10017 : public gui::FilterSelectorsScreenTemplate
{
    Q_OBJECT

public:
    explicit AUK_10017(QWidget *parent = nullptr);
    ~AUK_10017() override;

    AUK_90006 *lozengeBar() const override { return m_form.lozengeBar; }
    QWidget *filterLink() const override { return m_form.filterLink; }
    QWidget *filterButtonsContainer() const override { return m_form.filterButtonsContainer; }
    QStackedWidget *stackedWidget() const override { return m_form.stackedWidget; }
    AUK_90004 *summaryStatus() const { return m_summaryStatus; }

public slots:
    // The popup on top and this screen.
    void onCancelled();
    void finishedDlgPopScreen();
    // The popup on top only.
    void finishedDlgPopPopup();
    // The scroll routing for the selector that sent the signal.
    virtual void pointsSelectorChanged();
    void filterSelectorUpdated(QObject *selector) override;
    void setLeftButtonInvisible();

private:
    AUK_90004 *m_summaryStatus;
    FilterScreenForm m_form;
};
