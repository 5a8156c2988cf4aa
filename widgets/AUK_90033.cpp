#include "widgets/AUK_90033.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPixmap>

AUK_90033::AUK_90033(QWidget *parent)
    : FilterButton(parent, FILTER_BUTTON_COUNTER)
    , m_buttonLabel(new QLabel(this))
    , m_buttonValueBg(new QLabel(this))
    , m_buttonValue(new QLabel(this))
{
    setObjectName(QStringLiteral("AUK_90033"));
    setFixedSize(186, 64);
    setButtonType(FILTER_BUTTON_COUNTER);

    m_buttonLabel->setObjectName(QStringLiteral("buttonLabel"));
    m_buttonLabel->setGeometry(8, 12, 88, 44);
    m_buttonLabel->setText(QStringLiteral("Button Text"));
    m_buttonLabel->setAlignment(Qt::AlignCenter);
    m_buttonLabel->setWordWrap(true);
    m_buttonValueBg->setObjectName(QStringLiteral("buttonValueBg"));
    m_buttonValueBg->setGeometry(90, 10, 84, 44);
    m_buttonValueBg->setPixmap(QPixmap(QStringLiteral("../resources/Buttons/AUK_80107_counter_button_infopane_short.png")));
    m_buttonValueBg->setAlignment(Qt::AlignCenter);
    m_buttonValueBg->setWordWrap(true);
    m_buttonValue->setObjectName(QStringLiteral("buttonValue"));
    m_buttonValue->setGeometry(105, 10, 54, 44);
    m_buttonValue->setMinimumSize(0, 44);
    m_buttonValue->setMaximumSize(206, 44);
    m_buttonValue->setWordWrap(true);
    for (QLabel *label : {m_buttonLabel, m_buttonValueBg}) {
        label->setProperty("typeface", QString());
        label->setProperty("color", QString());
    }
    m_buttonValue->raise();

    const PaletteRepository *palettes = PaletteRepository::instance();
    const FontRepository *fonts = FontRepository::instance();
    setPalette(palettes->greyPalette());
    m_buttonValue->setPalette(palettes->greyPalette());
    m_buttonValue->setFont(fonts->bold15());
    m_buttonLabel->setPalette(palettes->whiteTextPalette());
    m_buttonLabel->setFont(fonts->normal15());
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
    const FontRepository *fonts = FontRepository::instance();
    setShowsEmptyValue(value.isEmpty());
    if (value.isEmpty()) {
        m_buttonValue->setFont(fonts->italic15());
        m_buttonValue->setText(buttonEmptyValue());
    } else {
        m_buttonValue->setFont(fonts->bold15());
        m_buttonValue->setText(value);
    }
}
