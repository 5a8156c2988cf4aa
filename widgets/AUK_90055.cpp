#include "widgets/AUK_90055.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

AUK_90055::AUK_90055(QWidget *parent, int buttonType)
    : BaseButton(parent, buttonType, 0)
    , m_label(this)
{
    setObjectName(QStringLiteral("AUK_90055"));
    m_label.setPalette(PaletteRepository::instance()->whiteTextPalette());
    m_label.setFont(FontRepository::instance()->normal15());
    m_label.setAlignment(Qt::AlignCenter);
}

void AUK_90055::setKeyType(int type)
{
    setButtonType(static_cast<ButtonType>(type));
    m_label.setGeometry(geometry());
    m_label.show();
}

void AUK_90055::setText(const QString &text)
{
    QAbstractButton::setText(text);
    m_label.setText(text);
}

void AUK_90055::setIcon(const QPixmap &icon)
{
    m_label.setPixmap(icon);
}

QLabel *AUK_90055::label()
{
    return &m_label;
}
