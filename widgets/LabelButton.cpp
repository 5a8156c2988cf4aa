#include "widgets/LabelButton.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

LabelButton::LabelButton(QWidget *parent, const Look &look)
    : BaseButton(parent, look.buttonType, look.longPressDelay)
    , m_label(new QLabel(this))
{
    setObjectName(QLatin1String(look.objectName));
    if (look.fixedSize)
        setFixedSize(look.size);
    else
        resize(look.size);
    if (!look.minimumSize.isEmpty())
        setMinimumSize(look.minimumSize);
    // The skin comes last, so the artwork decides the size where the two
    // differ.
    if (look.setsSkinType)
        setButtonType(static_cast<ButtonType>(look.buttonType));

    m_label->setObjectName(QStringLiteral("label"));
    m_label->setGeometry(look.labelRect);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    if (look.styleProperties) {
        m_label->setProperty("typeface", QString());
        m_label->setProperty("color", QString());
    }
    m_label->setPalette(PaletteRepository::instance()->whiteTextPalette());
    m_label->setFont(FontRepository::instance()->normal22());
}

QString LabelButton::text() const
{
    return m_label->text();
}

void LabelButton::setText(const QString &text)
{
    m_label->setText(text);
}

QLabel *LabelButton::label() const
{
    return m_label;
}
