#include "widgets/DeviceDatesCardDelegate.h"

DeviceDatesCardDelegate::DeviceDatesCardDelegate(QObject *parent)
    : ToolCardDelegate({58, 62, 59, 60, 114, 108, 109, 115}, parent)
{
}
