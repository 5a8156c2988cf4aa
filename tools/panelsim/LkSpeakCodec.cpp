#include "LkSpeakCodec.h"

#include <array>

namespace {

struct HeaderField
{
    int width;
    std::array<int, 2> offset; // -1: not in that layout
    quint32 LkHeader::*member;
};

const std::array<HeaderField, 11> HeaderFields{{
    {4, {0, 0}, &LkHeader::length},
    {1, {-1, 4}, &LkHeader::marker},
    {1, {4, 5}, &LkHeader::destination},
    {1, {5, 6}, &LkHeader::source},
    {1, {6, 7}, &LkHeader::function},
    {2, {7, 8}, &LkHeader::firstAddress},
    {1, {9, 10}, &LkHeader::firstService},
    {2, {10, 11}, &LkHeader::secondAddress},
    {1, {12, 13}, &LkHeader::secondService},
    {1, {13, 14}, &LkHeader::sequence},
    {1, {-1, 15}, &LkHeader::reserved},
}};

int widthOf(FieldType type)
{
    switch (type) {
    case FieldType::U8:
        return 1;
    case FieldType::U16:
        return 2;
    case FieldType::U32:
        return 4;
    case FieldType::Bytes:
        break;
    }
    return 0;
}

void put(QByteArray &bytes, int at, int width, quint32 value)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char(value >> (8 * (width - 1 - i)));
}

quint32 get(const QByteArray &bytes, int at, int width)
{
    quint32 value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | quint8(bytes.at(at + i));
    return value;
}

const QVector<PacketKind> Kinds = {
    {"connection-request",
     245,
     18,
     {{"sub", FieldType::U8},
      {"spare1", FieldType::U8},
      {"controllerType", FieldType::U8},
      {"spare3", FieldType::U8},
      {"networkNode", FieldType::U8},
      {"spare5", FieldType::U8},
      {"connectionNode", FieldType::U8}}},
    {"connection-response",
     245,
     19,
     {{"sub", FieldType::U8},
      {"constant", FieldType::Bytes, nullptr, 6},
      {"keyLength", FieldType::U8},
      {"key", FieldType::Bytes, "keyLength"}}},
    {"supervision",
     245,
     25,
     {{"sub", FieldType::U8},
      {"s1", FieldType::U8},
      {"s2", FieldType::U8},
      {"s3", FieldType::U8},
      {"s4", FieldType::U8}}},
    {"acknowledgement", 245, 1, {{"sub", FieldType::U8}, {"answer", FieldType::U8}}},
    {"logged-on-user",
     245,
     4,
     {{"sub", FieldType::U8},
      {"user", FieldType::U8},
      {"level", FieldType::U8},
      {"nameLength", FieldType::U8},
      {"name", FieldType::Bytes, "nameLength"}}},
    // The count entries follow as trailing bytes: index, value (u16).
    {"high-priority",
     245,
     5,
     {{"sub", FieldType::U8}, {"word", FieldType::U16}, {"flags", FieldType::U8}, {"entries", FieldType::U8}}},
    {"signature-request",
     245,
     7,
     {{"sub", FieldType::U8},
      {"page", FieldType::U8},
      {"panel", FieldType::U8},
      {"part", FieldType::U8},
      {"signature", FieldType::U32}}},
    {"signature-reply",
     245,
     8,
     {{"sub", FieldType::U8},
      {"page", FieldType::U8},
      {"part", FieldType::U8},
      {"panel", FieldType::U8},
      {"valid", FieldType::U8},
      {"signature", FieldType::U32}}},
    // The panel bitmap follows as trailing bytes.
    {"status-update",
     245,
     9,
     {{"sub", FieldType::U8},
      {"page", FieldType::U8},
      {"selector", FieldType::U8},
      {"part", FieldType::U8},
      {"status", FieldType::U8},
      {"first", FieldType::U8},
      {"count", FieldType::U8}}},
    {"clear-panel-data", 245, 15, {{"sub", FieldType::U8}, {"kind", FieldType::U8}}},
    {"signature-transfer-request", 245, 16, {{"sub", FieldType::U8}, {"panel", FieldType::U8}}},
    // The panel groups follow as trailing bytes.
    {"signature-transfer-reply", 245, 17, {{"sub", FieldType::U8}, {"panels", FieldType::U8}}},
    {"engine-configuration",
     245,
     21,
     {{"sub", FieldType::U8},
      {"firstLanguage", FieldType::U8},
      {"secondLanguage", FieldType::U8},
      {"languageUsage", FieldType::U8},
      {"dateFormat", FieldType::U8},
      {"reserved", FieldType::U8},
      {"firstFlags", FieldType::U8},
      {"secondFlags", FieldType::U8},
      {"panel", FieldType::U8},
      {"resetCode1", FieldType::U16},
      {"resetCode2", FieldType::U16},
      {"firstCodepage", FieldType::U16},
      {"secondCodepage", FieldType::U16},
      {"customLink1", FieldType::U8},
      {"customLink2", FieldType::U8},
      {"logoutMinutes", FieldType::U8},
      {"inputChannel", FieldType::U8},
      {"rbusAddress", FieldType::U8},
      {"version", FieldType::U16},
      {"brand", FieldType::U8},
      {"mask", FieldType::U16},
      {"maskExt", FieldType::U16}}},
    {"sync-complete",
     245,
     24,
     {{"sub", FieldType::U8}, {"keyLength", FieldType::U8}, {"key", FieldType::Bytes, "keyLength"}}},
    // Function codes without a sub-code.
    {"eventlog-ack",
     146,
     NoSubCode,
     {{"client", FieldType::U16}, {"sequence", FieldType::U16}, {"status", FieldType::U8}, {"type", FieldType::U8}}},
    // Further changes follow as trailing bytes.
    {"input-point-change", 37, NoSubCode, {{"group", FieldType::U8}, {"input", FieldType::U8}}},
    // The information text id follows as a trailing byte when "ext" is 4.
    {"eventlog-data",
     139,
     NoSubCode,
     {{"node", FieldType::U8},        {"channel", FieldType::U8},    {"channelAddr", FieldType::U8},
      {"pointCat", FieldType::U8},    {"point", FieldType::U8},      {"logicalPoint", FieldType::U8},
      {"logicalZone", FieldType::U8}, {"deviceType", FieldType::U8}, {"eventCode", FieldType::U16},
      {"seqNo", FieldType::U16},      {"zone", FieldType::U8},       {"sector", FieldType::U8},
      {"time", FieldType::U32},       {"priority", FieldType::U8},   {"stdPriority", FieldType::U8},
      {"category", FieldType::U8},    {"status", FieldType::U8},     {"accept", FieldType::U8},
      {"pointBits", FieldType::U8},   {"client", FieldType::U16},    {"total", FieldType::U16},
      {"position", FieldType::U16},   {"ext", FieldType::U8}}},
    {"eventlog-accept",
     141,
     NoSubCode,
     {{"node", FieldType::U8},
      {"channel", FieldType::U8},
      {"channelAddr", FieldType::U8},
      {"seqNo", FieldType::U16},
      {"eventCode", FieldType::U16},
      {"client", FieldType::U16},
      {"end", FieldType::U8}}},
    {"eventlog-registration",
     142,
     NoSubCode,
     {{"lead", FieldType::U8},
      {"first", FieldType::U8},
      {"second", FieldType::U16},
      {"third", FieldType::U8},
      {"fourth", FieldType::U8},
      {"filter", FieldType::Bytes, nullptr, 20}}},
    {"eventlog-deregistration", 143, NoSubCode, {{"client", FieldType::U16}}},
    // The entries follow as trailing bytes: node, channel, channel address,
    // sequence number (u16), event code (u16).
    {"events-accepted", 246, 1, {{"sub", FieldType::U8}, {"reference", FieldType::U16}, {"count", FieldType::U8}}},
    // The engine's commands. A GUI command's own fields follow as trailing
    // bytes.
    {"gui-command", 245, 100, {{"sub", FieldType::U8}, {"command", FieldType::U8}}},
    {"logon",
     245,
     2,
     {{"sub", FieldType::U8},
      {"user", FieldType::U8},
      {"spare", FieldType::U8},
      {"length", FieldType::U8},
      {"passcode", FieldType::Bytes, "length"}}},
    {"logoff", 245, 3, {{"sub", FieldType::U8}}},
    {"version-reply",
     233,
     20,
     {{"sub", FieldType::U8},
      {"constant1", FieldType::U8},
      {"constant2", FieldType::U8},
      {"zero", FieldType::U32},
      {"records", FieldType::U8},
      {"spare1", FieldType::U8},
      {"major", FieldType::U8},
      {"minor", FieldType::U8},
      {"third", FieldType::U8},
      {"spare2", FieldType::U8},
      {"development", FieldType::U8},
      {"timeLength", FieldType::U8},
      {"built", FieldType::Bytes, "timeLength"}}},
    // The bus statistics request carries node and reset flag as trailing
    // bytes.
    {"diagnostics-request", 233, 26, {{"sub", FieldType::U8}, {"kind", FieldType::U8}}},
    {"connected-services-request", 233, 28, {{"sub", FieldType::U8}, {"request", FieldType::U8}}},
    // The request's constant bytes follow as trailing bytes.
    {"point-information-request",
     148,
     NoSubCode,
     {{"panel", FieldType::U8},
      {"byte0", FieldType::U8},
      {"byte1", FieldType::U8},
      {"number", FieldType::U8},
      {"point", FieldType::U8}}},
    {"next-point-information", 150, NoSubCode, {{"cursor", FieldType::U16}}},
    {"text-request",
     116,
     NoSubCode,
     {{"panel", FieldType::U8},
      {"isPoint", FieldType::U8},
      {"byte0", FieldType::U8},
      {"byte1", FieldType::U8},
      {"number", FieldType::U8},
      {"point", FieldType::U8},
      {"isZone", FieldType::U8},
      {"zone", FieldType::U8},
      {"language", FieldType::U8}}},
    {"loop-shutdown-restart", 179, NoSubCode, {{"restart", FieldType::U8}, {"loop", FieldType::U8}}},
    {"restart-panel", 182, NoSubCode, {{"spare", FieldType::U8}}},
    {"fast-fault-mode", 191, NoSubCode, {{"mode", FieldType::U8}}},
    {"point-status-update",
     135,
     NoSubCode,
     {{"first", FieldType::U8}, {"second", FieldType::U8}, {"blocks", FieldType::U8}, {"all", FieldType::U8}}},
    {"network-fault-request", 9, NoSubCode, {{"kind", FieldType::U8}}},
    {"legacy-network-fault-request", 5, NoSubCode, {}},
    // The report's own fields follow as trailing bytes.
    {"print-report",
     158,
     NoSubCode,
     {{"report", FieldType::U8},
      {"printer", FieldType::U8},
      {"parameter", FieldType::U8},
      {"spare1", FieldType::U8},
      {"spare2", FieldType::U8},
      {"spare3", FieldType::U8}}},
    // The point-manager service: the engine's requests, then the
    // controller's replies. The test and service mode switches share one
    // layout.
    {"pm-rate-of-rise", 183, 1, {{"sub", FieldType::U8}, {"value", FieldType::U8}}},
    {"pm-fast-logic", 183, 2, {{"sub", FieldType::U8}, {"value", FieldType::U8}}},
    {"pm-power-up-warning", 183, 14, {{"sub", FieldType::U8}, {"value", FieldType::U8}}},
    {"pm-noisy-device", 183, 15, {{"sub", FieldType::U8}, {"value", FieldType::U8}}},
    {"pm-sounder-test", 183, 18, {{"sub", FieldType::U8}, {"value", FieldType::U8}}},
    {"pm-inhibit-no-responses", 183, 19, {{"sub", FieldType::U8}, {"value", FieldType::U8}}},
    {"pm-poll-address-255", 183, 20, {{"sub", FieldType::U8}, {"value", FieldType::U8}}},
    {"pm-disable-non-led-outputs", 183, 22, {{"sub", FieldType::U8}, {"value", FieldType::U8}}},
    {"pm-ir-mode",
     183,
     16,
     {{"sub", FieldType::U8}, {"mode", FieldType::U8}, {"loop", FieldType::U8}, {"end", FieldType::U8}}},
    {"pm-poll-start", 183, 3, {{"sub", FieldType::U8}, {"loop", FieldType::U8}, {"point", FieldType::U8}}},
    {"pm-poll-stop", 183, 5, {{"sub", FieldType::U8}, {"loop", FieldType::U8}}},
    {"pm-device-present", 183, 10, {{"sub", FieldType::U8}, {"loop", FieldType::U8}, {"point", FieldType::U8}}},
    {"pm-change-address",
     183,
     12,
     {{"sub", FieldType::U8}, {"loop", FieldType::U8}, {"point", FieldType::U8}, {"newPoint", FieldType::U8}}},
    // The loop bytes follow as trailing bytes.
    {"pm-calibrate", 183, 31, {{"sub", FieldType::U8}, {"mode", FieldType::U8}, {"count", FieldType::U8}}},
    {"pm-point-log", 183, 27, {{"sub", FieldType::U8}, {"record", FieldType::U8}}},
    // What the request type carries follows as trailing bytes.
    {"pm-serialisation", 183, 34, {{"sub", FieldType::U8}, {"request", FieldType::U8}}},
    // A record, a commit or an abort, by kind; the rest trails.
    {"pm-manual-update", 183, 21, {{"sub", FieldType::U8}, {"kind", FieldType::U8}}},
    {"pm-manual-status",
     183,
     21,
     {{"sub", FieldType::U8},
      {"spare", FieldType::U8},
      {"status", FieldType::U8},
      {"result", FieldType::U8},
      {"id", FieldType::U16}}},
    {"pm-poll-start-reply", 183, 4, {{"sub", FieldType::U8}, {"status", FieldType::U8}, {"loop", FieldType::U8}}},
    {"pm-poll-stop-reply", 183, 6, {{"sub", FieldType::U8}, {"status", FieldType::U8}, {"loop", FieldType::U8}}},
    {"pm-device-present-reply",
     183,
     11,
     {{"sub", FieldType::U8},
      {"result", FieldType::U8},
      {"spare", FieldType::U8},
      {"point", FieldType::U8},
      {"deviceType", FieldType::U8}}},
    {"pm-change-address-reply",
     183,
     13,
     {{"sub", FieldType::U8}, {"result", FieldType::U8}, {"spare", FieldType::Bytes, nullptr, 3}}},
    // The record's details follow as trailing bytes when flag bit 0 is set.
    {"pm-point-log-reply",
     183,
     28,
     {{"sub", FieldType::U8}, {"record", FieldType::U8}, {"total", FieldType::U8}, {"flag", FieldType::U8}}},
    {"pm-serialisation-reply", 183, 35, {{"sub", FieldType::U8}, {"type", FieldType::U8}}},
};

} // namespace

namespace LkSpeakCodec {

int headerLength(int layout)
{
    return layout == 1 ? 16 : 14;
}

QByteArray encode(const LkHeader &header, const QByteArray &payload)
{
    const int layout = header.layout == 1 ? 1 : 0;
    QByteArray bytes(headerLength(layout), '\0');
    LkHeader written = header;
    written.length = quint32(bytes.size() + payload.size());
    for (const HeaderField &field : HeaderFields) {
        if (field.offset[layout] >= 0)
            put(bytes, field.offset[layout], field.width, written.*field.member);
    }
    return bytes + payload;
}

std::optional<LkMessage> decode(const QByteArray &bytes)
{
    const int layout = bytes.size() > 4 && quint8(bytes.at(4)) == 228 ? 1 : 0;
    if (bytes.size() < headerLength(layout))
        return std::nullopt;
    LkMessage message;
    message.header.layout = layout;
    for (const HeaderField &field : HeaderFields) {
        if (field.offset[layout] >= 0)
            message.header.*field.member = get(bytes, field.offset[layout], field.width);
    }
    message.payload = bytes.mid(headerLength(layout));
    message.size = bytes.size();
    return message;
}

const QVector<PacketKind> &packetKinds()
{
    return Kinds;
}

const PacketKind *kindNamed(const QString &name)
{
    for (const PacketKind &kind : Kinds) {
        if (name == QLatin1String(kind.name))
            return &kind;
    }
    return nullptr;
}

const PacketKind *kindOf(const LkMessage &message)
{
    const int subCode = message.payload.isEmpty() ? -1 : quint8(message.payload.at(0));
    for (const PacketKind &kind : Kinds) {
        if (int(message.header.function) == kind.function && (kind.subCode == NoSubCode || subCode == kind.subCode))
            return &kind;
    }
    return nullptr;
}

QByteArray writePayload(const PacketKind &kind, const QVariantMap &values)
{
    QByteArray payload;
    for (const PayloadField &field : kind.fields) {
        const QVariant value = QLatin1String(field.name) == QLatin1String("sub")
                                   ? QVariant(kind.subCode)
                                   : values.value(QLatin1String(field.name));
        if (field.type == FieldType::Bytes) {
            payload += value.toByteArray();
            continue;
        }
        QByteArray bytes(widthOf(field.type), '\0');
        put(bytes, 0, bytes.size(), value.toUInt());
        payload += bytes;
    }
    return payload + values.value(QStringLiteral("trailing")).toByteArray();
}

std::optional<QVariantMap> readPayload(const PacketKind &kind, const QByteArray &payload)
{
    QVariantMap values;
    int at = 0;
    for (const PayloadField &field : kind.fields) {
        int width = widthOf(field.type);
        if (field.type == FieldType::Bytes) {
            width = field.countField ? values.value(QLatin1String(field.countField)).toInt() : field.fixedCount;
        }
        if (payload.size() - at < width)
            return std::nullopt;
        if (field.type == FieldType::Bytes)
            values.insert(QLatin1String(field.name), payload.mid(at, width));
        else
            values.insert(QLatin1String(field.name), get(payload, at, width));
        at += width;
    }
    if (at < payload.size())
        values.insert(QStringLiteral("trailing"), payload.mid(at));
    return values;
}

} // namespace LkSpeakCodec
