#include "widgets/CounterRole.h"

#include <QRegularExpression>

namespace {

enum CounterRoles {
    DisplayRole = 0,
    LetterRole = 38,
    PlainTextRole = 39,
    ZoneRole = 34,
    CountRole = 42,
    AddressRole = 69,
};

constexpr uint NoZone = 255;

// A printable address such as "L1-23ab45" reads as its loop and address
// over the rest.
QString splitAddress(QString text)
{
    if (text.startsWith(QLatin1Char('/')))
        text.remove(0, 1);
    static const QRegularExpression parts(QStringLiteral("([^-/0-9]*[-/0-9]*)([^0-9]*[0-9]*)"));
    const QRegularExpressionMatch match = parts.match(text);
    if (match.capturedTexts().size() > 2 && !match.captured(2).isEmpty())
        return match.captured(1) + QStringLiteral("\r\n") + match.captured(2);
    return text;
}

} // namespace

CounterRole::CounterRole(int role, int width, QChar fill)
    : m_role(role)
    , m_width(width)
    , m_fill(fill)
{
}

CounterRole::~CounterRole() = default;

QString CounterRole::text(const QModelIndex &index) const
{
    const QVariant value = index.data(m_role);
    if (!value.isValid())
        return QString();
    switch (m_role) {
    case DisplayRole:
    case PlainTextRole:
        return value.toString();
    case LetterRole:
        return QString(QChar(ushort(value.toInt() + 64)));
    case ZoneRole:
        return value.toUInt() == NoZone ? QString() : number(value);
    case CountRole:
        return value.toUInt() == 0 ? QString() : number(value);
    case AddressRole:
        return splitAddress(value.toString());
    default:
        return number(value);
    }
}

QString CounterRole::number(const QVariant &value) const
{
    return QStringLiteral("%1").arg(value.toInt(), m_width, 10, m_fill);
}
