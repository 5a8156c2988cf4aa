#include "Controller.h"

#include "ConfigurationPages.h"
#include "ControllerLink.h"
#include "ServicePages.h"
#include "StatusPages.h"
#include "SyncPage.h"
#include "TextPages.h"

#include <QDateTime>

#include <ctime>

namespace {

constexpr quint8 LinkControl = 0;
constexpr quint8 LkSpeak = 1;
constexpr quint8 HeartbeatAnswer = 0x81;
// Panel seconds count from 1992-01-01 00:00:00 UTC.
constexpr qint64 PanelEpoch = 694224000;

QString fieldsText(const QVariantMap &fields)
{
    QStringList parts;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        // A log-on passcode is a secret, and the log is kept (scripts/demo).
        if (it.key() == QLatin1String("passcode")) {
            parts << QStringLiteral("passcode=hidden");
            continue;
        }
        const QVariant &value = it.value();
        parts << it.key() + QLatin1Char('=')
                     + (value.type() == QVariant::ByteArray ? QString::fromLatin1(value.toByteArray().toHex())
                                                            : value.toString());
    }
    return parts.join(QLatin1Char(' '));
}

// The engine stamps what it shows on this clock too.
qint64 monotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

} // namespace

Controller::Controller(ControllerLink &link, const Site &site, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_site(site)
{
    connect(&m_heartbeat, &QTimer::timeout, this, [this] { sendHeartbeatFrame(m_heartbeatStatus); });
    connect(&m_link, &ControllerLink::frameReceived, this, &Controller::onFrame);
    connect(&m_link, &ControllerLink::connecting, this,
            [this] { emit reported(QStringLiteral("connecting to %1").arg(m_link.address())); });
    connect(&m_link, &ControllerLink::retrying, this, [this](const QString &reason, int intervalMs) {
        emit reported(
            QStringLiteral("retrying every %1 ms: no engine at %2 (%3)").arg(intervalMs).arg(m_link.address(), reason));
    });
    connect(&m_link, &ControllerLink::connected, this, [this] {
        m_answersToReport = 0;
        emit reported(QStringLiteral("connected"));
    });
    connect(&m_link, &ControllerLink::disconnected, this, [this] { emit reported(QStringLiteral("disconnected")); });
}

void Controller::startHeartbeat(int intervalMs, quint8 status)
{
    m_heartbeatStatus = status;
    m_heartbeat.start(intervalMs);
    sendHeartbeatFrame(status);
}

void Controller::stopHeartbeat()
{
    m_heartbeat.stop();
}

void Controller::sendHeartbeat(quint8 status)
{
    if (m_link.isConnected())
        ++m_answersToReport;
    sendHeartbeatFrame(status);
}

// The toggle byte repeats the engine's last reply byte, so an engine that
// keeps step answers 1 every time.
void Controller::sendHeartbeatFrame(quint8 status)
{
    QByteArray body;
    body.append(char(1));
    body.append(char(status));
    body.append(char(m_lastReplyByte));
    m_link.send(LinkControl, body);
}

LkHeader Controller::requestHeader(int function, bool acknowledge)
{
    LkHeader header;
    header.layout = m_site.headerLayout;
    header.destination = 0;
    header.source = m_site.panelNode;
    header.function = quint32(function);
    header.firstAddress = 0;
    header.firstService = 1;
    header.secondAddress = 0;
    header.secondService = acknowledge ? 0x80 | 50 : 50;
    for (int tries = 0; tries < 256 && m_awaitingAcknowledgement.contains(m_sequence); ++tries)
        ++m_sequence;
    header.sequence = m_sequence++;
    return header;
}

void Controller::sendConnectionRequest()
{
    const PacketKind &kind = *LkSpeakCodec::kindNamed(QStringLiteral("connection-request"));
    QVariantMap values{{QStringLiteral("controllerType"), m_site.controllerType},
                       {QStringLiteral("networkNode"), m_site.networkNode},
                       {QStringLiteral("connectionNode"), m_site.connectionNode}};
    if (m_site.connectionOptions != 255)
        values.insert(QStringLiteral("trailing"), QByteArray(1, char(m_site.connectionOptions)));
    const LkHeader header = requestHeader(kind.function);
    m_pendingConnection = header;
    m_link.send(LkSpeak, LkSpeakCodec::encode(header, LkSpeakCodec::writePayload(kind, values)));
}

void Controller::sendSupervisionRequest()
{
    const PacketKind &kind = *LkSpeakCodec::kindNamed(QStringLiteral("supervision"));
    const LkHeader header = requestHeader(kind.function);
    m_pendingSupervision = header;
    const QVariantMap values{
        {QStringLiteral("s1"), 1}, {QStringLiteral("s2"), 2}, {QStringLiteral("s3"), 3}, {QStringLiteral("s4"), 0}};
    m_link.send(LkSpeak, LkSpeakCodec::encode(header, LkSpeakCodec::writePayload(kind, values)));
}

void Controller::sendLkSpeak(int function, const QByteArray &payload)
{
    m_link.send(LkSpeak, LkSpeakCodec::encode(requestHeader(function), payload));
}

LkHeader Controller::sendTo(quint8 destination, int function, const QByteArray &payload, bool acknowledge)
{
    LkHeader header = requestHeader(function, acknowledge);
    header.destination = destination;
    m_link.send(LkSpeak, LkSpeakCodec::encode(header, payload));
    return header;
}

void Controller::sendReply(const LkHeader &request, int function, const QByteArray &payload)
{
    LkHeader header = request;
    header.function = quint32(function);
    header.destination = request.source;
    header.source = request.destination;
    header.firstAddress = request.secondAddress;
    header.secondAddress = request.firstAddress;
    header.firstService = request.secondService & 0x7F;
    header.secondService = request.firstService;
    m_link.send(LkSpeak, LkSpeakCodec::encode(header, payload));
}

bool Controller::isConnected() const
{
    return m_link.isConnected();
}

qint64 Controller::bytesSent() const
{
    return m_link.bytesSent();
}

quint8 Controller::sendRequest(int function, const QByteArray &payload, bool acknowledge, const QString &label)
{
    const LkHeader header = requestHeader(function, acknowledge);
    const quint8 sequence = quint8(header.sequence);
    if (acknowledge)
        m_awaitingAcknowledgement.insert(sequence, label);
    m_link.send(LkSpeak, LkSpeakCodec::encode(header, payload));
    return sequence;
}

void Controller::sendReply(const LkMessage &request, int function, const QByteArray &payload)
{
    const LkHeader &asked = request.header;
    LkHeader header;
    header.layout = asked.layout;
    header.destination = asked.source;
    header.source = asked.destination;
    header.function = quint32(function);
    header.firstAddress = asked.secondAddress;
    header.secondAddress = asked.firstAddress;
    header.firstService = asked.secondService & 0x7F;
    header.secondService = asked.firstService;
    header.sequence = asked.sequence;
    m_link.send(LkSpeak, LkSpeakCodec::encode(header, payload));
}

void Controller::sendPage(const QByteArray &payload)
{
    const std::optional<SyncPage::Identity> page = SyncPage::identify(payload);
    const QString label = page ? QStringLiteral("page=%1 panel=%2 part=%3 signature=%4")
                                     .arg(page->page)
                                     .arg(page->panel)
                                     .arg(page->part)
                                     .arg(page->signature, 8, 16, QLatin1Char('0'))
                               : QStringLiteral("page=?");
    sendRequest(SyncPage::SupportFunction, payload, true, label);
}

void Controller::sendStatusCounts(quint8 panel)
{
    m_site.status.updateTotals();
    for (quint8 number : {panel, SiteStatus::TotalsPanel}) {
        if (const SitePanelStatus *status = m_site.status.panel(number))
            sendPage(StatusPages::statusCounts(*status));
    }
}

void Controller::sendHighPriorityStatuses()
{
    sendRequest(SyncPage::SupportFunction, StatusPages::highPriority(m_site.status), true,
                QStringLiteral("high-priority"));
}

void Controller::sendStandby(quint16 seconds, bool initialisation)
{
    const StatusPages::StandbyTimer timer =
        initialisation ? StatusPages::InitialisationTimer : StatusPages::FireResetTimer;
    sendRequest(SyncPage::SupportFunction, StatusPages::highPriority(m_site.status, timer, seconds), true,
                QStringLiteral("high-priority"));
}

bool Controller::changeCount(quint8 panel, const QString &name, quint16 value)
{
    SitePanelStatus *status = m_site.status.panel(panel);
    const int index = SitePanelStatus::countIndex(name);
    if (!status || index < 0 || panel == SiteStatus::TotalsPanel)
        return false;
    status->counts[size_t(index)] = value;
    sendStatusCounts(panel);
    return true;
}

bool Controller::setFire(quint8 panel, bool on)
{
    SitePanelStatus *status = m_site.status.panel(panel);
    if (!status || panel == SiteStatus::TotalsPanel)
        return false;
    quint16 &fires = status->counts[size_t(SitePanelStatus::countIndex(QStringLiteral("fireAlrms")))];
    fires = on ? quint16(fires + 1) : 0;
    sendStatusCounts(panel);
    const bool anyFire = m_site.status.count(SiteStatus::TotalsPanel, "fireAlrms") > 0;
    m_site.status.statusWord = anyFire ? quint16(m_site.status.statusWord | SiteStatus::FireBit)
                                       : quint16(m_site.status.statusWord & ~SiteStatus::FireBit);
    sendHighPriorityStatuses();
    // When the fire's status left, so that the time to the screen can be told.
    if (isConnected())
        emit reported(QStringLiteral("high-priority sent fire=%1 at monotonic %2 us")
                          .arg(anyFire ? 1 : 0)
                          .arg(monotonicMicroseconds()));
    return true;
}

Site &Controller::editSite()
{
    m_sitePages.reset();
    return m_site;
}

const QVector<QByteArray> &Controller::sitePages() const
{
    if (!m_sitePages)
        m_sitePages = ConfigurationPages::payloads(m_site.configuration, m_site.headerLayout)
                      + TextPages::payloads(m_site.configuration, m_site.texts, m_site.headerLayout)
                      + ServicePages::payloads(m_site.configuration, m_site.texts);
    return *m_sitePages;
}

void Controller::sendSiteConfiguration()
{
    const QVector<QByteArray> pages = sitePages();
    for (const QByteArray &payload : pages)
        sendLkSpeak(ConfigurationPages::SupportFunction, payload);
    const qint64 panelSeconds = QDateTime::currentSecsSinceEpoch() - PanelEpoch;
    sendLkSpeak(ConfigurationPages::DateTimeFunction, ConfigurationPages::clockPayload(quint32(panelSeconds)));
    emit reported(QStringLiteral("site-sent %1").arg(pages.size()));
}

bool Controller::sendLoopCounters(quint8 panel, quint8 loop)
{
    for (const SitePanel &sitePanel : m_site.configuration.panels) {
        if (sitePanel.number == panel && sitePanel.loops().contains(loop)) {
            sendPage(ServicePages::loopCounters(sitePanel, loop));
            return true;
        }
    }
    return false;
}

void Controller::setNetworkState(quint8 panel, quint8 state)
{
    editSite().configuration.networkStates.insert(panel, state);
    emit reported(QStringLiteral("site-netstate panel=%1 state=%2").arg(panel).arg(state));
    sendPage(ServicePages::networkConfiguration(m_site.configuration));
}

bool Controller::setOutputsReEnableTime(quint8 panel, quint16 seconds)
{
    for (SitePanel &sitePanel : editSite().configuration.panels) {
        if (sitePanel.number != panel)
            continue;
        sitePanel.outputsReEnableTime = seconds;
        emit reported(QStringLiteral("site-outputstimer panel=%1 seconds=%2").arg(panel).arg(seconds));
        sendPage(ServicePages::commissioning(sitePanel));
        return true;
    }
    return false;
}

void Controller::onFrame(const LinkFrame &frame)
{
    if (frame.channel == LinkControl) {
        if (frame.body.size() == 2 && quint8(frame.body.at(0)) == HeartbeatAnswer) {
            onHeartbeatAnswer(quint8(frame.body.at(1)));
        } else {
            emit reported(QStringLiteral("bad-heartbeat-answer %1").arg(QString::fromLatin1(frame.body.toHex())));
        }
        return;
    }
    if (frame.channel == LkSpeak) {
        onLkSpeak(frame.body);
        return;
    }
    emit reported(QStringLiteral("frame %1 %2").arg(frame.channel).arg(QString::fromLatin1(frame.body.toHex())));
}

void Controller::onLkSpeak(const QByteArray &body)
{
    const std::optional<LkMessage> message = LkSpeakCodec::decode(body);
    if (!message) {
        emit reported(QStringLiteral("bad-packet %1").arg(QString::fromLatin1(body.toHex())));
        return;
    }
    const PacketKind *kind = LkSpeakCodec::kindOf(*message);
    const std::optional<QVariantMap> fields = kind ? LkSpeakCodec::readPayload(*kind, message->payload) : std::nullopt;
    const QString name = kind ? QLatin1String(kind->name) : QStringLiteral("fc%1").arg(message->header.function);
    emit reported(QStringLiteral("rx %1 seq=%2 layout=%3 %4")
                      .arg(name)
                      .arg(message->header.sequence)
                      .arg(message->header.layout)
                      .arg(fields ? fieldsText(*fields) : QString::fromLatin1(message->payload.toHex())));
    if (!kind)
        return;
    emit received(name, fields.value_or(QVariantMap{}), *message);
    if (QLatin1String(kind->name) == QLatin1String("acknowledgement"))
        reportAcknowledgement(*message, fields.value_or(QVariantMap{}));
    else if (QLatin1String(kind->name) == QLatin1String("connection-response"))
        checkConnectionResponse(*message, fields.value_or(QVariantMap{}));
    else if (QLatin1String(kind->name) == QLatin1String("supervision"))
        checkSupervisionAnswer(*message, fields.value_or(QVariantMap{}));
}

// The periodic answers would fill the log every second; an answer to a
// heartbeat sent by hand, and one that differs from the last, are news.
void Controller::onHeartbeatAnswer(quint8 answer)
{
    const bool changed = answer != m_lastReplyByte;
    m_lastReplyByte = answer;
    const bool asked = m_answersToReport > 0;
    if (asked)
        --m_answersToReport;
    if (m_verbose || asked || changed)
        emit reported(QStringLiteral("heartbeat-answer %1").arg(answer));
}

std::optional<QString> Controller::addressingFault(const LkHeader &request, const LkMessage &reply) const
{
    const LkHeader &answer = reply.header;
    if (answer.length != quint32(reply.size))
        return QStringLiteral("length field %1, packet %2 bytes").arg(answer.length).arg(reply.size);
    if (answer.layout != request.layout)
        return QStringLiteral("layout %1, asked in %2").arg(answer.layout).arg(request.layout);
    if (answer.destination != request.source || answer.source != request.destination)
        return QStringLiteral("nodes not swapped");
    if (answer.firstAddress != request.secondAddress || answer.secondAddress != request.firstAddress)
        return QStringLiteral("addresses not swapped");
    if (answer.firstService != request.secondService || (answer.secondService & 0x7F) != request.firstService)
        return QStringLiteral("services not swapped");
    if (answer.sequence != request.sequence)
        return QStringLiteral("sequence %1, asked with %2").arg(answer.sequence).arg(request.sequence);
    return std::nullopt;
}

void Controller::reportAcknowledgement(const LkMessage &reply, const QVariantMap &fields)
{
    const quint8 sequence = quint8(reply.header.sequence);
    if (!m_awaitingAcknowledgement.contains(sequence)) {
        emit reported(QStringLiteral("ack-unexpected seq=%1").arg(sequence));
        return;
    }
    const QString label = m_awaitingAcknowledgement.take(sequence);
    const int answer = fields.value(QStringLiteral("answer"), -1).toInt();
    emit reported(QStringLiteral("ack %1 status=%2").arg(label).arg(answer));
    emit acknowledged(label, answer);
}

void Controller::checkConnectionResponse(const LkMessage &reply, const QVariantMap &fields)
{
    QString fault;
    if (!m_pendingConnection)
        fault = QStringLiteral("not asked for");
    else if (fields.isEmpty())
        fault = QStringLiteral("too short");
    else if (fields.value(QStringLiteral("constant")).toByteArray() != QByteArray::fromHex("060100010007"))
        fault = QStringLiteral("constant bytes wrong");
    else if (fields.contains(QStringLiteral("trailing")))
        fault = QStringLiteral("bytes after the key");
    else
        fault = addressingFault(*m_pendingConnection, reply).value_or(QString());
    if (fault.isEmpty()) {
        m_pendingConnection.reset();
        emit reported(QStringLiteral("connection-response ok key=%1")
                          .arg(QString::fromLatin1(fields.value(QStringLiteral("key")).toByteArray().toHex())));
    } else {
        emit reported(QStringLiteral("connection-response bad %1").arg(fault));
    }
}

void Controller::checkSupervisionAnswer(const LkMessage &reply, const QVariantMap &fields)
{
    QString fault;
    if (!m_pendingSupervision)
        fault = QStringLiteral("not asked for");
    else if (fields.isEmpty() || fields.contains(QStringLiteral("trailing")))
        fault = QStringLiteral("payload of %1 bytes").arg(reply.payload.size());
    else if ((fields.value(QStringLiteral("s4")).toUInt() & 1) == 0)
        fault = QStringLiteral("not marked as an answer");
    else
        fault = addressingFault(*m_pendingSupervision, reply).value_or(QString());
    if (fault.isEmpty())
        emit reported(QStringLiteral("supervision-answer ok seq=%1").arg(reply.header.sequence));
    else
        emit reported(QStringLiteral("supervision-answer bad %1").arg(fault));
}

void Controller::setOutputs(OutputMode mode, quint8 kind, quint8 first, quint8 count)
{
    // Every point of the range is in the list that follows.
    constexpr quint8 listFollows = 0x80;
    QByteArray payload;
    payload.append(char(listFollows | kind));
    payload.append(char(first));
    payload.append(char(count));
    QByteArray bits((count + 7) / 8, '\0');
    for (int j = 0; j < count; ++j)
        bits[j / 8] = char(quint8(bits.at(j / 8)) | (0x80 >> (j % 8)));
    sendLkSpeak(mode, payload + bits);
}
