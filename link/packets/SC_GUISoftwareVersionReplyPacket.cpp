#include "link/packets/SC_GUISoftwareVersionReplyPacket.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace {

SC_RequestFields fieldsOf(const SC_GUISoftwareVersionReplyPacket::VersionRecord &record)
{
    return SC_RequestFields()
        .u8(6)
        .u8(1)
        .u32(0)
        .u8(1)
        .u8(0)
        .u8(record.major)
        .u8(record.minor)
        .u8(record.third)
        .u8(0)
        .u8(record.development ? 1 : 0)
        .text(record.buildTime);
}

} // namespace

SC_GUISoftwareVersionReplyPacket::VersionRecord
SC_GUISoftwareVersionReplyPacket::versionRecord(const QString &version, const QString &buildDate,
                                                const QString &buildTime)
{
    VersionRecord record;
    QString numbers = version;
    record.development = numbers.contains(QLatin1Char('d'));
    numbers.remove(QLatin1Char('d'));
    numbers.remove(QRegularExpression(QStringLiteral("[^0-9.]")));
    const QStringList parts = numbers.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    quint8 *const fields[] = {&record.major, &record.minor, &record.third};
    for (int i = 0; i < parts.size() && i < 3; ++i)
        *fields[i] = quint8(parts.at(i).toUInt());

    const QDateTime built =
        QLocale(QStringLiteral("en_US"))
            .toDateTime(buildDate.simplified() + QLatin1Char(' ') + buildTime, QStringLiteral("MMM d yyyy hh:mm:ss"));
    record.buildTime = built.toString(Qt::ISODate) + QLatin1Char('Z');
    return record;
}

SC_GUISoftwareVersionReplyPacket::SC_GUISoftwareVersionReplyPacket(const SC_LkSpeakBasePacket &request,
                                                                   const VersionRecord &record)
    : SC_RequestPacket(fieldsOf(record), request, SubCode)
{
}
