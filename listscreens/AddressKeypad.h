#pragma once

#include "widgets/AUK_90015.h"

// The numeric keypad an address selector types on: each digit, OK and
// delete go to the selector's handlers; delete starts greyed, as there is
// nothing to delete yet.
template <typename Selector>
AUK_90015 *makeAddressKeypad(Selector *selector, void (Selector::*digit)(const QString &), void (Selector::*ok)(),
                             void (Selector::*del)())
{
    auto *keypad = new AUK_90015;
    keypad->setNumericOnly(true);
    QObject::connect(keypad, &AUK_90015::clicked, selector, digit);
    QObject::connect(keypad, &AUK_90015::ok, selector, ok);
    QObject::connect(keypad, &AUK_90015::del, selector, del);
    keypad->greyOutNumericDelButton();
    return keypad;
}
