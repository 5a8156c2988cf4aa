#pragma once

#include <QString>

class KeypadButton;
class QLabel;
class QRect;
class QWidget;

// The digit keypad the large entry popups share: keys 1 to 9 in three rows,
// 0 and the delete key below, at the places the large frame leaves for them.
struct PopupKeypad
{
    KeypadButton *digits[10]; // "1" to "9", then "0"
    KeypadButton *deleteKey;

    // The delete key starts lit and carries its word, not a value.
    static PopupKeypad build(QWidget *parent);
};

// A label showing one image, the way the entry popups draw frames and boxes.
QLabel *popupImageLabel(QWidget *parent, const QString &name, const QRect &geometry, const char *image);
