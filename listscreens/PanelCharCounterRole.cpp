#include "listscreens/PanelCharCounterRole.h"

#include "pointmodels/FilteredRoles.h"

#include <QVariant>

PanelCharCounterRole::PanelCharCounterRole()
    : CounterRole(FilteredRoles::PanelRole, 0, QChar(0))
{
}

QString PanelCharCounterRole::text(const QModelIndex &index) const
{
    const QString unusable = QStringLiteral("!");
    if (!index.isValid())
        return unusable;
    bool ok = false;
    const uint value = index.data(FilteredRoles::PanelRole).toUInt(&ok);
    if (!ok)
        return unusable;
    const quint8 panel = quint8(value & 0xFF);
    if (panel == 255)
        return QString();
    return QStringLiteral("%1").arg(panel, 2, 10, QLatin1Char('0'));
}
