#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>
#include <QVector>

#include <optional>

// LkSpeak packets as the controller writes and reads them. The header and
// every payload the emulator knows are described by field tables, and one
// writer and one reader walk them.
struct LkHeader
{
    quint32 length = 0;
    quint32 marker = 228;
    quint32 destination = 0;
    quint32 source = 0;
    quint32 function = 0;
    quint32 firstAddress = 0;
    quint32 firstService = 0;
    quint32 secondAddress = 0;
    quint32 secondService = 0;
    quint32 sequence = 0;
    quint32 reserved = 0;
    int layout = 0;
};

struct LkMessage
{
    LkHeader header;
    QByteArray payload;
    int size = 0;
};

enum class FieldType { U8, U16, U32, Bytes };

// A Bytes field holds fixedCount bytes, or as many as the value of the
// field named by countField, read before it.
struct PayloadField
{
    const char *name;
    FieldType type;
    const char *countField = nullptr;
    int fixedCount = 0;
};

// A kind of a function code that has no sub-codes.
constexpr int NoSubCode = -1;

struct PacketKind
{
    const char *name;
    int function;
    int subCode;
    QVector<PayloadField> fields;
};

namespace LkSpeakCodec {

int headerLength(int layout);
QByteArray encode(const LkHeader &header, const QByteArray &payload);
std::optional<LkMessage> decode(const QByteArray &bytes);

const QVector<PacketKind> &packetKinds();
const PacketKind *kindNamed(const QString &name);
const PacketKind *kindOf(const LkMessage &message);

// Fields missing from 'values' are written as 0.
QByteArray writePayload(const PacketKind &kind, const QVariantMap &values);
// Empty when the payload is too short for the layout; extra bytes are kept
// under "trailing".
std::optional<QVariantMap> readPayload(const PacketKind &kind, const QByteArray &payload);

} // namespace LkSpeakCodec
