#include "frontpanel/GlobalShortcuts.h"

#include "frontpanel/InputSignaller.h"
#include "frontpanel/KeyDispatchEnvironment.h"

#include <QDebug>

using namespace GUICONSTS;

namespace {

constexpr int OverridePermission = 2;

} // namespace

GlobalShortcuts::GlobalShortcuts()
    : m_shortcuts{{0, ServiceMenu, {BACK_KEY, BACK_KEY, HOME_KEY, HOME_KEY}},
                  {0, BuzzerOverride, {SILENCE_BUZZER_KEY, SILENCE_BUZZER_KEY, SILENCE_BUZZER_KEY, SILENCE_BUZZER_KEY}}}
{
}

void GlobalShortcuts::keyPressed(GUICONSTS::eKeyTypes key)
{
    for (KeySequenceShortcut &shortcut : m_shortcuts) {
        if (shortcut.advance(key))
            fire(shortcut.action);
    }
}

void GlobalShortcuts::fire(int action)
{
    KeyDispatchEnvironment *engine = InputSignaller::environment();
    if (!engine)
        return;
    if (action == ServiceMenu && engine->isDisconnected())
        qDebug() << "GlobalShortcuts: the service menu AUK_30111 is not built yet";
    else if (action == BuzzerOverride && engine->hasPermission(OverridePermission))
        qDebug() << "GlobalShortcuts: the buzzer override popup AUK_40007 is not built yet";
}

void GlobalShortcuts::setBuzzerOverride()
{
    KeyDispatchEnvironment *engine = InputSignaller::environment();
    if (!engine)
        return;
    engine->pop(1);
    engine->setBuzzerOverride();
}
