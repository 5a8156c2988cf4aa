#pragma once

#include "listscreens/StatusViewer.h"

class CardViewIface;

// A viewer whose list is a card view; the subclass creates the view, which
// the host's stack owns once it is placed there.
class CardViewBasedViewer : public StatusViewer
{
    Q_OBJECT

public:
    CardViewBasedViewer(const QString &buttonText, QButtonGroup *group, QObject *parent);
    CardViewBasedViewer(const QString &buttonText, QButtonGroup *group, int value, QObject *parent);
    ~CardViewBasedViewer() override;

    QWidget *eventViewer() const override;

protected:
    QPointer<CardViewIface> m_cardView;
};
