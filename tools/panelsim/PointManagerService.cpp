#include "PointManagerService.h"

#include "CommandInterpreter.h"
#include "Controller.h"

#include <QDateTime>

#include <set>

namespace {

constexpr quint8 LoopKind = 12;
constexpr qint64 PanelEpoch = 694224000;
constexpr quint8 NoDevice = 128;
constexpr quint8 Done = 0;
constexpr quint8 NotThere = 3;

// Manual point update kinds and answers.
constexpr quint8 RecordKind = 0;
constexpr quint8 AbortKind = 2;
constexpr quint8 CommitKind = 3;
constexpr quint8 CarriesUpdateId = 0x80;
constexpr quint8 Accepted = 1;
constexpr quint8 Refused = 2;
constexpr quint8 RecordTaken = 0;
constexpr quint8 CommitTaken = 3;
constexpr quint8 RestartNeeded = 4;

// Serialisation request types and reply types.
enum : int { Initiate = 1, Status = 2, Summary = 3, LoopSet = 5 };
enum : quint8 { InitiateReply = 1, StatusReply = 2, SummaryReply = 3, LoopSetReply = 6 };
// Completed, every serial number matching, progress 100 %.
constexpr quint8 CompletedAll = 0x02 | 7 << 5;
constexpr quint8 ShortSummary = 22;

quint32 panelNow()
{
    return quint32(QDateTime::currentSecsSinceEpoch() - PanelEpoch);
}

void appendU16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value >> 8));
    bytes.append(char(value));
}

void appendU32(QByteArray &bytes, quint32 value)
{
    appendU16(bytes, quint16(value >> 16));
    appendU16(bytes, quint16(value));
}

QByteArray packBits(const std::set<int> &bits, int count)
{
    QByteArray packed((count + 7) / 8, '\0');
    for (int bit : bits) {
        if (bit < count)
            packed[bit / 8] = char(quint8(packed.at(bit / 8)) | 1 << (bit % 8));
    }
    return packed;
}

// The loop bits of a request: a count byte, then the bits.
std::set<int> unpackBits(const QByteArray &bytes, int at, int count)
{
    std::set<int> bits;
    for (int i = 0; i < count && at + i / 8 < bytes.size(); ++i) {
        if (quint8(bytes.at(at + i / 8)) & (1 << (i % 8)))
            bits.insert(i);
    }
    return bits;
}

} // namespace

PointManagerService::PointManagerService(Controller &controller, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
{
    connect(&m_controller, &Controller::received, this, &PointManagerService::onReceived);
}

void PointManagerService::registerCommands(CommandInterpreter &interpreter)
{
    interpreter.addCommand(QStringLiteral("pointmanager"), QStringLiteral("answer on|off | refuse"),
                           QStringLiteral("the point-manager service: answer its requests or not; refuse the next "
                                          "manual point update step"),
                           1, [this](const QStringList &arguments) { command(arguments); });
}

void PointManagerService::command(const QStringList &arguments)
{
    if (arguments.first() == QLatin1String("answer") && arguments.size() > 1) {
        m_answer = arguments.at(1) == QLatin1String("off") ? Answer::Never : Answer::Normally;
    } else if (arguments.first() == QLatin1String("refuse")) {
        m_answer = Answer::RefuseNext;
    } else {
        emit reported(QStringLiteral("error usage: pointmanager %1").arg(arguments.join(QLatin1Char(' '))));
        return;
    }
    emit reported(QStringLiteral("pointmanager answering %1").arg(arguments.join(QLatin1Char(' '))));
}

const SitePoint *PointManagerService::findPoint(quint8 panel, quint8 loop, quint8 point) const
{
    for (const SitePanel &site : m_controller.site().configuration.panels) {
        if (site.number != panel)
            continue;
        for (const SiteChannel &channel : site.channels) {
            if (channel.kind != LoopKind || channel.address != loop)
                continue;
            for (const SitePoint &candidate : channel.points) {
                if (candidate.point == point)
                    return &candidate;
            }
        }
    }
    return nullptr;
}

// The site stays where it is when its held pages are dropped, and it is the
// controller's own, not a constant: the point found may be changed.
SitePoint *PointManagerService::editPoint(quint8 panel, quint8 loop, quint8 point)
{
    const SitePoint *found = findPoint(panel, loop, point);
    if (found)
        m_controller.editSite();
    return const_cast<SitePoint *>(found);
}

QVector<quint8> PointManagerService::loopsOf(quint8 panel) const
{
    for (const SitePanel &site : m_controller.site().configuration.panels) {
        if (site.number == panel)
            return site.loops();
    }
    return {};
}

void PointManagerService::reply(const LkMessage &request, const char *kind, const QVariantMap &values)
{
    m_controller.sendReply(request.header, 183,
                           LkSpeakCodec::writePayload(*LkSpeakCodec::kindNamed(QLatin1String(kind)), values));
}

void PointManagerService::onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &message)
{
    if (!kind.startsWith(QLatin1String("pm-")))
        return;
    const quint8 panel = quint8(message.header.destination);
    emit reported(QStringLiteral("pointmanager %1 panel=%2 %3")
                      .arg(kind.mid(3), QString::number(panel), QString::fromLatin1(message.payload.mid(1).toHex())));
    if (m_answer == Answer::Never)
        return;
    const quint8 loop = quint8(fields.value(QStringLiteral("loop")).toUInt());
    const quint8 point = quint8(fields.value(QStringLiteral("point")).toUInt());
    if (kind == QLatin1String("pm-manual-update")) {
        onManualUpdate(fields, message);
    } else if (kind == QLatin1String("pm-serialisation")) {
        onSerialisation(fields, message);
    } else if (kind == QLatin1String("pm-poll-start") || kind == QLatin1String("pm-poll-stop")) {
        const bool known = !loopsOf(panel).isEmpty() && loopsOf(panel).contains(loop);
        reply(message, kind == QLatin1String("pm-poll-start") ? "pm-poll-start-reply" : "pm-poll-stop-reply",
              {{"status", known ? 0 : 4}, {"loop", loop}});
    } else if (kind == QLatin1String("pm-device-present")) {
        const SitePoint *found = findPoint(panel, loop, point);
        reply(message, "pm-device-present-reply",
              {{"result", found ? Done : NotThere},
               {"point", point},
               {"deviceType", found ? found->deviceType : NoDevice}});
    } else if (kind == QLatin1String("pm-change-address")) {
        const quint8 newPoint = quint8(fields.value(QStringLiteral("newPoint")).toUInt());
        const bool free = !findPoint(panel, loop, newPoint);
        SitePoint *found = free ? editPoint(panel, loop, point) : nullptr;
        if (found)
            found->point = newPoint;
        reply(message, "pm-change-address-reply",
              {{"result", found ? Done : NotThere}, {"spare", QByteArray(3, '\0')}});
    } else if (kind == QLatin1String("pm-point-log")) {
        QByteArray details;
        appendU32(details, panelNow());
        details.append(char(1));
        details.append(char(1));
        details.append(QByteArray(13, '\0'));
        reply(message, "pm-point-log-reply",
              {{"record", fields.value(QStringLiteral("record"))}, {"total", 10}, {"flag", 1}, {"trailing", details}});
    }
}

// Each record is taken; the first of a panel's update carries its id. The
// commit must name the update and count at least the records it saw.
void PointManagerService::onManualUpdate(const QVariantMap &fields, const LkMessage &message)
{
    const quint8 panel = quint8(message.header.destination);
    const QByteArray rest = fields.value(QStringLiteral("trailing")).toByteArray();
    const auto u16At = [&rest](int at) {
        return at + 2 <= rest.size() ? quint16(quint8(rest.at(at)) << 8 | quint8(rest.at(at + 1))) : quint16(0xFFFF);
    };
    if (m_answer == Answer::RefuseNext) {
        m_answer = Answer::Normally;
        replyStatus(message, Refused, RecordTaken, 0);
        return;
    }
    switch (fields.value(QStringLiteral("kind")).toUInt()) {
    case RecordKind: {
        const bool first = !m_updates.contains(panel);
        Update &update = m_updates[panel];
        if (first)
            update.id = m_nextUpdateId++;
        ++update.records;
        update.lastRecordNumber = u16At(0);
        replyStatus(message, first ? quint8(CarriesUpdateId | Accepted) : quint8(0), RecordTaken, update.id);
        return;
    }
    case CommitKind: {
        const Update update = m_updates.take(panel);
        if (u16At(2) != update.id || u16At(0) <= update.lastRecordNumber) {
            emit reported(QStringLiteral("pointmanager commit refused panel=%1").arg(panel));
            replyStatus(message, Refused, RecordTaken, 0);
            return;
        }
        emit reported(QStringLiteral("pointmanager committed panel=%1 records=%2 sent=%3")
                          .arg(panel)
                          .arg(u16At(0))
                          .arg(update.records));
        replyStatus(message, 0, CommitTaken, update.id);
        replyStatus(message, 0, RestartNeeded, update.id);
        return;
    }
    case AbortKind:
        m_updates.remove(panel);
        emit reported(QStringLiteral("pointmanager aborted panel=%1 id=%2").arg(panel).arg(u16At(0)));
        return;
    default:
        replyStatus(message, Refused, RecordTaken, 0);
    }
}

void PointManagerService::replyStatus(const LkMessage &request, quint8 status, quint8 result, quint16 id)
{
    reply(request, "pm-manual-status", {{"status", status}, {"result", result}, {"id", id}});
}

// Every loop asked for is serialised at once, every serial number matching.
void PointManagerService::onSerialisation(const QVariantMap &fields, const LkMessage &message)
{
    const quint8 panel = quint8(message.header.destination);
    const QByteArray rest = fields.value(QStringLiteral("trailing")).toByteArray();
    const int request = fields.value(QStringLiteral("request")).toInt() & 0x1F;
    QByteArray body;
    quint8 type = 0;
    switch (request) {
    case Initiate: {
        type = InitiateReply;
        const int count = rest.size() > 2 ? quint8(rest.at(2)) : 0;
        body.append(char(0));
        appendU32(body, panelNow());
        body.append(char(0));
        body.append(char(count));
        body.append(rest.mid(3, (count + 7) / 8));
        break;
    }
    case Status: {
        type = StatusReply;
        const int count = rest.size() > 1 ? quint8(rest.at(1)) : 0;
        const std::set<int> loops = unpackBits(rest, 2, count);
        body.append(char(loops.size()));
        for (int loop : loops) {
            body.append(char(loop));
            body.append(char(CompletedAll));
        }
        break;
    }
    case Summary: {
        type = SummaryReply;
        const quint8 loop = rest.isEmpty() ? 0 : quint8(rest.at(0));
        int points = 0;
        for (const SitePanel &site : m_controller.site().configuration.panels) {
            for (const SiteChannel &channel : site.channels) {
                if (site.number == panel && channel.kind == LoopKind && channel.address == loop)
                    points = channel.points.size();
            }
        }
        body.append(char(0));
        body.append(char(ShortSummary));
        body.append(char(loop));
        body.append(char(CompletedAll));
        appendU32(body, panelNow());
        for (int count : {points, points, points, 0, 0, 0, 0, 0})
            body.append(char(count));
        break;
    }
    case LoopSet: {
        type = LoopSetReply;
        std::set<int> loops;
        for (quint8 loop : loopsOf(panel))
            loops.insert(loop);
        const int count = loops.empty() ? 0 : *loops.rbegin() + 1;
        body.append(char(0));
        body.append(char(0));
        body.append(char(count));
        body.append(packBits(loops, count));
        break;
    }
    default:
        return;
    }
    reply(message, "pm-serialisation-reply", {{"type", type}, {"trailing", body}});
}
