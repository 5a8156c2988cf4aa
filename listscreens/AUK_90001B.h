#pragma once

#include "widgets/AUK_90001A.h"

class AUK_90006;

// A live page whose lozenge bar scroll keys serve one scroll target at a
// time: the page forwards the keys to the target and enables them from the
// target's reports of its list's position.
class AUK_90001B : public AUK_90001A
{
    Q_OBJECT

public:
    enum eScrollButton : qint32 { ScrollUp = 0, ScrollDown = 1 };
    Q_ENUM(eScrollButton)

    explicit AUK_90001B(QWidget *parent = nullptr);

    virtual AUK_90006 *lozengeBar() const = 0;

    void connectScrollTarget(QObject *target);
    void disconnectScrollTarget(QObject *target);
    // Both keys stay disabled until the target reports its position.
    void showScrollButtons(bool show);
    void connectLozengeBarScrollButtons(QObject *receiver);

signals:
    void scrollUpButtonClicked();
    void scrollDownButtonClicked();
    void scrollUpButtonHeld();
    void scrollDownButtonHeld();
    void updateScrollBarButtons();
    void updateLozengeBarButtons();

public slots:
    void scrollBarAtStart(bool atStart);
    void scrollBarAtEnd(bool atEnd);
    void scrollUpButtonClickedReceived();
    void scrollDownButtonClickedReceived();
    void scrollUpButtonHeldReceived();
    void scrollDownButtonHeldReceived();
    void scrollButtonPushed(AUK_90001B::eScrollButton button, bool held);

private:
    void scrollUp(bool held);
    void scrollDown(bool held);
};
