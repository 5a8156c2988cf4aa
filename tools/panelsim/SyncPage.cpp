#include "SyncPage.h"

#include "LkSpeakCodec.h"

#include <QHash>

namespace {

const PacketKind PageHeader{"page header",
                            245,
                            10,
                            {{"sub", FieldType::U8},
                             {"page", FieldType::U8},
                             {"panel", FieldType::U8},
                             {"part", FieldType::U8},
                             {"signature", FieldType::U32}}};

} // namespace

namespace SyncPage {

QByteArray payload(int page, quint8 panel, const QByteArray &body, quint8 part)
{
    const QVariantMap header{{"page", page}, {"panel", panel}, {"part", part}, {"signature", qHash(body, uint(page))}};
    return LkSpeakCodec::writePayload(PageHeader, header) + body;
}

std::optional<Identity> identify(const QByteArray &payload)
{
    const std::optional<QVariantMap> fields = LkSpeakCodec::readPayload(PageHeader, payload);
    if (!fields || fields->value(QStringLiteral("sub")).toInt() != PageHeader.subCode)
        return std::nullopt;
    return Identity{
        quint8(fields->value(QStringLiteral("page")).toUInt()), quint8(fields->value(QStringLiteral("panel")).toUInt()),
        quint8(fields->value(QStringLiteral("part")).toUInt()), fields->value(QStringLiteral("signature")).toUInt()};
}

} // namespace SyncPage
