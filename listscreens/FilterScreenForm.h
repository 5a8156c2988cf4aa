#pragma once

class AUK_90006;
class QStackedWidget;
class QWidget;

// The children both filter screen forms place on their 640 x 480 page: the
// column of filter buttons, the stacked editors, the lozenge bar and the
// filter link.
struct FilterScreenForm
{
    QWidget *filterButtonsContainer;
    QStackedWidget *stackedWidget;
    AUK_90006 *lozengeBar;
    QWidget *filterLink;

    // The page gets its name and size; the stacked
    // widget is named as given. Raised in the form's order over any child
    // placed before the call.
    static FilterScreenForm build(QWidget *page, const char *pageName, const char *stackedName);
};
