#include "widgets/AUK_90049.h"

namespace {

const LabelButton::Look kLook = {"AUK_90049", BaseButton::HORIZONTAL_LEFT_SCROLL_BUTTON,
                                 0,           QSize(56, 70),
                                 false,       QSize(56, 60),
                                 false,       QRect(9, 18, 36, 40),
                                 true};

} // namespace

AUK_90049::AUK_90049(QWidget *parent)
    : LabelButton(parent, kLook)
{
}

void AUK_90049::setIcon(const QPixmap &icon)
{
    label()->setPixmap(icon);
}
