#include "widgets/AUK_90054.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPixmap>

AUK_90054::AUK_90054(QWidget *parent, bool wide)
    : BaseButton(parent, wide ? DATETIME_WIDE : DATETIME, 0)
    , m_buttonValueBg(new QLabel(this))
    , m_widget(new QWidget(this))
    , m_horizontalLayout(new QHBoxLayout(m_widget))
    , m_buttonValue(new QLabel(m_widget))
    , m_wide(wide)
{
    setObjectName(QStringLiteral("AUK_90054"));
    setFixedSize(56, 60);
    m_buttonValueBg->setObjectName(QStringLiteral("buttonValueBg"));
    m_buttonValueBg->setGeometry(11, 11, 34, 38);
    m_buttonValueBg->setAlignment(Qt::AlignCenter);
    m_buttonValueBg->setWordWrap(true);
    m_widget->setObjectName(QStringLiteral("widget"));
    m_widget->setGeometry(11, 11, 34, 38);
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_horizontalLayout->setSpacing(0);
    m_horizontalLayout->setContentsMargins(0, 0, 0, 0);
    m_buttonValue->setObjectName(QStringLiteral("buttonValue"));
    m_buttonValue->setMinimumSize(0, 38);
    m_buttonValue->setMaximumSize(206, 44);
    m_buttonValue->setAlignment(Qt::AlignCenter);
    m_buttonValue->setWordWrap(true);
    m_horizontalLayout->addWidget(m_buttonValue);

    setButtonType(wide ? DATETIME_WIDE : DATETIME);
    const PaletteRepository *palettes = PaletteRepository::instance();
    setPalette(palettes->greyPalette());
    m_buttonValue->setPalette(palettes->greyPalette());
    m_buttonValue->setFont(FontRepository::instance()->bold15());
    connect(this, &QAbstractButton::toggled, this, &AUK_90054::setHighlighted);
    applyLook();
}

QString AUK_90054::buttonValue() const
{
    return m_buttonValue->text();
}

void AUK_90054::setButtonValue(const QString &value)
{
    m_buttonValue->setText(value);
}

bool AUK_90054::wide() const
{
    return m_wide;
}

void AUK_90054::setWide(bool wide)
{
    m_wide = wide;
    setButtonType(wide ? DATETIME_WIDE : DATETIME);
    applyLook();
}

bool AUK_90054::highlighted() const
{
    return m_highlighted;
}

void AUK_90054::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    applyLook();
}

void AUK_90054::applyLook()
{
    const char *file;
    if (m_wide)
        file = m_highlighted ? "AUK_80142_datetime_info_box_lrg_selected.png" : "AUK_80141_datetime_info_box_lrg.png";
    else
        file = m_highlighted ? "AUK_80144_datetime_info_box_smll_selected.png" : "AUK_80143_datetime_info_box_smll.png";
    const QPixmap box(QStringLiteral("../resources/Buttons/") + QLatin1String(file));
    m_buttonValueBg->setPixmap(box);
    m_buttonValueBg->resize(box.size());
    m_widget->resize(box.size());
}
