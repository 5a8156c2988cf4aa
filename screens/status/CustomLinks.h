#pragma once

#include <QObject>

class Page;
class QWidget;

// The configurable shortcut buttons of the home screen: a link id names a
// screen; the button is offered only to a log-on that may open it.
class CustomLinks : public QObject
{
    Q_OBJECT

public:
    explicit CustomLinks(QObject *parent);

    // A new icon button without a parent, or null when the id is 0, not a
    // link, or above the present log-on. A link whose screen is not built
    // yet gives a disabled button.
    QWidget *createLinkButton(int linkId);
    // The linked screen, built for the present log-on; null for a link
    // without a screen.
    Page *createLinkScreen(unsigned id);

public slots:
    void buttonClicked(const QString &value);
};
