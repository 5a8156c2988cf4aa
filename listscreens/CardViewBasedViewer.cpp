#include "listscreens/CardViewBasedViewer.h"

#include "widgets/CardViewIface.h"

CardViewBasedViewer::CardViewBasedViewer(const QString &buttonText, QButtonGroup *group, QObject *parent)
    : StatusViewer(buttonText, group, parent)
{
}

CardViewBasedViewer::CardViewBasedViewer(const QString &buttonText, QButtonGroup *group, int value, QObject *parent)
    : StatusViewer(buttonText, group, value, parent)
{
}

CardViewBasedViewer::~CardViewBasedViewer()
{
    // A view the host never took in would otherwise be left behind.
    if (m_cardView && !m_cardView->parent())
        delete m_cardView;
}

QWidget *CardViewBasedViewer::eventViewer() const
{
    return m_cardView;
}
