#include "frontpanel/simulator/FrontPanelAdaptor.h"

#include "frontpanel/simulator/MainWindow.h"

FrontPanelAdaptor::FrontPanelAdaptor(MainWindow *window, QObject *parent)
    : QDBusAbstractAdaptor(parent)
    , m_window(window)
{
}

void FrontPanelAdaptor::setPanel(const QString &panelStr)
{
    m_window->setWindowTitle(panelStr.left(MaximumTitleLength));
}
