#include "widgets/FilterButton.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QPixmap>

FilterButton::FilterButton(QWidget *parent, int buttonType)
    : BaseButton(parent, buttonType, 0)
    , m_emptyValue(tr("_CLICK_TO_SELECT_SELPROMPT"))
{
}

QString FilterButton::buttonEmptyValue() const
{
    return m_emptyValue;
}

void FilterButton::setButtonEmptyValue(const QString &prompt)
{
    m_emptyValue = prompt;
}

void FilterButton::clearAndDisable()
{
    setButtonValue(QString());
    setEnabled(false);
}

void FilterButton::clearAndEnable()
{
    setButtonValue(QString());
    setEnabled(true);
}

bool FilterButton::showsEmptyValue() const
{
    return m_showsEmptyValue;
}

void FilterButton::showValue(QLabel *valueLabel, const QString &value)
{
    const FontRepository *fonts = FontRepository::instance();
    m_showsEmptyValue = value.isEmpty();
    if (m_showsEmptyValue) {
        valueLabel->setFont(fonts->italic15());
        valueLabel->setText(buttonEmptyValue());
    } else {
        valueLabel->setFont(fonts->bold15());
        valueLabel->setText(value);
    }
}

QLabel *FilterButton::addCaption(const QRect &geometry)
{
    auto *caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("buttonLabel"));
    caption->setGeometry(geometry);
    caption->setText(QStringLiteral("Button Text"));
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(true);
    caption->setProperty("typeface", QString());
    caption->setProperty("color", QString());
    caption->setPalette(PaletteRepository::instance()->whiteTextPalette());
    caption->setFont(FontRepository::instance()->normal15());
    return caption;
}

QLabel *FilterButton::addValueBox(const QRect &geometry, const char *image)
{
    auto *box = new QLabel(this);
    box->setObjectName(QStringLiteral("buttonValueBg"));
    box->setGeometry(geometry);
    box->setPixmap(QPixmap(QLatin1String(image)));
    box->setAlignment(Qt::AlignCenter);
    box->setWordWrap(true);
    box->setProperty("typeface", QString());
    box->setProperty("color", QString());
    return box;
}
