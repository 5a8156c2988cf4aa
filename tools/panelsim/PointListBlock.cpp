#include "PointListBlock.h"

#include "LkSpeakCodec.h"

namespace {

const PacketKind HeadFields{"point list", 0, 0, {{"kind", FieldType::U8}, {"panel", FieldType::U8}}};
const PacketKind IndividualFields{"individual points", 0, 0, {{"count", FieldType::U8}}};
const PacketKind EntryFields{
    "point entry", 0, 0, {{"byte0", FieldType::U8}, {"byte1", FieldType::U8}, {"point", FieldType::U8}}};
const PacketKind WildCardFields{"wildcard points",
                                0,
                                0,
                                {{"byte0", FieldType::U8},
                                 {"byte1", FieldType::U8},
                                 {"p1", FieldType::U8},
                                 {"p2", FieldType::U8},
                                 {"p3", FieldType::U8},
                                 {"p4", FieldType::U8},
                                 {"p5", FieldType::U8}}};
const PacketKind MappingFields{"wildcard mapping", 0, 0, {{"mapping", FieldType::U8}, {"constant", FieldType::U8}}};

quint8 byteOf(const QVariantMap &fields, const char *name)
{
    return quint8(fields.value(QLatin1String(name)).toUInt());
}

} // namespace

std::optional<PointListBlock> PointListBlock::read(const QByteArray &bytes)
{
    const std::optional<QVariantMap> head = LkSpeakCodec::readPayload(HeadFields, bytes);
    if (!head)
        return std::nullopt;
    PointListBlock block;
    block.kind = byteOf(*head, "kind");
    block.panel = byteOf(*head, "panel");
    QByteArray rest = head->value(QStringLiteral("trailing")).toByteArray();
    if (block.kind == Individual) {
        const std::optional<QVariantMap> count = LkSpeakCodec::readPayload(IndividualFields, rest);
        if (!count)
            return std::nullopt;
        rest = count->value(QStringLiteral("trailing")).toByteArray();
        for (int i = 0; i < count->value(QStringLiteral("count")).toInt(); ++i) {
            const std::optional<QVariantMap> entry = LkSpeakCodec::readPayload(EntryFields, rest);
            if (!entry)
                return std::nullopt;
            block.entries.append({byteOf(*entry, "byte0"), byteOf(*entry, "byte1"), byteOf(*entry, "point")});
            rest = entry->value(QStringLiteral("trailing")).toByteArray();
        }
        return rest.isEmpty() ? std::optional<PointListBlock>(block) : std::nullopt;
    }
    if (block.kind != WildCard)
        return std::nullopt;
    const std::optional<QVariantMap> pattern = LkSpeakCodec::readPayload(WildCardFields, rest);
    if (!pattern)
        return std::nullopt;
    block.entries.append({byteOf(*pattern, "byte0"), byteOf(*pattern, "byte1"), byteOf(*pattern, "p1")});
    for (const char *name : {"p1", "p2", "p3", "p4", "p5"})
        block.pattern.append(byteOf(*pattern, name));
    rest = pattern->value(QStringLiteral("trailing")).toByteArray();
    if (block.pattern.last() == MappedSelector) {
        const std::optional<QVariantMap> mapping = LkSpeakCodec::readPayload(MappingFields, rest);
        if (!mapping)
            return std::nullopt;
        block.zoneMap = mapping->value(QStringLiteral("trailing")).toByteArray();
        rest.clear();
    }
    return rest.isEmpty() ? std::optional<PointListBlock>(block) : std::nullopt;
}
