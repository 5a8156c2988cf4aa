#include "screens/popups/AUK_40013.h"

#include "paneldata/PanelConfiguration.h"
#include "pointmodels/model.h"
#include "widgets/FontRepository.h"

#include <QLabel>

namespace {

constexpr int OkPopupKeyId = 10;
constexpr int CancelPopupKeyId = 3;

QLabel *makeLabel(QWidget *parent, const char *name, const QRect &geometry, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    return label;
}

// Minutes and seconds; an hour or more keeps counting in minutes, so that a
// long delay never reads as a short one.
QString delayText(int seconds)
{
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

struct AUK_40013::Form
{
    explicit Form(QWidget *popup)
        : lblAlarmDelay(
            makeLabel(popup, "lblAlarmDelay", QRect(138, 126, 365, 25), FontRepository::instance()->normal22b()))
        , timeValue(makeLabel(popup, "timeValue", QRect(220, 156, 200, 30), FontRepository::instance()->bold22()))
        , lblAlarmWarn(
              makeLabel(popup, "lblAlarmWarn", QRect(138, 185, 365, 50), FontRepository::instance()->normal22b()))
    {
        lblAlarmDelay->setWordWrap(true);
        lblAlarmWarn->setWordWrap(true);
    }

    QLabel *lblAlarmDelay;
    QLabel *timeValue;
    QLabel *lblAlarmWarn;
};

AUK_40013::AUK_40013(QWidget *parent)
    : AUK_20003(parent)
    , m_ui(new Form(this))
{
    setObjectName(QStringLiteral("AUK_40013"));
    setTitle(tr("_INVESTIGATE_DELAY_POPUPTITLE"));
    m_ui->lblAlarmDelay->setText(tr("_INVESTIGATE_DELAY_DESCRIPTION1_POPUPTEXT1EN54"));
    m_ui->lblAlarmWarn->setText(tr("_INVESTIGATE_DELAY_DESCRIPTION2_POPUPTEXT2EN54"));
    setLeftButtonTextById(OkPopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    // Read once: the popup does not count down.
    const quint8 panel = model::instance()->localPanel();
    m_ui->timeValue->setText(delayText(PanelConfiguration::instance()->investigateDelay(panel)));
}

AUK_40013::~AUK_40013()
{
    delete m_ui;
}
