#include "widgets/KeypadButton.h"

namespace {

const LabelButton::Look kLook = {"KeypadButton", BaseButton::NUMERIC_BUTTON_1, 0,   QSize(56, 60), true, QSize(),
                                 true,           QRect(10, 10, 36, 40),        true};

} // namespace

KeypadButton::KeypadButton(QWidget *parent)
    : LabelButton(parent, kLook)
{
}
