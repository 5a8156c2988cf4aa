#include "screens/popups/AUK_40053.h"

#include "app/PageStack.h"
#include "core/BucketKeys.h"
#include "core/BucketMaster.h"
#include "screens/popups/PopupOptions.h"
#include "widgets/AUK_90003.h"
#include "widgets/FontRepository.h"

#include <QLabel>
#include <QTime>

namespace {

using PopupOptions::optionItem;

constexpr int OkPopupKeyId = 10;
constexpr int CancelPopupKeyId = 3;
constexpr int CommissioningBucket = 27;
// The panel isolates its non-LED outputs for two hours at most.
constexpr int LongestTimeoutSeconds = 7200;

// The time-out as hh:mm:ss, or empty when the panel's value is no time the
// isolation can have left.
QString timeLeft(const QString &value)
{
    bool ok = false;
    const int seconds = value.toInt(&ok);
    if (!ok || seconds < 0 || seconds > LongestTimeoutSeconds)
        return QString();
    return QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
}

} // namespace

AUK_40053::AUK_40053(quint8 panel, QWidget *parent)
    : AUK_20002(parent)
    , m_secondaryTitle(new QLabel(this))
    , m_isolateItem(optionItem(this, "isolateItem", 141, tr("_ISOLATE_ALL_NON_LED_OUTPUTS_POPUPITEM")))
    , m_extendItem(optionItem(this, "extendItem", 191, tr("_EXTEND_TIMEOUT_POPUPITEM")))
    , m_enableItem(optionItem(this, "enableItem", 241, tr("_DEISOLATE_ALL_NON_LED_OUTPUTS_POPUPITEM")))
    , m_enableNonActiveItem(
          optionItem(this, "enableNonActiveItem", 291, tr("_DEISOLATE_NON_ACTIVE_NON_LED_OUTPUTS_POPUPITEM")))
    , m_panel(panel)
{
    qRegisterMetaType<LkSpeak::ePointManagerServicesControlID>("LkSpeak::ePointManagerServicesControlID");
    setObjectName(QStringLiteral("AUK_40053"));
    setTitle(tr("_NON_LED_OUTPUTS_POPUPTITLE"));
    m_secondaryTitle->setObjectName(QStringLiteral("secondaryTitle"));
    m_secondaryTitle->setGeometry(140, 66, 368, 50);
    m_secondaryTitle->setAlignment(Qt::AlignCenter);
    m_secondaryTitle->setFont(FontRepository::instance()->bold15());
    m_secondaryTitle->setText(tr("_NON_LED_OUTPUTS_POPUPTITLE"));
    m_isolateItem->setChecked(true);
    PopupOptions::addRules(this, 5);
    connect(this, &BasePopup::leftButtonClicked, this, &AUK_40053::Ok);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40053::Cancel);
    setLeftButtonTextById(OkPopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    BucketMaster::instance()->connectBucketUpdated(CommissioningBucket, this, [this] { updateTimeoutString(); });
}

void AUK_40053::Ok()
{
    Option option = NoOption;
    if (m_isolateItem->isChecked())
        option = IsolateAll;
    else if (m_extendItem->isChecked())
        option = ExtendTimeout;
    else if (m_enableItem->isChecked())
        option = DeIsolateAll;
    else if (m_enableNonActiveItem->isChecked())
        option = DeIsolateNonActive;
    emit commandSelected(LkSpeak::ePointManagerServicesControlID(option));
}

void AUK_40053::Cancel()
{
    PageStack::instance()->pop(1);
}

// A negative time-out is as meaningless as one above two hours: both read
// as invalid rather than as a time.
void AUK_40053::updateTimeoutString()
{
    const QString value = BucketMaster::instance()->getValue(CommissioningBucket,
                                                             BucketKeys::panelKey(m_panel, BucketKeys::optReEnbleTmr));
    const QString time = timeLeft(value);
    m_secondaryTitle->setText(tr("_TIMEOUT_IN_POPUPTITLE") + QStringLiteral(": ")
                              + (time.isEmpty() ? tr("_INVALID_INFOTEXT") : time));
}
