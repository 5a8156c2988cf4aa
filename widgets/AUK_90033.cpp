#include "widgets/AUK_90033.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

AUK_90033::AUK_90033(QWidget *parent)
    : FilterButton(parent, FILTER_BUTTON_COUNTER)
    , m_buttonLabel(addCaption(QRect(8, 12, 88, 44)))
    , m_buttonValueBg(
          addValueBox(QRect(90, 10, 84, 44), "../resources/Buttons/AUK_80107_counter_button_infopane_short.png"))
    , m_buttonValue(new QLabel(this))
{
    setObjectName(QStringLiteral("AUK_90033"));
    setFixedSize(186, 64);
    setButtonType(FILTER_BUTTON_COUNTER);
    m_buttonValue->setObjectName(QStringLiteral("buttonValue"));
    m_buttonValue->setGeometry(105, 10, 54, 44);
    m_buttonValue->setMinimumSize(0, 44);
    m_buttonValue->setMaximumSize(206, 44);
    m_buttonValue->setWordWrap(true);

    const PaletteRepository *palettes = PaletteRepository::instance();
    setPalette(palettes->greyPalette());
    m_buttonValue->setPalette(palettes->greyPalette());
    m_buttonValue->setFont(FontRepository::instance()->bold15());
}

QString AUK_90033::buttonLabel() const
{
    return m_buttonLabel->text();
}

void AUK_90033::setButtonLabel(const QString &label)
{
    m_buttonLabel->setText(label);
}

QString AUK_90033::buttonValue() const
{
    return showsEmptyValue() ? QString() : m_buttonValue->text();
}

void AUK_90033::setValueAlignment(Qt::Alignment alignment)
{
    m_buttonValue->setAlignment(alignment);
}

void AUK_90033::setLabelPalette(const QPalette &palette)
{
    m_buttonLabel->setPalette(palette);
}

void AUK_90033::setButtonValue(const QString &value)
{
    showValue(m_buttonValue, value);
}
