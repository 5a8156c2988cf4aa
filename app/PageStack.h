#pragma once

#include <QWidget>

// The panel's 640 x 480 screen area, on which every screen and popup of the
// engine is stacked. The start-up places it in the simulator window.
class PageStack final : public QWidget
{
    Q_OBJECT

public:
    static PageStack *instance();
    ~PageStack() override;

private:
    PageStack();

    static PageStack *s_instance;
};
