#include "screens/popups/AUK_40060.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QLabel>

#include <iterator>

namespace {

const char *const WarningKeys[] = {
    QT_TRANSLATE_NOOP("AUK_40060", "_FIRE_RESET_IN_PROGRESS_289_20_BODYTEXTSTYLE"),
    QT_TRANSLATE_NOOP("AUK_40060", "_PANEL_INIT_WAIT_289_20_BODYTEXTSTYLE"),
    QT_TRANSLATE_NOOP("AUK_40060", "_PANEL_SYNC_IN_PROGRESS_289_20_BODYTEXTSTYLE"),
    QT_TRANSLATE_NOOP("AUK_40060", "_REBOOT_COUNTDOWN_PROGRESS_289_20_BODYTEXTSTYLE"),
};

const char *const GeneralKeys[] = {
    QT_TRANSLATE_NOOP("AUK_40060", "_PANEL_STARTUP_WAIT_LOGIN_RESPONSE_285_60_INFOTEXTSTYLE"),
    QT_TRANSLATE_NOOP("AUK_40060", "_TIME_REMAINING_285_60_INFOTEXTSTYLE"),
};

template <std::size_t N> QString textOfKind(const char *const (&keys)[N], int kind)
{
    if (kind < 0 || kind >= int(N))
        return QString();
    return AUK_40060::tr(keys[kind]);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

} // namespace

// The time display spans the inside of its frame, centred as the frame is:
// "02:05" in the bold 24 font, let alone "100:00", needs more than 75 pixels.
struct AUK_40060::Form
{
    explicit Form(QWidget *popup)
        : lblWarning(makeLabel(popup, "lblWarning", QRect(190, 126, 289, 20)))
        , timeLeft(makeLabel(popup, "timeLeft", QRect(250, 220, 151, 21)))
        , timeFrame(makeLabel(popup, "timeFrame", QRect(240, 206, 181, 51)))
        , lblGeneralText(makeLabel(popup, "lblGeneralText", QRect(190, 157, 285, 60)))
        , label(makeLabel(popup, "label", QRect(140, 130, 64, 95)))
    {
        lblWarning->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblGeneralText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblGeneralText->setWordWrap(true);
        timeLeft->setAlignment(Qt::AlignCenter);
        timeLeft->setText(QStringLiteral("2:00"));
        timeFrame->setPixmap(QPixmap(QStringLiteral("../resources/Frames/AUK_80047_invest_delay_frm.png")));
        label->setPixmap(QPixmap(QStringLiteral("../resources/icons/Icons_fire_reset_lrg_grey.png")));
    }

    QLabel *lblWarning;
    QLabel *timeLeft;
    QLabel *timeFrame;
    QLabel *lblGeneralText;
    QLabel *label;
};

AUK_40060::AUK_40060(QWidget *parent)
    : AUK_20003(parent)
    , m_form(new Form(this))
{
    setObjectName(QStringLiteral("AUK_40060"));
    setTitle(QString());
    m_form->lblWarning->setFont(FontRepository::instance()->bold15());
    m_form->lblGeneralText->setFont(FontRepository::instance()->normal15());
    m_form->timeLeft->setPalette(PaletteRepository::instance()->greyPalette());
    m_form->timeLeft->setFont(FontRepository::instance()->bold24());
    m_form->timeLeft->raise();
    m_form->timeFrame->setVisible(true);
    setRightButtonVisible(false);
    setLeftButtonVisible(false);
    setShadowVisible(false);
}

AUK_40060::~AUK_40060()
{
    delete m_form;
}

void AUK_40060::setWarningText(int kind)
{
    m_form->lblWarning->setText(textOfKind(WarningKeys, kind));
}

void AUK_40060::setGeneralText(int kind)
{
    m_form->lblGeneralText->setText(textOfKind(GeneralKeys, kind));
}

void AUK_40060::setTimeText(const QString &text)
{
    m_form->timeLeft->setText(text);
}

void AUK_40060::setTimeVisible(bool visible)
{
    m_form->timeFrame->setVisible(visible);
    m_form->timeLeft->setVisible(visible);
}
