#include "frontpanel/InputSignaller.h"

#include "core/TESKEnumHolder.h"
#include "core/TeskGlobalConfig.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/GlobalShortcuts.h"
#include "frontpanel/KeyDispatchEnvironment.h"
#include "frontpanel/Rbus.h"
#include "link/InvestigateDelayTimer.h"
#include "link/SyncClient.h"
#include "pointmodels/model.h"

#include <QDebug>

using namespace GUICONSTS;

namespace {

bool s_keysEnabled = true;
KeyDispatchEnvironment *s_environment = nullptr;

constexpr int KeySwitchLevel = TESKEnumHolder::EN54_KEY_IN;
constexpr int MonitoredBus = 1;
// Kinds of the front-panel action popup.
constexpr int ConfirmResetKind = 1;
constexpr int ConfirmSilenceKind = 2;
constexpr int NotAvailableKind = 3;

// The screens these keys open are built by later work; until then the key
// says which it would open and does nothing else.
void notBuilt(const char *className)
{
    qDebug() << "InputSignaller:" << className << "is not built yet";
}

bool isTop(const KeyDispatchEnvironment &engine, const QString &name)
{
    const QStringList pages = engine.pageNames();
    return !pages.isEmpty() && pages.constLast() == name;
}

bool contains(const KeyDispatchEnvironment &engine, const QString &name)
{
    return engine.pageNames().contains(name);
}

} // namespace

InputSignaller::InputSignaller()
{
    qRegisterMetaType<GUICONSTS::eKeyTypes>("GUICONSTS::eKeyTypes");
    connect(this, &InputSignaller::keyPressed, GlobalShortcuts::instance(), &GlobalShortcuts::keyPressed);
}

void InputSignaller::setKeysEnabled(bool enabled)
{
    s_keysEnabled = enabled;
}

bool InputSignaller::keysEnabled()
{
    return s_keysEnabled;
}

void InputSignaller::setEnvironment(KeyDispatchEnvironment *environment)
{
    s_environment = environment;
}

KeyDispatchEnvironment *InputSignaller::environment()
{
    return s_environment;
}

KeyDispatchEnvironment *InputSignaller::enabledEngine()
{
    return s_keysEnabled ? s_environment : nullptr;
}

bool InputSignaller::isRepeater(const KeyDispatchEnvironment &engine)
{
    return engine.guiMode() > 1;
}

bool InputSignaller::isBlocked(const KeyDispatchEnvironment &engine)
{
    return isRepeater(engine) || model::instance()->isMasterPanel() || engine.isE30Connected();
}

void InputSignaller::homePressed()
{
    if (KeyDispatchEnvironment *engine = enabledEngine())
        engine->showMainScreen();
    emit keyPressed(HOME_KEY);
}

void InputSignaller::backPressed()
{
    KeyDispatchEnvironment *engine = enabledEngine();
    if (engine && !engine->isMainScreenOnTop() && !isTop(*engine, QStringLiteral("AUK_40008"))) {
        // From the walk-test summary back to the walk-test menu it came from.
        if (isTop(*engine, QStringLiteral("AUK_30065")) && contains(*engine, QStringLiteral("AUK_30061")))
            engine->popNonMatching(QStringLiteral("AUK_30061"));
        else
            engine->pop(1);
    }
    emit keyPressed(BACK_KEY);
}

void InputSignaller::helpPressed()
{
    KeyDispatchEnvironment *engine = enabledEngine();
    if (!engine)
        return;
    for (const char *helpOrFires : {"AUK_30079", "AUK_30092", "AUK_30085"}) {
        if (isTop(*engine, QLatin1String(helpOrFires)))
            return;
    }
    notBuilt("AUK_30079");
}

void InputSignaller::scandinavianPressed()
{
    KeyDispatchEnvironment *engine = enabledEngine();
    if (!engine || isRepeater(*engine))
        return;
    if (engine->isFireActive() && !contains(*engine, QStringLiteral("AUK_30085")))
        engine->showFiresScreen();
    emit userInputReceived();
}

void InputSignaller::summaryPressed(const char *screenName, int summary)
{
    KeyDispatchEnvironment *engine = enabledEngine();
    if (!engine || isBlocked(*engine) || isTop(*engine, QLatin1String(screenName)))
        return;
    engine->showEventsSummary(KeyDispatchEnvironment::EventsSummary(summary));
}

void InputSignaller::generalPressed()
{
    summaryPressed("AUK_30074", KeyDispatchEnvironment::GeneralSummary);
}

void InputSignaller::panelPressed()
{
    summaryPressed("AUK_30075", KeyDispatchEnvironment::PanelSummary);
}

void InputSignaller::soundersPressed()
{
    summaryPressed("AUK_30076", KeyDispatchEnvironment::SoundersSummary);
}

void InputSignaller::protectionPressed()
{
    summaryPressed("AUK_30078", model::instance()->isTemplate1() ? KeyDispatchEnvironment::ControlsSummary
                                                                 : KeyDispatchEnvironment::ProtectionSummary);
}

void InputSignaller::signallingPressed()
{
    // Toggles between the alarm- and the fault-signalling summary.
    KeyDispatchEnvironment *engine = enabledEngine();
    if (!engine || isBlocked(*engine))
        return;
    engine->showEventsSummary(isTop(*engine, QStringLiteral("AUK_30077"))
                                  ? KeyDispatchEnvironment::FaultSignallingSummary
                                  : KeyDispatchEnvironment::AlarmSignallingSummary);
}

void InputSignaller::showActionPopup(KeyDispatchEnvironment &engine, int monitoredKind)
{
    engine.showActionPopup(engine.rbusMode() == MonitoredBus ? monitoredKind : NotAvailableKind);
}

void InputSignaller::silenceSoundersPressed()
{
    KeyDispatchEnvironment *engine = enabledEngine();
    if (!engine || isRepeater(*engine))
        return;
    if (engine->isE30Connected()) {
        showActionPopup(*engine, ConfirmSilenceKind);
        return;
    }
    model *panels = model::instance();
    if (panels->isMasterPanel())
        return;
    if (engine->accessLevel() < KeySwitchLevel && !panels->isTemplate1())
        return;
    engine->showConfirmation(panels->areSoundersSilenced() ? KeyDispatchEnvironment::ResoundSounders
                                                           : KeyDispatchEnvironment::SilenceSounders);
}

void InputSignaller::fireResetKeyPressed()
{
    KeyDispatchEnvironment *engine = enabledEngine();
    if (!engine || isRepeater(*engine))
        return;
    if (engine->isE30Connected()) {
        showActionPopup(*engine, ConfirmResetKind);
        return;
    }
    model *panels = model::instance();
    if (panels->isMasterPanel() || engine->accessLevel() < KeySwitchLevel
        || contains(*engine, QStringLiteral("AUK_40030")))
        return;
    // Sounders still sounding in a fire must be silenced before a reset,
    // unless an investigate delay runs.
    const bool soundersSounding = panels->areSoundersActive() && !panels->areSoundersSilenced();
    if (engine->isFireActive() && !TeskGlobalConfig::instance()->getLogicalAddr() && soundersSounding
        && InvestigateDelayTimer::instance()->currentContext() == 0)
        return;
    engine->showConfirmation(KeyDispatchEnvironment::FireReset);
}

void InputSignaller::setSilenceBuzzerPressed()
{
    if (KeyDispatchEnvironment *engine = s_environment) {
        if (!isRepeater(*engine)) {
            SyncClient::instance()->setSilenceBuzzer();
            // No controller will silence it.
            if (engine->isDisconnected() || engine->isE30Connected())
                engine->disableBuzzer();
        } else if (engine->isE30Connected()) {
            engine->disableBuzzer();
        } else {
            Rbus::instance()->silenceBuzzerPress();
        }
    }
    emit keyPressed(SILENCE_BUZZER_KEY);
}

void InputSignaller::screenshotPressed()
{
}

void InputSignaller::cancelPopup()
{
    if (s_environment)
        s_environment->pop(1);
}

void InputSignaller::confirmSounders()
{
    cancelPopup();
    SyncClient::instance()->setSilenceResoundSounders();
}

void InputSignaller::confirmFireReset()
{
    cancelPopup();
    SyncClient::instance()->fireResetSlot();
    DB_TESK_FP_Interface::instance()->clearSystemFaultLED();
}
