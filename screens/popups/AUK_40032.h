#pragma once

#include "widgets/AUK_20001.h"

#include <QPixmap>

class KeypadButton;
class QLabel;

// A keypad for a number of up to five digits (a card or zone to move to),
// handed to the opener on OK. Cancel belongs to the opener.
class AUK_40032 : public AUK_20001
{
    Q_OBJECT

public:
    AUK_40032(int titleId, QWidget *parent);

    // Shows three digit places only; a digit the operator cannot see must
    // not count in the value, so entry stops at three.
    void hideLastTwoDigits();

signals:
    void valueEntered(quint32 value);

public slots:
    void keypadClicked(const QString &digit);
    void delkeyClicked();
    void okClicked();

private:
    static constexpr int Places = 5;

    QLabel *m_boxes[Places];
    QLabel *m_digits[Places];
    KeypadButton *m_delKey;
    int m_index = 0;
    int m_maxDigits = Places;
    QPixmap m_boxPixmap;
    QPixmap m_boxSelectedPixmap;
};
