#include "widgets/AUK_90025.h"

AUK_90025::AUK_90025(QWidget *parent)
    : BaseButton(parent, EN54_LARGE, 0)
{
    setFixedSize(432, 120);
    m_form = std::make_unique<InfoPaneForm>(this, "AUK_90025");
    setButtonType(EN54_LARGE);
}

AUK_90025::~AUK_90025() = default;

QString AUK_90025::buttonLabel() const
{
    return m_form->buttonLabel->text();
}

void AUK_90025::setButtonLabel(const QString &text)
{
    m_form->buttonLabel->setText(text);
}

QString AUK_90025::buttonValue() const
{
    return m_form->buttonValue->text();
}

void AUK_90025::setButtonValue(const QString &text)
{
    m_form->buttonValue->setText(text);
}

bool AUK_90025::tall() const
{
    return m_tall;
}

void AUK_90025::setTall(bool tall)
{
    m_tall = tall;
    m_form->applyTall(tall);
}
