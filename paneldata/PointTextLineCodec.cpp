#include "paneldata/PointTextLineCodec.h"

#include <QStringList>
#include <QVector>

namespace {

constexpr int TextFields = 6;
constexpr uint NibbleLimit = 15;
constexpr uint ByteLimit = 255;

struct Escaped
{
    QChar plain;
    QChar code;
};

// Written without a plain ';', so the fields split at every ';'.
constexpr Escaped EscapeTable[] = {
    {QLatin1Char('\\'), QLatin1Char('\\')},
    {QLatin1Char(';'), QLatin1Char('s')},
    {QLatin1Char('\n'), QLatin1Char('n')},
    {QLatin1Char('\r'), QLatin1Char('r')},
};

const Escaped *byPlain(QChar c)
{
    for (const Escaped &entry : EscapeTable) {
        if (entry.plain == c)
            return &entry;
    }
    return nullptr;
}

const Escaped *byCode(QChar c)
{
    for (const Escaped &entry : EscapeTable) {
        if (entry.code == c)
            return &entry;
    }
    return nullptr;
}

uint number(const QStringRef &field)
{
    bool ok = false;
    const uint value = field.toUInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

QString PointTextLineCodec::escape(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        const Escaped *entry = byPlain(c);
        if (entry)
            escaped.append(Escape).append(entry->code);
        else
            escaped.append(c);
    }
    return escaped;
}

QString PointTextLineCodec::unescape(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const Escaped *entry = (c == Escape && i + 1 < text.size()) ? byCode(text.at(i + 1)) : nullptr;
        if (entry) {
            plain.append(entry->plain);
            ++i;
        } else {
            plain.append(c);
        }
    }
    return plain;
}

QString PointTextLineCodec::encode(const PointTextEntry &entry)
{
    const QString end(FieldEnd);
    return QString::number(entry.channel.kind()) + end + QString::number(entry.channel.address()) + end
           + QString::number(entry.channel.number()) + end + QString::number(entry.point) + end
           + escape(entry.firstText) + end + escape(entry.secondText) + end;
}

bool PointTextLineCodec::decode(const QString &line, PointTextEntry &entry)
{
    const QVector<QStringRef> fields = line.splitRef(FieldEnd);
    if (fields.size() < TextFields)
        return false;
    const uint kind = number(fields.at(0));
    const uint address = number(fields.at(1));
    const uint channelNumber = number(fields.at(2));
    const uint point = number(fields.at(3));
    if (kind > NibbleLimit || channelNumber > NibbleLimit || address > ByteLimit || point > ByteLimit)
        return false;
    entry.channel = ChannelAddress(quint8(kind), quint8(address), quint8(channelNumber));
    entry.point = quint8(point);
    entry.firstText = unescape(fields.at(4).toString());
    entry.secondText = unescape(fields.at(5).toString());
    return true;
}
