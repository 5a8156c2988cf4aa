#include "listscreens/LoopCharCounterRole.h"

#include "paneldata/BasicPointAddress.h"
#include "pointmodels/FilteredRoles.h"

#include <QModelIndex>

namespace {

constexpr uint AllLoops = 255;

} // namespace

LoopCharCounterRole::LoopCharCounterRole()
    : CounterRole(FilteredRoles::LoopRole, 1, QLatin1Char('0'))
{
}

QString LoopCharCounterRole::text(const QModelIndex &index) const
{
    bool number = false;
    const uint loop = index.isValid() ? index.data(FilteredRoles::LoopRole).toUInt(&number) : 0;
    if (!number || loop > AllLoops)
        return QStringLiteral("!");
    if (loop == AllLoops)
        return QString();
    return BasicPointAddress::loopLabel(quint8(loop), BasicPointAddress::ConfiguredLoopFormat);
}
