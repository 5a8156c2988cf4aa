#pragma once

#include "core/SC_Singleton.h"
#include "frontpanel/GUICONSTS.h"

#include <QObject>

class KeyDispatchEnvironment;

// Where the panel's keys and touches reach the engine: each key slot decides
// from the log-on, the connection and the configuration what the key does,
// and the two signals tell the rest of the engine that a key or a touch came.
class InputSignaller final
    : public QObject
    , public SC_Singleton<InputSignaller>
{
    Q_OBJECT

public:
    // The standby countdown disables the keys while its popup shows.
    static void setKeysEnabled(bool enabled);
    static bool keysEnabled();
    static void setEnvironment(KeyDispatchEnvironment *environment);
    static KeyDispatchEnvironment *environment();

signals:
    void userInputReceived();
    void keyPressed(GUICONSTS::eKeyTypes key);

public slots:
    void homePressed();
    void scandinavianPressed();
    void backPressed();
    void helpPressed();
    void silenceSoundersPressed();
    void setSilenceBuzzerPressed();
    void fireResetKeyPressed();
    void generalPressed();
    void panelPressed();
    void soundersPressed();
    void signallingPressed();
    void protectionPressed();
    // The screenshot key is wired but has no effect.
    void screenshotPressed();
    void cancelPopup();
    void confirmSounders();
    void confirmFireReset();

private:
    friend class SC_Singleton<InputSignaller>;

    InputSignaller();

    // The engine when keys are enabled, else null.
    static KeyDispatchEnvironment *enabledEngine();
    static bool isRepeater(const KeyDispatchEnvironment &engine);
    // A repeater, the network master and an E30 link take no summary keys.
    static bool isBlocked(const KeyDispatchEnvironment &engine);
    void summaryPressed(const char *screenName, int summary);
    void showActionPopup(KeyDispatchEnvironment &engine, int monitoredKind);
};
