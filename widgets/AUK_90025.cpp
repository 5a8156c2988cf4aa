#include "widgets/AUK_90025.h"

AUK_90025::AUK_90025(QWidget *parent)
    : InfoPaneButton(parent, EN54_LARGE, "AUK_90025", QSize(432, 120))
{
    setButtonType(EN54_LARGE);
}

bool AUK_90025::tall() const
{
    return m_tall;
}

void AUK_90025::setTall(bool tall)
{
    m_tall = tall;
    applyTall(tall);
}
