#include "pointmodels/SyncDisableLoader.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

constexpr int Enable = 0;
constexpr int Disable = 1;
constexpr int Inputs = 1;

const char *const ActionInfoTexts[] = {
    QT_TRANSLATE_NOOP("QObject", "_DISABLE_OFF_214_18_INFOTEXTSTYLE"),
    QT_TRANSLATE_NOOP("QObject", "_DISABLE_ON_214_18_INFOTEXTSTYLE"),
};

const char *const ProgressTitles[] = {
    QT_TRANSLATE_NOOP("QObject", "_DISABLE_OFF_PROGRESS_POPUPTITLE"),
    QT_TRANSLATE_NOOP("QObject", "_DISABLE_ON_PROGRESS_POPUPTITLE"),
};

QString actionText(const char *const (&texts)[2], int action)
{
    if (action != Enable && action != Disable)
        return QString();
    return QCoreApplication::translate("QObject", texts[action]);
}

} // namespace

int SyncDisableLoader::convertAction(int selectorValue)
{
    switch (selectorValue) {
    case 1:
        return Disable;
    case 2:
    case 3:
        return Enable;
    default:
        qWarning() << "SyncDisableLoader::convertAction"
                   << ": Defaulting DISABLEM_ENABLE";
        return Enable;
    }
}

int SyncDisableLoader::convertDirection(int selectorValue)
{
    if (selectorValue >= 1 && selectorValue <= 3)
        return selectorValue;
    qWarning() << "SyncDisableLoader::convertDirection"
               << ": Defaulting disablementScope ID didn't recognise direction given";
    return Inputs;
}

QString disableActionInfoText(int action)
{
    return actionText(ActionInfoTexts, action);
}

QString disableProgressTitle(int action)
{
    return actionText(ProgressTitles, action);
}
