#pragma once

#include <QObject>
#include <QPointer>

class CardViewIface;

// Moves a card view to a card by its number: a tap on the view's card
// counter opens a number keypad, and the number confirmed there brings that
// card to the middle.
class JumpToCard final : public QObject
{
    Q_OBJECT

public:
    // Serves the view while it lives; anything but a card view is ignored.
    explicit JumpToCard(QObject *cardView);

public slots:
    void showMoveToCardPopup();
    // Card numbers count from 1; 0 and a number past the last card change
    // nothing (a number too large for the view's own arithmetic must never
    // wrap into a card counted from the end).
    void moveToCard(quint32 index);

private:
    QPointer<CardViewIface> m_cardView;
};
