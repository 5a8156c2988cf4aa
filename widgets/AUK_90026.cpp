#include "widgets/AUK_90026.h"

AUK_90026::AUK_90026(QWidget *parent)
    : InfoPaneButton(parent, NUMERIC_BUTTON_1, "AUK_90026", QSize(432, 80))
{
    applyTall(false);
}
