#include "widgets/AutoTestSoundersDelegate.h"

AutoTestSoundersDelegate::AutoTestSoundersDelegate(QObject *parent)
    : ToolCardDelegate({58, 62, 59, 60, 108, 139}, parent)
{
}
