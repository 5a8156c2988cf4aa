#include "core/BucketKeys.h"

#include <QLatin1String>
#include <QStringList>
#include <QVariant>

namespace BucketKeys {

QString panelKey(unsigned int panel, const char *name)
{
    return QStringLiteral("%1|%2").arg(panel).arg(QLatin1String(name));
}

QString panelPrefix(unsigned int panel)
{
    return QStringLiteral("%1|").arg(panel);
}

QString commissioningFlagKey(unsigned int panel, const char *flag)
{
    return QStringLiteral("%1|%2|%3").arg(panel).arg(QLatin1String(smplMds), QLatin1String(flag));
}

QString loopStatusKey(unsigned int panel, unsigned int loop)
{
    return QStringLiteral("%1|%2|%3").arg(QLatin1String(lsr)).arg(panel).arg(loop);
}

QString measureUnitKey(unsigned int unitType, unsigned int languageSlot)
{
    return QStringLiteral("%1|%2|%3").arg(QLatin1String(measureUnitTyp)).arg(unitType).arg(languageSlot);
}

} // namespace BucketKeys

namespace BucketValues {

unsigned int toCount(const QString &value)
{
    return value.toUInt();
}

bool isFlagSet(const QString &value)
{
    return toCount(value) != 0;
}

bool isOne(const QString &value)
{
    return value == QLatin1String(BucketKeys::one);
}

bool toBool(const QString &value)
{
    return QVariant(value).toBool();
}

bool isFlagCharSet(const QString &flags, quint8 index)
{
    return index < flags.size() && flags.at(index) != QLatin1Char(BucketKeys::zero[0]);
}

QList<unsigned int> toNumbers(const QString &value)
{
    QList<unsigned int> numbers;
    if (value.isEmpty())
        return numbers;
    const QStringList fields = value.split(QLatin1Char(BucketKeys::separator));
    for (const QString &field : fields)
        numbers << toCount(field);
    return numbers;
}

unsigned int toTemplateId(const QString &value)
{
    const unsigned int id = toCount(value);
    return id == 1 || id == 2 ? id : 0;
}

} // namespace BucketValues
