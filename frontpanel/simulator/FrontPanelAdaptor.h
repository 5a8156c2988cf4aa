#pragma once

#include <QDBusAbstractAdaptor>

class MainWindow;

// Answers the engine's front-panel calls for the simulator window: the
// engine serves, through the window, the interface it also calls as a client.
class FrontPanelAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "vemo.frontpanel")

public:
    // Any caller on the bus may set the title: a longer one is cut, so that a
    // huge string cannot hold the screen thread while the window lays it out.
    static constexpr int MaximumTitleLength = 256;

    FrontPanelAdaptor(MainWindow *window, QObject *parent);

public slots:
    void setPanel(const QString &panelStr);

private:
    MainWindow *m_window;
};
