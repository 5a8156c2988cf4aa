#include "widgets/AUK_90050.h"

#include "widgets/AUK_90046.h"
#include "widgets/CountdownText.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QLabel>

namespace {

const QString kBlankTime = QStringLiteral("     ");

} // namespace

AUK_90050::AUK_90050(QWidget *parent)
    : QWidget(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AUK_90050"));
    setFixedSize(210, 338);

    m_backdrop = label("backdrop", QRect(0, 0, 210, 338));
    m_backdrop->setPixmap(QPixmap(QStringLiteral("../resources/Buttons/AUK_80016_Info_Button_dimmed.png")));
    m_labelText = label("labelText", QRect(12, 257, 186, 71));
    m_labelText->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_labelText->setWordWrap(true);
    m_labelText->setProperty("typeface", QStringLiteral("ButtonText"));
    m_labelText->setProperty("color", QStringLiteral("white"));
    m_title = label("title", QRect(10, 10, 188, 20));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setText(tr("_ALARM_DELAY_INFOTITLE"));
    // As wide as the inside of its frame: our bold digits are wider than the
    // 75 pixels the panel's own font needs, and a clipped time misleads.
    m_timeLeft = label("timeLeft", QRect(24, 53, 171, 21));
    m_timeLeft->setAlignment(Qt::AlignCenter);
    m_timeFrame = label("timeFrame", QRect(19, 39, 181, 51));
    m_timeFrame->setPixmap(QPixmap(QStringLiteral("../resources/Frames/AUK_80047_invest_delay_frm.png")));
    // The frame image is opaque: the digits must lie above it.
    m_timeLeft->raise();
    m_delayBtn = new AUK_90046(this);
    m_delayBtn->setObjectName(QStringLiteral("delayBtn"));
    m_delayBtn->setGeometry(20, 108, 166, 64);
    m_delayBtn->setText(tr("_INVESTIGATE_DELAY_POPUPSK"));
    m_sounderInfoText = label("sounderInfoText", QRect(12, 180, 186, 71));
    m_sounderInfoText->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_sounderInfoText->setWordWrap(true);
    m_sounderInfoText->setProperty("typeface", QStringLiteral("ButtonText"));
    m_sounderInfoText->setProperty("color", QStringLiteral("white"));
    m_sounderInfoText->setText(tr("_SOUNDERS_SILENCED_INFOTEXT"));

    const PaletteRepository *palettes = PaletteRepository::instance();
    for (QLabel *grey : {m_title, m_labelText, m_timeLeft, m_sounderInfoText})
        grey->setPalette(palettes->greyPalette());
    m_delayBtn->setLabelPalette(palettes->whiteTextPalette());
    const FontRepository *fonts = FontRepository::instance();
    m_title->setFont(fonts->bold18());
    m_labelText->setFont(fonts->normal15());
    m_timeLeft->setFont(fonts->bold24());
    m_delayBtn->label()->setFont(fonts->normal22());
    m_sounderInfoText->setFont(fonts->bold22());
    m_timeLeft->setText(kBlankTime);

    connect(m_delayBtn, &BaseButton::clicked, this, &AUK_90050::on_delayBtn_clicked);
}

QLabel *AUK_90050::label(const char *name, const QRect &rect)
{
    auto *created = new QLabel(this);
    created->setObjectName(QLatin1String(name));
    created->setGeometry(rect);
    return created;
}

QString AUK_90050::text() const
{
    return m_labelText->text();
}

void AUK_90050::setText(const QString &text)
{
    m_labelText->setText(text);
}

QString AUK_90050::title() const
{
    return m_title->text();
}

void AUK_90050::setTitle(const QString &title)
{
    m_title->setText(title);
}

bool AUK_90050::delayButtonEnabled() const
{
    return m_delayBtn->isEnabled();
}

void AUK_90050::setDelayButtonEnabled(bool enabled)
{
    m_delayBtn->setEnabled(enabled);
}

void AUK_90050::setTimeLeft(int minutes, int seconds)
{
    m_timeLeft->setText(minutes == 0 && seconds == 0 ? kBlankTime : countdownText(minutes, seconds));
}

QString AUK_90050::timeLeft() const
{
    return m_timeLeft->text();
}

void AUK_90050::setCountdownVisible(bool visible)
{
    for (QLabel *part : {m_title, m_timeFrame, m_timeLeft})
        part->setVisible(visible);
}

void AUK_90050::setSounderInfoText(const QString &text)
{
    m_sounderInfoText->setText(text);
}

void AUK_90050::setSounderInfoVisible(bool visible)
{
    m_sounderInfoText->setVisible(visible);
}
