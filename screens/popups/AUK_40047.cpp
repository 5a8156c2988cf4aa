#include "screens/popups/AUK_40047.h"

#include "core/BucketMaster.h"
#include "core/GlobalConstants.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/SWVersions.h"
#include "pointmodels/model.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include <array>

namespace {

constexpr int SoftwareVersionsBucket = 4;
constexpr int VersionRows = 4;

const char *const VersionTitleKeys[VersionRows] = {
    QT_TRANSLATE_NOOP("AUK_40047", "_VER_GUI_FW_LISTITEM"),
    QT_TRANSLATE_NOOP("AUK_40047", "_VER_PANELFIRMWARE_LISTITEM"),
    QT_TRANSLATE_NOOP("AUK_40047", "_VER_PROJECT_LISTITEM"),
    QT_TRANSLATE_NOOP("AUK_40047", "_VER_TEMPLATE_LISTITEM"),
};

// The rows are 50 pixels apart; a separator lies between each two.
constexpr int FirstRowY = 210;
constexpr int RowStep = 50;
// The separators keep the names of the popup's first layout.
const char *const LineNames[VersionRows - 1] = {"line_2", "line_1", "line_3"};

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

} // namespace

// The time display spans the inside of its frame, centred on it: "01:37"
// in the bold 24 font needs more than 75 pixels.
struct AUK_40047::Form
{
    explicit Form(QWidget *popup)
        : lblWarning(makeLabel(popup, QStringLiteral("lblWarning"), QRect(180, 66, 289, 20)))
        , lblGeneralText(makeLabel(popup, QStringLiteral("lblGeneralText"), QRect(180, 97, 285, 60)))
        , label(makeLabel(popup, QStringLiteral("label"), QRect(130, 70, 64, 95)))
        , timeFrame(makeLabel(popup, QStringLiteral("timeFrame"), QRect(240, 140, 181, 51)))
        , timeLeft(makeLabel(popup, QStringLiteral("timeLeft"), QRect(255, 154, 151, 21)))
    {
        const FontRepository *fonts = FontRepository::instance();
        lblWarning->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblWarning->setWordWrap(false);
        lblWarning->setFont(fonts->bold15());
        lblGeneralText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblGeneralText->setWordWrap(true);
        lblGeneralText->setFont(fonts->normal15());
        label->setPixmap(QPixmap(QStringLiteral("../resources/icons/Icons_fire_reset_lrg_grey.png")));
        timeFrame->setPixmap(QPixmap(QStringLiteral("../resources/Frames/AUK_80047_invest_delay_frm.png")));
        timeFrame->setVisible(true);
        timeLeft->setAlignment(Qt::AlignCenter);
        timeLeft->setFont(fonts->bold24());
        timeLeft->setPalette(PaletteRepository::instance()->greyPalette());
        timeLeft->setText(QStringLiteral("2:00"));
        timeLeft->raise();
        for (int row = 0; row < VersionRows; ++row) {
            const int y = FirstRowY + RowStep * row;
            titles[row] = makeLabel(popup, QStringLiteral("lblVersionTitle_%1").arg(row + 1), QRect(135, y, 170, 21));
            titles[row]->setFont(fonts->normal15());
            titles[row]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            texts[row] = makeLabel(popup, QStringLiteral("lblVersionText_%1").arg(row + 1), QRect(305, y, 200, 21));
            texts[row]->setFont(fonts->bold15());
            texts[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (row + 1 < VersionRows) {
                auto *line = new QFrame(popup);
                line->setObjectName(QLatin1String(LineNames[row]));
                line->setGeometry(135, y + 25, 370, 16);
                line->setFrameShape(QFrame::HLine);
                line->setFrameShadow(QFrame::Plain);
            }
        }
    }

    QLabel *lblWarning;
    QLabel *lblGeneralText;
    QLabel *label;
    QLabel *timeFrame;
    QLabel *timeLeft;
    std::array<QLabel *, VersionRows> titles{};
    std::array<QLabel *, VersionRows> texts{};
};

AUK_40047::AUK_40047(int context, QWidget *parent)
    : AUK_20002(parent)
    , m_form(new Form(this))
{
    Q_UNUSED(context)
    setObjectName(QStringLiteral("AUK_40047"));
    setRightButtonVisible(false);
    setLeftButtonVisible(false);
    setShadowVisible(false);
    updateLanguage();
    setVersionText();
    connect(TeskGlobalConfig::instance(), &TeskGlobalConfig::updateLanguage, this, &AUK_40047::updateLanguage);
    BucketMaster::instance()->connectBucketUpdated(SoftwareVersionsBucket, this, [this] { setVersionText(); });
}

AUK_40047::~AUK_40047()
{
    delete m_form;
}

void AUK_40047::updateLanguage()
{
    setTitle(tr("_PANEL_INIT_IN_PROGRESS_POPUPTITLE"));
    m_form->lblWarning->setText(QCoreApplication::translate("AUK_40060", "_PANEL_INIT_WAIT_289_20_BODYTEXTSTYLE"));
    m_form->lblGeneralText->setText(tr("_PANEL_INIT_IN_PROGRESS_INFOTEXT"));
    for (int row = 0; row < VersionRows; ++row)
        m_form->titles[row]->setText(tr(VersionTitleKeys[row]));
}

void AUK_40047::setVersionText()
{
    const quint8 panel = model::instance()->localPanel();
    const QVector<EquipmentRecord> boards = SWVersions::instance()->panelBoardVersions(panel);
    const QString firmware = boards.isEmpty() ? QString() : SWVersions::versionTextOf(boards.first(), 0);
    const PanelConfiguration *configuration = PanelConfiguration::instance();
    m_form->texts[0]->setText(QLatin1String(GlobalConstants::engineVersion));
    m_form->texts[1]->setText(firmware);
    m_form->texts[2]->setText(configuration->projectName(panel));
    m_form->texts[3]->setText(configuration->projectTemplateName(panel));
}

void AUK_40047::setCountdown(quint16 seconds)
{
    if (seconds == 0) {
        m_form->timeLeft->setText(QStringLiteral("     "));
        return;
    }
    const QLatin1Char zero('0');
    m_form->timeLeft->setText(QStringLiteral("%1:%2").arg(seconds / 60, 2, 10, zero).arg(seconds % 60, 2, 10, zero));
}
