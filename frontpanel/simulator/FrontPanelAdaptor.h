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
    FrontPanelAdaptor(MainWindow *window, QObject *parent);

public slots:
    void setPanel(const QString &panelStr);

private:
    MainWindow *m_window;
};
