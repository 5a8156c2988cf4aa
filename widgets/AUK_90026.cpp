#include "widgets/AUK_90026.h"

AUK_90026::AUK_90026(QWidget *parent)
    : BaseButton(parent, NUMERIC_BUTTON_1, 0)
{
    setFixedSize(432, 80);
    m_form = std::make_unique<InfoPaneForm>(this, "AUK_90026");
    m_form->applyTall(false);
}

AUK_90026::~AUK_90026() = default;

QString AUK_90026::buttonLabel() const
{
    return m_form->buttonLabel->text();
}

void AUK_90026::setButtonLabel(const QString &text)
{
    m_form->buttonLabel->setText(text);
}

QString AUK_90026::buttonValue() const
{
    return m_form->buttonValue->text();
}

void AUK_90026::setButtonValue(const QString &text)
{
    m_form->buttonValue->setText(text);
}
