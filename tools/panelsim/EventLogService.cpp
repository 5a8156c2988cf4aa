#include "EventLogService.h"

#include "CommandInterpreter.h"
#include "ConfigurationPages.h"
#include "Controller.h"

#include <QDateTime>

#include <algorithm>

namespace {

constexpr int DataFunction = 139;
constexpr int AckFunction = 146;
constexpr int LogManagerFunction = 246;
constexpr quint8 LoopKind = 12;
constexpr qint64 PanelEpoch = 694224000;
constexpr quint8 ActiveStatus = 0x02;
constexpr quint8 RestoralStatus = 0x01;
constexpr quint8 NoCategory = 15;
constexpr quint8 Accepted = 1;

// Acknowledgement types, both ways.
enum AckType : quint8 {
    RegistrationAccepted = 0,
    RegistrationAck = 1,
    DeRegistrationConfirmed = 2,
    DataAck = 3,
    TransferComplete = 12,
    ReSyncRequest = 14,
    AcknowledgeEvents = 15,
    AcceptedEventsAck = 16,
};
constexpr quint8 LiveStatus = 1;
constexpr quint8 HistoricStatus = 0;
constexpr quint8 AcceptedEventsStatus = 3;

struct KindLook
{
    const char *name;
    EventLogService::Kind kind;
    quint16 eventCode;
    quint8 category;
    quint8 priority;
    // The status count an event of the kind on a point adds to.
    const char *count;
};

constexpr KindLook Kinds[] = {
    {"fire", EventLogService::Kind::Fire, 1, 8, 1, "fireAlrms"},
    {"fault", EventLogService::Kind::Fault, 20, 4, 3, "faults"},
    {"disablement", EventLogService::Kind::Disablement, 40, 3, 5, "disablements"},
    {"restoral", EventLogService::Kind::Restoral, 0, 0, 0, nullptr},
};

const KindLook *lookOf(EventLogService::Kind kind)
{
    for (const KindLook &look : Kinds) {
        if (look.kind == kind)
            return &look;
    }
    return nullptr;
}

bool parseByte(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok, 0);
    return ok && value >= 0 && value <= 255;
}

// The registration the engine must send: 1, then 2, 0, 0, 3, then its filter
// block and a final 0.
const QByteArray RegistrationFilter = QByteArray::fromHex("010100000000ffff0000000003ffffff00000000");

const PacketKind &kindNamed(const char *name)
{
    return *LkSpeakCodec::kindNamed(QLatin1String(name));
}

} // namespace

EventLogService::EventLogService(Controller &controller, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
{
    m_clock.start();
    connect(&m_controller, &Controller::received, this, &EventLogService::onReceived);
}

void EventLogService::registerCommands(CommandInterpreter &interpreter)
{
    interpreter.addCommand(QStringLiteral("eventlog"),
                           QStringLiteral("raise <fire|fault|disablement|restoral> [count] [panel] | acks | resend | "
                                          "accept <seqNo> | status"),
                           QStringLiteral("the controller's event log: raise events (sent live while connected), ask "
                                          "for acknowledgements, send again, accept, show what it holds"),
                           1, [this](const QStringList &arguments) { command(arguments); });
    interpreter.addCommand(QStringLiteral("pointevent"),
                           QStringLiteral("fire|fault|disablement <panel> <loop> <point>"),
                           QStringLiteral("an event on a configured point: the live event with its address and zone "
                                          "and the panel's count; a fire also sends the high-priority statuses and "
                                          "lights the general fire LED, the zone's LED and the buzzer"),
                           4, [this](const QStringList &arguments) { pointCommand(arguments); });
    interpreter.addCommand(QStringLiteral("reset"), QStringLiteral("[panel]"),
                           QStringLiteral("the panel's fire reset: the reset event with its reset code; fire "
                                          "statuses, counts and the fire outputs cleared"),
                           0, [this](const QStringList &arguments) {
                               int panel = m_controller.site().panelNode;
                               if (!arguments.isEmpty() && !parseByte(arguments.first(), panel)) {
                                   emit reported(QStringLiteral("error usage: reset [panel 0-255]"));
                                   return;
                               }
                               if (!resetPanel(quint8(panel)))
                                   emit reported(QStringLiteral("error no such panel: %1").arg(panel));
                           });
}

void EventLogService::pointCommand(const QStringList &arguments)
{
    const KindLook *look = nullptr;
    for (const KindLook &candidate : Kinds) {
        if (candidate.count && arguments.at(0) == QLatin1String(candidate.name))
            look = &candidate;
    }
    int panel = 0;
    int loop = 0;
    int point = 0;
    if (!look || !parseByte(arguments.at(1), panel) || !parseByte(arguments.at(2), loop)
        || !parseByte(arguments.at(3), point)) {
        emit reported(QStringLiteral("error usage: pointevent fire|fault|disablement <panel> <loop> <point>"));
        return;
    }
    if (!raiseOnPoint(look->kind, quint8(panel), quint8(loop), quint8(point)))
        emit reported(QStringLiteral("error no point %1 on loop %2 of panel %3")
                          .arg(arguments.at(3), arguments.at(2), arguments.at(1)));
}

void EventLogService::command(const QStringList &arguments)
{
    const QString &verb = arguments.first();
    if (verb == QLatin1String("raise") && arguments.size() >= 2) {
        for (const KindLook &look : Kinds) {
            if (arguments.at(1) != QLatin1String(look.name))
                continue;
            const int count = arguments.size() > 2 ? arguments.at(2).toInt() : 1;
            const int panel = arguments.size() > 3 ? arguments.at(3).toInt() : m_controller.site().panelNode;
            if (!raise(look.kind, count, quint8(panel)))
                emit reported(QStringLiteral("error no points on panel %1").arg(panel));
            return;
        }
    } else if (verb == QLatin1String("acks")) {
        enableAcknowledgements();
        return;
    } else if (verb == QLatin1String("resend")) {
        resendUnacknowledged();
        return;
    } else if (verb == QLatin1String("accept") && arguments.size() >= 2) {
        if (!acceptRemotely(quint16(arguments.at(1).toUInt())))
            emit reported(QStringLiteral("error no event %1").arg(arguments.at(1)));
        return;
    } else if (verb == QLatin1String("status")) {
        emit reported(status());
        return;
    }
    emit reported(QStringLiteral("error usage: eventlog %1").arg(arguments.join(QLatin1Char(' '))));
}

QVector<QPair<quint8, SitePoint>> EventLogService::panelPoints(quint8 panel) const
{
    QVector<QPair<quint8, SitePoint>> points;
    for (const SitePanel &site : m_controller.site().configuration.panels) {
        if (site.number != panel)
            continue;
        for (const SiteChannel &channel : site.channels) {
            if (channel.kind != LoopKind)
                continue;
            for (const SitePoint &point : channel.points)
                points.append({channel.address, point});
        }
    }
    return points;
}

void EventLogService::setPoint(quint8 panel, const QPair<quint8, SitePoint> &point, Event &event) const
{
    event.node = panel;
    event.loop = point.first;
    event.point = point.second.point;
    event.logicalPoint = point.second.logicalNumber;
    event.zone = point.second.zone;
    event.deviceType = point.second.deviceType;
}

bool EventLogService::raise(Kind kind, int count, quint8 panel)
{
    const KindLook *look = lookOf(kind);
    // Listed once for the whole run: a panel has thousands of points, and a
    // burst thousands of events.
    const QVector<QPair<quint8, SitePoint>> points =
        kind == Kind::Restoral ? QVector<QPair<quint8, SitePoint>>() : panelPoints(panel);
    for (int i = 0; i < count; ++i) {
        Event event;
        if (kind == Kind::Restoral) {
            if (m_active.isEmpty())
                return true;
            event = m_log.at(m_active.takeLast());
            event.category = quint8(event.category << 4 | NoCategory);
            event.status = RestoralStatus;
        } else {
            if (points.isEmpty())
                return false;
            setPoint(panel, points.at(m_nextPoint++ % points.size()), event);
            event.eventCode = look->eventCode;
            event.category = look->category;
            event.priority = look->priority;
            event.status = ActiveStatus;
            m_active.append(m_log.size());
        }
        record(event);
    }
    emit reported(QStringLiteral("eventlog raised %1 last=%2").arg(count).arg(quint16(m_nextSeqNo - 1)));
    return true;
}

bool EventLogService::raiseOnPoint(Kind kind, quint8 panel, quint8 loop, quint8 point)
{
    const KindLook *look = lookOf(kind);
    const QVector<QPair<quint8, SitePoint>> points = panelPoints(panel);
    const auto found = std::find_if(points.begin(), points.end(), [loop, point](const QPair<quint8, SitePoint> &p) {
        return p.first == loop && p.second.point == point;
    });
    if (!look || !look->count || found == points.end())
        return false;
    Event event;
    setPoint(panel, *found, event);
    event.eventCode = look->eventCode;
    event.category = look->category;
    event.priority = look->priority;
    event.status = ActiveStatus;
    m_active.append(m_log.size());
    record(event);
    emit reported(QStringLiteral("eventlog raised 1 last=%1").arg(quint16(m_nextSeqNo - 1)));
    if (kind != Kind::Fire) {
        const QString name = QLatin1String(look->count);
        m_controller.changeCount(panel, name, quint16(m_controller.site().status.count(panel, look->count) + 1));
        return true;
    }
    m_controller.setFire(panel, true);
    m_controller.setOutputs(Controller::OutputsOn, Controller::RealOutput, Controller::GeneralFireLed, 1);
    if (event.zone != 0)
        m_controller.setOutputs(Controller::OutputsOn, Controller::BusOutput, event.zone, 1);
    m_controller.setOutputs(Controller::OutputsPulse1, Controller::RealOutput, Controller::Buzzer, 1);
    return true;
}

bool EventLogService::resetPanel(quint8 panel)
{
    if (panel == SiteStatus::TotalsPanel || !m_controller.site().status.panel(panel))
        return false;
    Event event;
    event.node = panel;
    event.eventCode = m_controller.site().resetEventCode;
    event.category = NoCategory;
    event.status = ActiveStatus;
    // The engine restores every event at this panel's reset; so does the
    // controller.
    if (panel == m_controller.site().panelNode)
        m_active.clear();
    record(event);
    emit reported(QStringLiteral("eventlog reset last=%1").arg(quint16(m_nextSeqNo - 1)));
    m_controller.setFire(panel, false);
    m_controller.setOutputs(Controller::OutputsOff, Controller::RealOutput, Controller::GeneralFireLed, 1);
    m_controller.setOutputs(Controller::OutputsOff, Controller::BusOutput, 1, 255);
    m_controller.setOutputs(Controller::OutputsOff, Controller::RealOutput, Controller::Buzzer, 1);
    return true;
}

void EventLogService::record(Event event)
{
    event.seqNo = m_nextSeqNo++;
    event.time = quint32(QDateTime::currentSecsSinceEpoch() - PanelEpoch);
    event.accept = 3;
    m_log.append(event);
    if (!m_controller.isConnected())
        return;
    if (m_acknowledging && m_liveUnacknowledged.isEmpty()) {
        m_liveBatchStartNs = m_clock.nsecsElapsed();
        m_liveBatch = 0;
    }
    const LkHeader request = sendEvent(m_log.size() - 1, LiveClient);
    ++m_liveSent;
    if (m_acknowledging)
        m_liveUnacknowledged.append({m_log.size() - 1, event.seqNo, request, m_clock.nsecsElapsed()});
}

LkHeader EventLogService::sendEvent(int index, quint16 client)
{
    const Event &event = m_log.at(index);
    const QPair<quint8, quint8> channel =
        ConfigurationPages::channelBytes(LoopKind, event.loop, m_controller.site().headerLayout);
    const QVariantMap values{{"node", event.node},
                             {"channel", channel.first},
                             {"channelAddr", channel.second},
                             {"point", event.point},
                             {"logicalPoint", event.logicalPoint},
                             {"logicalZone", 254},
                             {"deviceType", event.deviceType},
                             {"eventCode", event.eventCode},
                             {"seqNo", event.seqNo},
                             {"zone", event.zone},
                             {"time", event.time},
                             {"priority", event.priority},
                             {"stdPriority", event.priority},
                             {"category", event.category},
                             {"status", event.status},
                             {"accept", event.accept},
                             {"client", client},
                             {"total", m_log.size()},
                             {"position", index}};
    return m_controller.sendTo(0, DataFunction, LkSpeakCodec::writePayload(kindNamed("eventlog-data"), values));
}

void EventLogService::enableAcknowledgements()
{
    m_acknowledging = true;
    sendAck(0, 0, 0, AcknowledgeEvents);
    emit reported(QStringLiteral("eventlog acks on"));
}

void EventLogService::resendUnacknowledged()
{
    for (Delivery &delivery : m_liveUnacknowledged)
        delivery.request = sendEvent(delivery.index, LiveClient);
    emit reported(QStringLiteral("eventlog resent %1").arg(m_liveUnacknowledged.size()));
}

bool EventLogService::acceptRemotely(quint16 seqNo)
{
    for (Event &event : m_log) {
        if (event.seqNo != seqNo)
            continue;
        event.accept = Accepted;
        sendAccepted(event);
        return true;
    }
    return false;
}

QString EventLogService::status() const
{
    return QStringLiteral("eventlog-status log=%1 live-sent=%2 live-acked=%3 live-pending=%4 historic-sent=%5 "
                          "historic-acked=%6 faults=%7")
        .arg(m_log.size())
        .arg(m_liveSent)
        .arg(m_liveAcknowledged)
        .arg(m_liveUnacknowledged.size())
        .arg(m_historicSent)
        .arg(m_historicAcknowledged)
        .arg(m_faults);
}

void EventLogService::onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &message)
{
    if (kind == QLatin1String("eventlog-ack"))
        onAck(fields, message);
    else if (kind == QLatin1String("eventlog-registration"))
        onRegistration(fields, message);
    else if (kind == QLatin1String("eventlog-deregistration"))
        onDeRegistration(fields, message);
    else if (kind == QLatin1String("eventlog-accept"))
        onAccept(fields, message);
}

void EventLogService::onAck(const QVariantMap &fields, const LkMessage &message)
{
    if (fields.isEmpty() || fields.contains(QStringLiteral("trailing"))) {
        fault(QStringLiteral("acknowledgement of %1 bytes").arg(message.payload.size()));
        return;
    }
    const quint16 client = quint16(fields.value(QStringLiteral("client")).toUInt());
    switch (fields.value(QStringLiteral("type")).toUInt()) {
    case DataAck:
        onDataAck(fields, message);
        return;
    case RegistrationAck:
        if (!m_historicClient || client != *m_historicClient || fields.value(QStringLiteral("status")).toUInt() != 0)
            fault(QStringLiteral("registration acknowledged for client %1").arg(client));
        else
            sendHistoricLog();
        return;
    case ReSyncRequest:
        // Events go on unacknowledged until the controller asks again.
        m_acknowledging = false;
        m_liveUnacknowledged.clear();
        emit reported(QStringLiteral("eventlog resync-requested"));
        enableAcknowledgements();
        return;
    case AcceptedEventsAck: {
        const quint16 reference = client;
        if (!m_referencesAwaited.removeOne(reference)
            || fields.value(QStringLiteral("status")).toUInt() != AcceptedEventsStatus)
            fault(QStringLiteral("accepted events acknowledged with reference %1").arg(reference));
        else
            emit reported(QStringLiteral("eventlog accepted-ack reference=%1").arg(reference));
        return;
    }
    default:
        fault(QStringLiteral("acknowledgement type %1").arg(fields.value(QStringLiteral("type")).toUInt()));
    }
}

// Live events are acknowledged with status 1, each once, in the order they
// were sent, on the addressing of the packet they answer; historic ones
// likewise with status 0 and the historic client.
void EventLogService::onDataAck(const QVariantMap &fields, const LkMessage &message)
{
    const quint16 client = quint16(fields.value(QStringLiteral("client")).toUInt());
    const quint16 seqNo = quint16(fields.value(QStringLiteral("sequence")).toUInt());
    const quint8 status = quint8(fields.value(QStringLiteral("status")).toUInt());
    const bool live = status == LiveStatus;
    QList<Delivery> &awaited = live ? m_liveUnacknowledged : m_historicUnacknowledged;
    const QString what = QStringLiteral("%1 acknowledgement of %2 client %3")
                             .arg(live ? QStringLiteral("live") : QStringLiteral("historic"))
                             .arg(seqNo)
                             .arg(client);
    if (status != LiveStatus && status != HistoricStatus) {
        fault(QStringLiteral("data acknowledgement with status %1").arg(status));
        return;
    }
    if (client != (live ? LiveClient : m_historicClient.value_or(0))) {
        fault(what + QStringLiteral(": wrong client"));
        return;
    }
    if (awaited.isEmpty() || awaited.first().seqNo != seqNo) {
        const bool known = std::any_of(awaited.cbegin(), awaited.cend(),
                                       [seqNo](const Delivery &delivery) { return delivery.seqNo == seqNo; });
        fault(what + (known ? QStringLiteral(": out of order") : QStringLiteral(": not awaited")));
        return;
    }
    if (const std::optional<QString> wrong = m_controller.addressingFault(awaited.first().request, message)) {
        fault(what + QStringLiteral(": ") + *wrong);
        return;
    }
    const Delivery delivered = awaited.takeFirst();
    if (live) {
        ++m_liveAcknowledged;
        ++m_liveBatch;
        const qint64 now = m_clock.nsecsElapsed();
        emit reported(QStringLiteral("eventlog latency seq=%1 seconds=%2")
                          .arg(seqNo)
                          .arg(double(now - delivered.sentNs) / 1e9, 0, 'f', 4));
        if (m_liveUnacknowledged.isEmpty()) {
            emit reported(QStringLiteral("eventlog timing live events=%1 seconds=%2")
                              .arg(m_liveBatch)
                              .arg(double(now - m_liveBatchStartNs) / 1e9, 0, 'f', 4));
            emit reported(QStringLiteral("eventlog live-acked %1 last=%2").arg(m_liveAcknowledged).arg(seqNo));
        }
        return;
    }
    ++m_historicAcknowledged;
    endTransferWhenAcknowledged();
}

void EventLogService::onRegistration(const QVariantMap &fields, const LkMessage &message)
{
    const QVariantMap expected{{"lead", 1}, {"first", 2}, {"second", 0}, {"third", 0}, {"fourth", 3}};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (fields.value(it.key()).toUInt() != it.value().toUInt()) {
            fault(QStringLiteral("registration %1").arg(QString::fromLatin1(message.payload.toHex())));
            return;
        }
    }
    if (fields.value(QStringLiteral("filter")).toByteArray() != RegistrationFilter
        || fields.contains(QStringLiteral("trailing")) || (message.header.secondService & 0x80) == 0) {
        fault(QStringLiteral("registration %1").arg(QString::fromLatin1(message.payload.toHex())));
        return;
    }
    m_historicClient = m_nextHistoricClient++;
    m_transferring = false;
    m_historicUnacknowledged.clear();
    replyAck(message, *m_historicClient, 0, RegistrationAccepted);
    emit reported(QStringLiteral("eventlog registered client=%1").arg(*m_historicClient));
}

void EventLogService::sendHistoricLog()
{
    m_transferring = true;
    for (int index = 0; index < m_log.size(); ++index) {
        const LkHeader request = sendEvent(index, *m_historicClient);
        ++m_historicSent;
        if (m_acknowledging)
            m_historicUnacknowledged.append({index, m_log.at(index).seqNo, request, m_clock.nsecsElapsed()});
    }
    emit reported(QStringLiteral("eventlog historic-sent %1 client=%2").arg(m_log.size()).arg(*m_historicClient));
    endTransferWhenAcknowledged();
}

void EventLogService::endTransferWhenAcknowledged()
{
    if (!m_transferring || !m_historicUnacknowledged.isEmpty())
        return;
    m_transferring = false;
    sendAck(*m_historicClient, 0, 0, TransferComplete);
    emit reported(QStringLiteral("eventlog historic-done client=%1").arg(*m_historicClient));
}

void EventLogService::onDeRegistration(const QVariantMap &fields, const LkMessage &message)
{
    const quint16 client = quint16(fields.value(QStringLiteral("client")).toUInt());
    if (!m_historicClient || client != *m_historicClient) {
        fault(QStringLiteral("de-registration of client %1").arg(client));
        return;
    }
    m_historicClient.reset();
    m_transferring = false;
    m_historicUnacknowledged.clear();
    replyAck(message, client, 0, DeRegistrationConfirmed);
    emit reported(QStringLiteral("eventlog deregistered client=%1").arg(client));
}

void EventLogService::onAccept(const QVariantMap &fields, const LkMessage &message)
{
    const quint16 seqNo = quint16(fields.value(QStringLiteral("seqNo")).toUInt());
    for (Event &event : m_log) {
        if (event.seqNo != seqNo || event.node != fields.value(QStringLiteral("node")).toUInt()
            || event.eventCode != fields.value(QStringLiteral("eventCode")).toUInt())
            continue;
        event.accept = Accepted;
        emit reported(QStringLiteral("eventlog accepted seq=%1").arg(seqNo));
        sendAccepted(event);
        return;
    }
    fault(QStringLiteral("acceptance of an unknown event %1").arg(QString::fromLatin1(message.payload.toHex())));
}

void EventLogService::sendAccepted(const Event &event)
{
    const quint16 reference = m_nextReference++;
    m_referencesAwaited.append(reference);
    const QPair<quint8, quint8> channel =
        ConfigurationPages::channelBytes(LoopKind, event.loop, m_controller.site().headerLayout);
    QByteArray entry;
    entry.append(char(event.node));
    entry.append(char(channel.first));
    entry.append(char(channel.second));
    entry.append(char(event.seqNo >> 8));
    entry.append(char(event.seqNo));
    entry.append(char(event.eventCode >> 8));
    entry.append(char(event.eventCode));
    m_controller.sendTo(0, LogManagerFunction,
                        LkSpeakCodec::writePayload(kindNamed("events-accepted"),
                                                   {{"reference", reference}, {"count", 1}, {"trailing", entry}}));
}

void EventLogService::sendAck(quint16 client, quint16 sequence, quint8 status, quint8 type)
{
    m_controller.sendTo(
        0, AckFunction,
        LkSpeakCodec::writePayload(kindNamed("eventlog-ack"),
                                   {{"client", client}, {"sequence", sequence}, {"status", status}, {"type", type}}));
}

void EventLogService::replyAck(const LkMessage &request, quint16 client, quint8 status, quint8 type)
{
    m_controller.sendReply(
        request.header, AckFunction,
        LkSpeakCodec::writePayload(kindNamed("eventlog-ack"),
                                   {{"client", client}, {"sequence", 0}, {"status", status}, {"type", type}}));
}

void EventLogService::fault(const QString &what)
{
    ++m_faults;
    emit reported(QStringLiteral("eventlog fault %1").arg(what));
}
