#include "widgets/LoopScanListDelegate.h"

namespace {

const QVector<int> kRoles = {56, 106, 105, 58, 62, 59, 60};

} // namespace

LoopScanListDelegate::LoopScanListDelegate(QObject *parent)
    : EventListDelegate(&kRoles, parent, false, false, false)
{
}
