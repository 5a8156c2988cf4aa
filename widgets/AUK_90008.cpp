#include "widgets/AUK_90008.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

AUK_90008::AUK_90008(QWidget *parent)
    : FilterButtonCounter(parent, FILTER_BUTTON)
    , m_buttonLabel(addCaption(QRect(10, 12, 70, 44)))
    , m_buttonValueBg(addValueBox(QRect(76, 10, 228, 44), "../resources/Buttons/AUK_80013_Filter_Button_white_box.png"))
    , m_widget(new QWidget(this))
    , m_horizontalLayout(new QHBoxLayout(m_widget))
    , m_buttonValue(new QLabelWithCursor(m_widget))
    , m_buttonCounter(new QLabel(m_widget))
{
    setObjectName(QStringLiteral("AUK_90008"));
    setFixedSize(326, 64);
    setButtonType(FILTER_BUTTON);

    m_widget->setObjectName(QStringLiteral("widget"));
    m_widget->setGeometry(88, 12, 206, 44);
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_horizontalLayout->setSpacing(0);
    m_horizontalLayout->setContentsMargins(0, 0, 0, 0);
    m_buttonValue->setObjectName(QStringLiteral("buttonValue"));
    m_buttonValue->setMinimumSize(0, 44);
    m_buttonValue->setMaximumSize(206, 44);
    m_buttonValue->setWordWrap(true);
    m_buttonCounter->setObjectName(QStringLiteral("buttonCounter"));
    m_buttonCounter->setMinimumSize(0, 44);
    m_buttonCounter->setMaximumSize(80, 44);
    m_buttonCounter->setText(QStringLiteral("(000)"));
    m_buttonCounter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_horizontalLayout->addWidget(m_buttonValue);
    m_horizontalLayout->addWidget(m_buttonCounter);

    const PaletteRepository *palettes = PaletteRepository::instance();
    const FontRepository *fonts = FontRepository::instance();
    setPalette(palettes->greyPalette());
    m_buttonValue->setPalette(palettes->greyPalette());
    m_buttonCounter->setPalette(palettes->greyPalette());
    m_buttonValue->setFont(fonts->bold15());
    m_buttonCounter->setFont(fonts->italic15());
    m_buttonCounter->hide();
}

QString AUK_90008::buttonLabel() const
{
    return m_buttonLabel->text();
}

void AUK_90008::setButtonLabel(const QString &label)
{
    m_buttonLabel->setText(label);
}

QString AUK_90008::buttonValue() const
{
    return showsEmptyValue() ? QString() : m_buttonValue->text();
}

void AUK_90008::setValueAlignment(Qt::Alignment alignment)
{
    m_buttonValue->setAlignment(alignment);
}

void AUK_90008::clearAndDisable()
{
    setButtonValue(QString());
    setButtonCounter(QString(), 3, QLatin1Char('0'));
    setEnabled(false);
}

void AUK_90008::clearAndEnable()
{
    setButtonValue(QString());
    setButtonCounter(QString(), 3, QLatin1Char('0'));
    setEnabled(true);
}

QString AUK_90008::buttonCounter() const
{
    const QString shown = m_buttonCounter->text();
    return shown.size() >= 2 ? shown.mid(1, shown.size() - 2) : QString();
}

void AUK_90008::setButtonCounter(const QString &counter, int fieldWidth, QChar fill)
{
    if (counter.isEmpty()) {
        m_buttonCounter->hide();
        m_buttonCounter->setText(QString());
        return;
    }
    const int padding = counter.size() < fieldWidth ? fieldWidth - counter.size() : 0;
    m_buttonCounter->setText(QLatin1Char('(') + QString(padding, fill) + counter + QLatin1Char(')'));
    m_buttonCounter->show();
}

void AUK_90008::setCurrentLook(bool typing)
{
    m_buttonValue->setCursorVisible(typing);
    m_buttonValue->update();
}

void AUK_90008::setButtonValue(const QString &value)
{
    if (value.isEmpty())
        m_buttonCounter->hide();
    else
        m_buttonCounter->setFont(FontRepository::instance()->normal15());
    showValue(m_buttonValue, value);
}
