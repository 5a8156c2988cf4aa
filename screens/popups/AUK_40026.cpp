#include "screens/popups/AUK_40026.h"

#include "app/PageStack.h"
#include "core/TeskGlobalConfig.h"
#include "pointmodels/model.h"

namespace {

enum Kind { FireReset = 0, TimeRemaining = 1, PanelSync = 2, StartupLogOnWait = 3 };

enum WarningKind { FireResetWarning = 0, PanelInitWarning = 1, PanelSyncWarning = 2 };
enum GeneralKind { StartupWaitGeneral = 0, TimeRemainingGeneral = 1 };

constexpr int CancelPopupKeyId = 3;

} // namespace

AUK_40026::AUK_40026(int kind, QWidget *parent)
    : AUK_40060(parent)
    , m_kind(kind)
{
    updateLanguage();
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40026::cancelClicked);
    connect(TeskGlobalConfig::instance(), &TeskGlobalConfig::updateLanguage, this, &AUK_40026::updateLanguage);
}

void AUK_40026::updateLanguage()
{
    setGeneralText(TimeRemainingGeneral);
    switch (m_kind) {
    case FireReset:
        setTitle(tr("_FIRE_RESET_IN_PROGRESS_POPUPTITLE"));
        setWarningText(FireResetWarning);
        break;
    case PanelSync:
        setTitle(tr("_PANEL_SYNC_IN_PROGRESS_POPUPTITLE"));
        setWarningText(PanelSyncWarning);
        break;
    case StartupLogOnWait:
        setTitle(tr("_PANEL_STARTUP_WAIT_LOGIN_RESPONSE_POPUPTITLE"));
        setWarningText(PanelInitWarning);
        setGeneralText(StartupWaitGeneral);
        setTimeVisible(false);
        setRightButtonTextById(CancelPopupKeyId);
        setRightButtonVisible(true);
        setShadowVisible(true);
        break;
    default:
        break;
    }
}

// Minutes and seconds, each at least two digits: 6000 s show as 100:00.
void AUK_40026::showTimeLeft(int seconds)
{
    if (seconds == 0) {
        setTimeText(QStringLiteral("--:--"));
        return;
    }
    const QLatin1Char zero('0');
    setTimeText(QStringLiteral("%1:%2").arg(seconds / 60, 2, 10, zero).arg(seconds % 60, 2, 10, zero));
}

// While the panel is still starting up there is no screen to go back to
// but the main one.
void AUK_40026::cancelClicked()
{
    if (model::instance()->isMasterPanel())
        PageStack::instance()->showMainScreen(false);
    else
        PageStack::instance()->remove(this);
}
