#include "CommandResponder.h"

#include "CommandInterpreter.h"
#include "Controller.h"
#include "PointStatePages.h"
#include "SiteStatus.h"
#include "WalkTestPages.h"

namespace {

// The bytes of a GUI command after its code.
const PacketKind ForceFields{"force", 0, 0, {{"action", FieldType::U8}, {"blocks", FieldType::U8}}};
const PacketKind DisableFields{
    "disable", 0, 0, {{"function", FieldType::U8}, {"kind", FieldType::U8}, {"blocks", FieldType::U8}}};
const PacketKind BasicFields{"basic command", 0, 0, {{"command", FieldType::U8}, {"blocks", FieldType::U8}}};
const PacketKind StartWalkTestFields{
    "walk test start", 0, 0, {{"mode", FieldType::U8}, {"spare", FieldType::U8}, {"blocks", FieldType::U8}}};

// The controller's answers.
const PacketKind Acknowledgement{"acknowledgement", 245, 1, {{"sub", FieldType::U8}, {"answer", FieldType::U8}}};
const PacketKind PointCommandReply{
    "point command reply",
    156,
    0,
    {{"first", FieldType::U16}, {"completed", FieldType::U16}, {"deferred", FieldType::U16}}};
const PacketKind PointInformationReply{"point information reply",
                                       149,
                                       0,
                                       {{"status", FieldType::U8},
                                        {"statusBits", FieldType::U8},
                                        {"panel", FieldType::U8},
                                        {"byte0", FieldType::U8},
                                        {"byte1", FieldType::U8},
                                        {"number", FieldType::U8},
                                        {"point", FieldType::U8},
                                        {"value1", FieldType::U8},
                                        {"value2", FieldType::U8},
                                        {"configured", FieldType::U8},
                                        {"capability", FieldType::U8},
                                        {"value3", FieldType::U16},
                                        {"values4to8", FieldType::Bytes, nullptr, 5},
                                        {"detected", FieldType::U8},
                                        {"bytes", FieldType::Bytes, nullptr, 22},
                                        {"cursor", FieldType::U16},
                                        {"value9", FieldType::U16},
                                        {"value10", FieldType::U16},
                                        {"value11", FieldType::U8},
                                        {"value12", FieldType::U8},
                                        {"value13", FieldType::U32},
                                        {"value14", FieldType::U32},
                                        {"bytes2", FieldType::Bytes, nullptr, 6},
                                        {"date", FieldType::U32},
                                        {"extension", FieldType::Bytes, nullptr, 15},
                                        {"testFlags", FieldType::U8},
                                        {"testDate", FieldType::U32},
                                        {"serial1", FieldType::U32},
                                        {"serial2", FieldType::U32}}};
const PacketKind PointText{"point text",
                           152,
                           0,
                           {{"flags", FieldType::U8},
                            {"byte0", FieldType::U8},
                            {"byte1", FieldType::U8},
                            {"number", FieldType::U8},
                            {"point", FieldType::U8},
                            {"spare", FieldType::U16},
                            {"length", FieldType::U8},
                            {"text", FieldType::Bytes, "length"},
                            {"panel", FieldType::U8}}};
const PacketKind ZoneText{"zone text",
                          152,
                          0,
                          {{"flags", FieldType::U8},
                           {"zone", FieldType::U8},
                           {"length", FieldType::U8},
                           {"text", FieldType::Bytes, "length"},
                           {"panel", FieldType::U8}}};
const PacketKind LoopReply{
    "loop shutdown or restart reply",
    180,
    0,
    {{"done", FieldType::U8}, {"loop", FieldType::U8}, {"restart", FieldType::U8}, {"spare", FieldType::U8}}};
const PacketKind DiagnosticsReply{"diagnostics response", 233, 27, {{"sub", FieldType::U8}, {"kind", FieldType::U8}}};
const PacketKind ServicesReply{"connected services response",
                               233,
                               29,
                               {{"sub", FieldType::U8},
                                {"configuration", FieldType::U8},
                                {"state1", FieldType::U8},
                                {"value11", FieldType::U16},
                                {"value12", FieldType::U16},
                                {"state2", FieldType::U8},
                                {"value21", FieldType::U16},
                                {"value22", FieldType::U16}}};
const PacketKind NetworkFaultReply{
    "network fault response", 10, 0, {{"status", FieldType::U8}, {"spare", FieldType::U8}}};
const PacketKind PrintReply{"print report reply", 157, 0, {{"result", FieldType::U8}, {"detail", FieldType::U8}}};
const PacketKind VersionRequest{"version request", 233, 19, {{"sub", FieldType::U8}, {"spare", FieldType::U8}}};

constexpr quint8 AllPoints = 255;
constexpr quint8 AnyNumber = 15;
constexpr quint8 AllAddresses = 255;
// Numerical channels of header layout 0 that stand for every loop, and for
// every address of a kind.
constexpr quint8 EveryLoop = 30;
constexpr quint8 EveryAddress = 31;
constexpr quint8 Disable = 1;
constexpr quint8 Enable = 0;
constexpr int LayoutZeroLoop = 0;

quint8 byteOf(const QVariantMap &fields, const char *name)
{
    return quint8(fields.value(QLatin1String(name)).toUInt());
}

QByteArray trailing(const QVariantMap &fields)
{
    return fields.value(QStringLiteral("trailing")).toByteArray();
}

bool acknowledgeAsked(const LkMessage &message)
{
    return (message.header.secondService & 0x80) != 0;
}

// A wildcard's channel bytes against a channel's: number 15, address 255
// (or in layout 0 the numerical "every" channels) match all.
bool channelMatches(const PointListBlock::Entry &pattern, const SiteChannel &channel, int layout)
{
    const auto bytes = channel.bytes(layout);
    const quint8 number = pattern.byte0 >> 4;
    if (number != AnyNumber && number != (bytes.first >> 4))
        return false;
    if ((pattern.byte0 & 0x0F) != (bytes.first & 0x0F))
        return false;
    if (layout == 1)
        return pattern.byte1 == AllAddresses || pattern.byte1 == bytes.second;
    if (pattern.byte1 == EveryLoop)
        return (bytes.first & 0x0F) == LayoutZeroLoop && channel.kind == 12;
    return pattern.byte1 == EveryAddress || pattern.byte1 == bytes.second;
}

// The engine's virtual inputs by group and number: group 1 the operator's
// actions, group 0 the panel's own keys, switches and sockets. Bit 7 of the
// number says the input went active.
struct VirtualInputName
{
    quint8 group;
    quint8 input;
    const char *name;
};

constexpr VirtualInputName VirtualInputNames[] = {
    {1, 1, "evacuate"},
    {1, 2, "sounders-on-off"},
    {1, 3, "investigate-delay"},
    {1, 4, "day-mode"},
    {1, 5, "night-mode"},
    {1, 6, "self-test-start"},
    {1, 7, "self-test-stop"},
    {1, 8, "log-sync-fault"},
    {1, 9, "key-depot-test"},
    {1, 10, "key-depot-reset"},
    {1, 11, "alarm-acknowledge"},
    {1, 12, "fire-test-mode"},
    {1, 13, "user-2"},
    {1, 16, "sync-complete"},
    {0, 40, "usb-stick"},
    {0, 41, "key-switch"},
    {0, 43, "silence-buzzer"},
    {0, 45, "silence-resound-sounders"},
    {0, 46, "fire-reset"},
    {0, 47, "regional-silence"},
    {0, 48, "regional-reset"},
    {0, 49, "regional-key-switch"},
};
constexpr quint8 InputActive = 0x80;

QString inputChangeText(quint8 group, quint8 change)
{
    const quint8 input = change & quint8(~InputActive);
    QString name = QStringLiteral("unknown");
    for (const VirtualInputName &known : VirtualInputNames) {
        if (known.group == group && known.input == input)
            name = QLatin1String(known.name);
    }
    return QStringLiteral("input %1 %2 group=%3 input=%4")
        .arg(name, (change & InputActive) ? QStringLiteral("active") : QStringLiteral("inactive"))
        .arg(group)
        .arg(input);
}

bool zoneSelected(const QByteArray &zoneMap, quint8 zone)
{
    return zone / 8 < zoneMap.size() && (quint8(zoneMap.at(zone / 8)) & (1u << (zone % 8)));
}

} // namespace

CommandResponder::CommandResponder(Controller &controller, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
{
    connect(&m_controller, &Controller::received, this, &CommandResponder::onReceived);
}

const QHash<QString, CommandResponder::Handler> &CommandResponder::handlers()
{
    static const QHash<QString, Handler> table{
        {QStringLiteral("gui-command"), &CommandResponder::guiCommand},
        {QStringLiteral("point-information-request"), &CommandResponder::pointInformation},
        {QStringLiteral("next-point-information"), &CommandResponder::nextPointInformation},
        {QStringLiteral("text-request"), &CommandResponder::text},
        {QStringLiteral("loop-shutdown-restart"), &CommandResponder::loopShutdownRestart},
        {QStringLiteral("diagnostics-request"), &CommandResponder::diagnostics},
        {QStringLiteral("connected-services-request"), &CommandResponder::connectedServices},
        {QStringLiteral("network-fault-request"), &CommandResponder::networkFault},
        {QStringLiteral("legacy-network-fault-request"), &CommandResponder::networkFault},
        {QStringLiteral("print-report"), &CommandResponder::printReport},
        {QStringLiteral("input-point-change"), &CommandResponder::inputChange},
        {QStringLiteral("version-reply"), &CommandResponder::versionReply},
        {QStringLiteral("restart-panel"), &CommandResponder::reportOnly},
        {QStringLiteral("fast-fault-mode"), &CommandResponder::reportOnly},
        {QStringLiteral("point-status-update"), &CommandResponder::reportOnly},
    };
    return table;
}

// GUI command codes.
const QHash<int, CommandResponder::Handler> &CommandResponder::guiCommands()
{
    static const QHash<int, Handler> table{
        {1, &CommandResponder::otherGuiCommand}, {2, &CommandResponder::force},
        {3, &CommandResponder::force},           {4, &CommandResponder::disable},
        {5, &CommandResponder::walkTest},        {6, &CommandResponder::otherGuiCommand},
        {7, &CommandResponder::otherGuiCommand}, {8, &CommandResponder::basicCommand},
    };
    return table;
}

void CommandResponder::onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &message)
{
    const Handler handler = handlers().value(kind);
    if (!handler)
        return;
    if (fields.isEmpty() && !message.payload.isEmpty()) {
        emit reported(QStringLiteral("command-bad %1 too short").arg(kind));
        return;
    }
    (this->*handler)(fields, message);
}

void CommandResponder::guiCommand(const QVariantMap &fields, const LkMessage &message)
{
    const int command = fields.value(QStringLiteral("command")).toInt();
    const Handler handler = guiCommands().value(command);
    if (!handler) {
        emit reported(QStringLiteral("command-bad gui %1").arg(command));
        return;
    }
    if (acknowledgeAsked(message))
        acknowledge(message);
    (this->*handler)(fields, message);
}

void CommandResponder::acknowledge(const LkMessage &message)
{
    m_controller.sendReply(message, Acknowledgement.function, LkSpeakCodec::writePayload(Acknowledgement, {}));
}

CommandResponder::Selected CommandResponder::select(const PointListBlock &block, int layout)
{
    Selected selected;
    selected.panel = m_controller.editSite().configuration.findPanel(block.panel);
    if (!selected.panel) {
        selected.missing = block.entries.size();
        return selected;
    }
    if (block.kind == PointListBlock::Individual) {
        for (const PointListBlock::Entry &entry : block.entries) {
            SiteChannel *channel = selected.panel->findChannel(entry.byte0, entry.byte1, layout);
            SitePoint *point = channel ? channel->findPoint(entry.point) : nullptr;
            if (point)
                selected.points.append(point);
            else
                ++selected.missing;
        }
        return selected;
    }
    const PointListBlock::Entry &pattern = block.entries.first();
    const bool mapped = block.pattern.last() == PointListBlock::MappedSelector;
    for (SiteChannel &channel : selected.panel->channels) {
        if (!channelMatches(pattern, channel, layout))
            continue;
        for (SitePoint &point : channel.points) {
            if ((pattern.point == AllPoints || point.point == pattern.point)
                && (!mapped || zoneSelected(block.zoneMap, point.zone)))
                selected.points.append(&point);
        }
    }
    return selected;
}

// Inputs with GUI command 2, outputs with 3; action 0 removes the force.
void CommandResponder::force(const QVariantMap &fields, const LkMessage &message)
{
    const std::optional<QVariantMap> own = LkSpeakCodec::readPayload(ForceFields, trailing(fields));
    const std::optional<PointListBlock> block = own ? PointListBlock::read(trailing(*own)) : std::nullopt;
    if (!block) {
        emit reported(QStringLiteral("command-bad force list"));
        return;
    }
    const bool outputs = fields.value(QStringLiteral("command")).toInt() == 3;
    const quint8 action = byteOf(*own, "action");
    const int layout = message.header.layout;
    const Selected selected = select(*block, layout);
    for (SitePoint *point : selected.points)
        (outputs ? point->outputForce : point->inputForce) = action;
    emit reported(QStringLiteral("site-force %1 panel=%2 entries=%3 applied=%4 action=%5")
                      .arg(outputs ? QStringLiteral("outputs") : QStringLiteral("inputs"))
                      .arg(block->panel)
                      .arg(block->entries.size())
                      .arg(selected.points.size())
                      .arg(action));
    // Each point named one by one, with the channel as the bytes give it.
    if (block->kind == PointListBlock::Individual) {
        for (const PointListBlock::Entry &entry : block->entries)
            emit reported(
                QStringLiteral("site-force-point panel=%1 channel-kind=%2 channel-number=%3 point=%4 action=%5")
                    .arg(block->panel)
                    .arg(entry.byte0 & 0x0F)
                    .arg(entry.byte0 >> 4)
                    .arg(entry.point)
                    .arg(action));
    }
    if (!selected.panel)
        return;
    m_controller.sendPage(PointStatePages::forcedCounts(*selected.panel));
    if (outputs)
        m_controller.sendPage(PointStatePages::pointMap(PointStatePages::ForcedOutputsMap, *selected.panel, layout,
                                                        [](const SitePoint &p) { return p.outputForce != 0; }));
    else
        m_controller.sendPage(PointStatePages::pointMap(PointStatePages::ForcedMap, *selected.panel, layout,
                                                        [](const SitePoint &p) { return p.inputForce != 0; }));
}

// Disable (1) and enable (0) change the points; the deferred functions are
// answered as deferred. The reply carries the request's sequence byte.
void CommandResponder::disable(const QVariantMap &fields, const LkMessage &message)
{
    const std::optional<QVariantMap> own = LkSpeakCodec::readPayload(DisableFields, trailing(fields));
    const std::optional<PointListBlock> block = own ? PointListBlock::read(trailing(*own)) : std::nullopt;
    if (!block) {
        emit reported(QStringLiteral("command-bad disable list"));
        return;
    }
    const quint8 function = byteOf(*own, "function");
    const int layout = message.header.layout;
    const Selected selected = select(*block, layout);
    int changed = 0;
    int deferred = 0;
    for (SitePoint *point : selected.points) {
        if (function != Disable && function != Enable) {
            ++deferred;
            continue;
        }
        const bool disabled = function == Disable;
        changed += point->disabled != disabled;
        point->disabled = disabled;
    }
    m_controller.sendReply(
        message, PointCommandReply.function,
        LkSpeakCodec::writePayload(PointCommandReply, {{"first", selected.points.size()},
                                                       {"completed", selected.points.size() - deferred},
                                                       {"deferred", deferred}}));
    emit reported(QStringLiteral("site-disable panel=%1 function=%2 kind=%3 entries=%4 changed=%5 seq=%6")
                      .arg(block->panel)
                      .arg(function)
                      .arg(byteOf(*own, "kind"))
                      .arg(block->kind == PointListBlock::Individual ? block->entries.size() : selected.points.size())
                      .arg(changed)
                      .arg(message.header.sequence));
    if (!selected.panel || changed == 0)
        return;
    const int disablements = m_controller.site().status.count(block->panel, "disablements");
    const int delta = function == Disable ? changed : -changed;
    m_controller.changeCount(block->panel, QStringLiteral("disablements"), quint16(qMax(0, disablements + delta)));
    // A point that is both an input and an output is in both maps.
    m_controller.sendPage(
        PointStatePages::pointMap(PointStatePages::DisabledInputsMap, *selected.panel, layout, [](const SitePoint &p) {
            return p.disabled && p.attributes & SitePoint::InputAttribute;
        }));
    m_controller.sendPage(
        PointStatePages::pointMap(PointStatePages::DisabledOutputsMap, *selected.panel, layout, [](const SitePoint &p) {
            return p.disabled && p.attributes & SitePoint::OutputAttribute;
        }));
}

void CommandResponder::basicCommand(const QVariantMap &fields, const LkMessage &message)
{
    const std::optional<QVariantMap> own = LkSpeakCodec::readPayload(BasicFields, trailing(fields));
    const std::optional<PointListBlock> block = own ? PointListBlock::read(trailing(*own)) : std::nullopt;
    if (!block) {
        emit reported(QStringLiteral("command-bad basic list"));
        return;
    }
    emit reported(QStringLiteral("site-basic panel=%1 command=%2 entries=%3 applied=%4")
                      .arg(block->panel)
                      .arg(byteOf(*own, "command"))
                      .arg(block->entries.size())
                      .arg(select(*block, message.header.layout).points.size()));
}

// A stop carries two bytes, a start its mode and a wildcard scope.
void CommandResponder::walkTest(const QVariantMap &fields, const LkMessage &message)
{
    const QByteArray rest = trailing(fields);
    if (rest.size() == 2) {
        emit reported(QStringLiteral("walk-test stop %1 %2").arg(quint8(rest.at(0))).arg(quint8(rest.at(1))));
        return;
    }
    const std::optional<QVariantMap> own = LkSpeakCodec::readPayload(StartWalkTestFields, rest);
    const std::optional<PointListBlock> block = own ? PointListBlock::read(trailing(*own)) : std::nullopt;
    if (!block || block->kind != PointListBlock::WildCard) {
        emit reported(QStringLiteral("command-bad walk test"));
        return;
    }
    emit reported(QStringLiteral("walk-test start panel=%1 mode=%2 points=%3")
                      .arg(block->panel)
                      .arg(byteOf(*own, "mode"))
                      .arg(select(*block, message.header.layout).points.size()));
}

void CommandResponder::otherGuiCommand(const QVariantMap &fields, const LkMessage &)
{
    emit reported(QStringLiteral("gui-command %1 %2")
                      .arg(fields.value(QStringLiteral("command")).toInt())
                      .arg(QString::fromLatin1(trailing(fields).toHex())));
}

void CommandResponder::pointInformation(const QVariantMap &fields, const LkMessage &message)
{
    const quint8 panelNumber = byteOf(fields, "panel");
    const quint8 number = byteOf(fields, "number");
    const quint8 point = byteOf(fields, "point");
    const SitePanel *panel = m_controller.site().configuration.findPanel(panelNumber);
    const quint8 byte0 = quint8(number << 4 | (byteOf(fields, "byte0") & 0x0F));
    const SiteChannel *channel =
        panel ? panel->findChannel(byte0, byteOf(fields, "byte1"), message.header.layout) : nullptr;
    int pointIndex = -1;
    if (channel) {
        for (int i = 0; i < channel->points.size(); ++i) {
            if (point == AllPoints || channel->points.at(i).point == point) {
                pointIndex = i;
                break;
            }
        }
    }
    emit reported(QStringLiteral("point-information panel=%1 kind=%2 address=%3 number=%4 point=%5")
                      .arg(panelNumber)
                      .arg(byteOf(fields, "byte0") & 0x0F)
                      .arg(byteOf(fields, "byte1"))
                      .arg(number)
                      .arg(point));
    sendPointInformation(message, panelNumber, channel ? int(channel - panel->channels.data()) : -1, pointIndex);
}

// The cursor names the channel (high byte) and the point's place in it.
void CommandResponder::nextPointInformation(const QVariantMap &fields, const LkMessage &message)
{
    const int cursor = fields.value(QStringLiteral("cursor")).toInt();
    sendPointInformation(message, quint8(message.header.destination), cursor >> 8, cursor & 0xFF);
}

void CommandResponder::sendPointInformation(const LkMessage &request, quint8 panelNumber, int channelIndex,
                                            int pointIndex)
{
    const SitePanel *panel = m_controller.site().configuration.findPanel(panelNumber);
    const bool known = panel && channelIndex >= 0 && channelIndex < panel->channels.size() && pointIndex >= 0
                       && pointIndex < panel->channels.at(channelIndex).points.size();
    QVariantMap values{{"status", known ? 0 : 1},
                       {"panel", panelNumber},
                       {"values4to8", QByteArray::fromHex("0000000200")},
                       {"bytes", QByteArray(22, '\0')},
                       {"bytes2", QByteArray(6, '\0')},
                       {"extension", QByteArray(15, '\0')}};
    if (known) {
        const SiteChannel &channel = panel->channels.at(channelIndex);
        const SitePoint &point = channel.points.at(pointIndex);
        const auto bytes = channel.bytes(request.header.layout);
        QByteArray numbered(22, '\0');
        numbered[15] = char(5); // input state normal
        numbered[19] = char(point.outputForce ? 1 : 0);
        numbered[21] = char(point.outputForce);
        values.insert("statusBits", (point.inputForce ? 0x01 : 0) | (point.disabled ? 0x0C : 0));
        values.insert("byte0", bytes.first & 0x0F);
        values.insert("byte1", bytes.second);
        values.insert("number", channel.number);
        values.insert("point", point.point);
        values.insert("configured", point.deviceType);
        values.insert("capability", (point.functionFlags & 0x0002) ? 0x02 : 0x01);
        values.insert("detected", point.deviceType);
        values.insert("bytes", numbered);
        values.insert("cursor", channelIndex << 8 | (pointIndex + 1));
        values.insert("serial1", 0x10000000u + panelNumber * 0x10000u + channel.address * 0x100u + point.point);
    }
    m_controller.sendReply(request, PointInformationReply.function,
                           LkSpeakCodec::writePayload(PointInformationReply, values));
}

void CommandResponder::text(const QVariantMap &fields, const LkMessage &message)
{
    const quint8 panel = byteOf(fields, "panel");
    const bool second = byteOf(fields, "language") != 0;
    const quint8 languageFlag = second ? 0x80 : 0x00;
    constexpr quint8 PanelFollows = 0x40;
    if (byteOf(fields, "isPoint")) {
        const QByteArray name = QStringLiteral("Point %1.%2.%3%4")
                                    .arg(panel)
                                    .arg(byteOf(fields, "byte1"))
                                    .arg(byteOf(fields, "point"))
                                    .arg(second ? QStringLiteral(" (2)") : QString())
                                    .toLatin1();
        emit reported(QStringLiteral("text-answer point panel=%1 channel=%2/%3 point=%4 language=%5 text=%6")
                          .arg(panel)
                          .arg(byteOf(fields, "byte0"))
                          .arg(byteOf(fields, "byte1"))
                          .arg(byteOf(fields, "point"))
                          .arg(second ? 2 : 1)
                          .arg(QString::fromLatin1(name)));
        m_controller.sendReply(message, PointText.function,
                               LkSpeakCodec::writePayload(PointText, {{"flags", 0x01 | PanelFollows | languageFlag},
                                                                      {"byte0", byteOf(fields, "byte0")},
                                                                      {"byte1", byteOf(fields, "byte1")},
                                                                      {"number", byteOf(fields, "number")},
                                                                      {"point", byteOf(fields, "point")},
                                                                      {"length", name.size()},
                                                                      {"text", name},
                                                                      {"panel", panel}}));
        return;
    }
    const QByteArray name = QStringLiteral("Zone %1%2")
                                .arg(byteOf(fields, "zone"))
                                .arg(second ? QStringLiteral(" (2)") : QString())
                                .toLatin1();
    emit reported(QStringLiteral("text-answer zone panel=%1 zone=%2 language=%3 text=%4")
                      .arg(panel)
                      .arg(byteOf(fields, "zone"))
                      .arg(second ? 2 : 1)
                      .arg(QString::fromLatin1(name)));
    m_controller.sendReply(message, ZoneText.function,
                           LkSpeakCodec::writePayload(ZoneText, {{"flags", 0x02 | PanelFollows | languageFlag},
                                                                 {"zone", byteOf(fields, "zone")},
                                                                 {"length", name.size()},
                                                                 {"text", name},
                                                                 {"panel", panel}}));
}

void CommandResponder::loopShutdownRestart(const QVariantMap &fields, const LkMessage &message)
{
    emit reported(QStringLiteral("loop-%1 panel=%2 loop=%3")
                      .arg(byteOf(fields, "restart") ? QStringLiteral("restart") : QStringLiteral("shutdown"))
                      .arg(message.header.destination)
                      .arg(byteOf(fields, "loop")));
    m_controller.sendReply(
        message, LoopReply.function,
        LkSpeakCodec::writePayload(
            LoopReply, {{"done", 1}, {"loop", byteOf(fields, "loop")}, {"restart", byteOf(fields, "restart")}}));
}

// Bus statistics (1) are answered with kind 1 and twelve counters, flash
// information (2) with kind 3 and two values.
void CommandResponder::diagnostics(const QVariantMap &fields, const LkMessage &message)
{
    const int kind = fields.value(QStringLiteral("kind")).toInt();
    QByteArray figures;
    const auto append32 = [&figures](quint32 value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            figures.append(char(value >> shift));
    };
    int replyKind = 3;
    if (kind == 1) {
        const QByteArray rest = trailing(fields);
        const quint8 node = rest.size() >= 2 ? quint8(rest.at(1)) : 0;
        figures.append(char(node));
        for (quint32 i = 1; i <= 12; ++i)
            append32(node * 100u + i);
        replyKind = 1;
    } else {
        append32(0x00100000);
        append32(0x00080000);
    }
    m_controller.sendReply(message, DiagnosticsReply.function,
                           LkSpeakCodec::writePayload(DiagnosticsReply, {{"kind", replyKind}, {"trailing", figures}}));
}

void CommandResponder::connectedServices(const QVariantMap &fields, const LkMessage &message)
{
    emit reported(QStringLiteral("connected-services panel=%1 request=%2")
                      .arg(message.header.destination)
                      .arg(byteOf(fields, "request")));
    m_controller.sendReply(
        message, ServicesReply.function,
        LkSpeakCodec::writePayload(ServicesReply,
                                   {{"configuration", 1}, {"state1", 1}, {"value11", 30}, {"value12", 0xFFFF}}));
}

// The current format reports counters (flag bit 0) and an extended fault
// map (bit 2); the legacy one counters only.
void CommandResponder::networkFault(const QVariantMap &fields, const LkMessage &message)
{
    const bool legacy = message.header.function == 5;
    QByteArray rest;
    if (!legacy)
        rest.append(char(0x05));
    for (int i = 0; i < 60; ++i)
        rest.append(char(i + 1));
    if (!legacy)
        rest.append(char(0));
    emit reported(QStringLiteral("network-fault node=%1 kind=%2")
                      .arg(message.header.destination)
                      .arg(legacy ? QStringLiteral("legacy") : QString::number(byteOf(fields, "kind"))));
    m_controller.sendReply(message, legacy ? 6 : NetworkFaultReply.function,
                           LkSpeakCodec::writePayload(NetworkFaultReply, {{"trailing", rest}}));
}

void CommandResponder::printReport(const QVariantMap &fields, const LkMessage &message)
{
    emit reported(QStringLiteral("print report=%1 node=%2 printer=%3 parameter=%4 %5")
                      .arg(byteOf(fields, "report"))
                      .arg(message.header.destination)
                      .arg(byteOf(fields, "printer"))
                      .arg(byteOf(fields, "parameter"))
                      .arg(QString::fromLatin1(trailing(fields).toHex())));
    m_controller.sendReply(message, PrintReply.function, LkSpeakCodec::writePayload(PrintReply, {}));
}

void CommandResponder::registerCommands(CommandInterpreter &interpreter)
{
    interpreter.addCommand(QStringLiteral("version"), QString(),
                           QStringLiteral("ask the engine for its software version"), 0,
                           [this](const QStringList &) { requestVersion(); });
    interpreter.addCommand(QStringLiteral("engineflags"), QStringLiteral("<byte>"),
                           QStringLiteral("the first flag byte of the next engine configuration (2: the regional "
                                          "board's inputs, 4: the evacuate key)"),
                           1, [this](const QStringList &arguments) {
                               bool ok = false;
                               const uint flags = arguments.first().toUInt(&ok, 0);
                               if (ok && flags <= 0xFF)
                                   m_controller.editSite().engineFlags = quint8(flags);
                               else
                                   emit reported(QStringLiteral("error usage: engineflags <byte>"));
                           });
    interpreter.addCommand(QStringLiteral("point"), QStringLiteral("<panel> <kind> <address> <number> <point>"),
                           QStringLiteral("what the engine's commands made of a point: its forces and disablement"), 5,
                           [this](const QStringList &arguments) {
                               int values[5] = {};
                               bool ok = true;
                               for (int i = 0; i < 5 && ok; ++i)
                                   values[i] = arguments.at(i).toInt(&ok, 0);
                               if (!ok) {
                                   emit reported(
                                       QStringLiteral("error usage: point <panel> <kind> <address> <number> <point>"));
                                   return;
                               }
                               emit reported(describePoint(quint8(values[0]), quint8(values[1]), quint8(values[2]),
                                                           quint8(values[3]), quint8(values[4])));
                           });
    interpreter.addCommand(QStringLiteral("disabled"), QStringLiteral("<panel>"),
                           QStringLiteral("the panel's points that the engine's commands left disabled, each as "
                                          "<kind>/<address>/<number>/<point>"),
                           1, [this](const QStringList &arguments) { listDisabled(arguments); });
    interpreter.addCommand(
        QStringLiteral("walktest"), QStringLiteral("<panel> <status> <zone>"),
        QStringLiteral("a walk test of the panel's input points in the zone (255 all), status 1-5 (0 stopped, "
                       "6 none): its summary (page 22) and point maps (23 to 25)"),
        3, [this](const QStringList &arguments) { runWalkTest(arguments); });
    interpreter.addCommand(QStringLiteral("silent"), QStringLiteral("<panel> <0|1>"),
                           QStringLiteral("a panel of the network stops answering (1) or answers again (0): the "
                                          "not-responding panels map (page 134)"),
                           2, [this](const QStringList &arguments) { markSilent(arguments); });
}

void CommandResponder::markSilent(const QStringList &arguments)
{
    bool panelOk = false;
    bool stateOk = false;
    const int panel = arguments.at(0).toInt(&panelOk, 0);
    const int state = arguments.at(1).toInt(&stateOk, 0);
    if (!panelOk || !stateOk || panel < 1 || panel > 99 || (state != 0 && state != 1)) {
        emit reported(QStringLiteral("error usage: silent <panel 1-99> <0|1>"));
        return;
    }
    SiteStatus &status = m_controller.status();
    if (state == 1)
        status.silentPanels.insert(quint8(panel));
    else
        status.silentPanels.remove(quint8(panel));
    const Site &site = m_controller.site();
    m_controller.sendPage(PointStatePages::notRespondingMap(site.panelNode, status.silentPanels, site.headerLayout));
    emit reported(QStringLiteral("silent panel=%1 state=%2").arg(panel).arg(state));
}

void CommandResponder::listDisabled(const QStringList &arguments)
{
    bool ok = false;
    const int number = arguments.first().toInt(&ok, 0);
    const SitePanel *panel =
        ok && number >= 0 && number <= 255 ? m_controller.site().configuration.findPanel(quint8(number)) : nullptr;
    if (!panel) {
        emit reported(QStringLiteral("error usage: disabled <panel of the site>"));
        return;
    }
    QStringList points;
    for (const SiteChannel &channel : panel->channels) {
        for (const SitePoint &point : channel.points) {
            if (point.disabled)
                points << QStringLiteral("%1/%2/%3/%4")
                              .arg(channel.kind)
                              .arg(channel.address)
                              .arg(channel.number)
                              .arg(point.point);
        }
    }
    emit reported(QStringLiteral("disabled panel=%1 points=%2%3")
                      .arg(number)
                      .arg(points.size())
                      .arg(points.isEmpty() ? QString() : QLatin1Char(' ') + points.join(QLatin1Char(' '))));
}

void CommandResponder::runWalkTest(const QStringList &arguments)
{
    int values[3] = {};
    bool ok = true;
    for (int i = 0; i < 3 && ok; ++i)
        values[i] = arguments.at(i).toInt(&ok, 0);
    const bool zoneOk = (values[2] >= 0 && values[2] <= 240) || values[2] == WalkTestPages::AllZones;
    const SitePanel *panel = ok ? m_controller.site().configuration.findPanel(quint8(values[0])) : nullptr;
    if (!panel || values[0] > 99 || values[1] < 0 || values[1] > 6 || !zoneOk) {
        emit reported(QStringLiteral("error usage: walktest <panel of the site> <status 0-6> <zone 0-240|255>"));
        return;
    }
    const QVector<QByteArray> pages =
        WalkTestPages::pages(*panel, m_controller.site().headerLayout, quint8(values[1]), quint8(values[2]));
    for (const QByteArray &page : pages)
        m_controller.sendPage(page);
    emit reported(QStringLiteral("walk-test panel=%1 status=%2 zone=%3").arg(values[0]).arg(values[1]).arg(values[2]));
}

void CommandResponder::requestVersion()
{
    m_controller.sendRequest(VersionRequest.function, LkSpeakCodec::writePayload(VersionRequest, {}), false,
                             QStringLiteral("version"));
}

void CommandResponder::versionReply(const QVariantMap &fields, const LkMessage &)
{
    emit reported(QStringLiteral("version %1.%2.%3 development=%4 built=%5")
                      .arg(byteOf(fields, "major"))
                      .arg(byteOf(fields, "minor"))
                      .arg(byteOf(fields, "third"))
                      .arg(byteOf(fields, "development"))
                      .arg(QString::fromLatin1(fields.value(QStringLiteral("built")).toByteArray())));
}

// One line per change, in the order the packet gives them; a half change at
// the end is reported as such.
void CommandResponder::inputChange(const QVariantMap &fields, const LkMessage &)
{
    emit reported(inputChangeText(byteOf(fields, "group"), byteOf(fields, "input")));
    const QByteArray more = trailing(fields);
    for (int at = 0; at + 1 < more.size(); at += 2)
        emit reported(inputChangeText(quint8(more.at(at)), quint8(more.at(at + 1))));
    if (more.size() % 2 != 0)
        emit reported(QStringLiteral("command-bad input-point-change odd trailing byte"));
}

void CommandResponder::reportOnly(const QVariantMap &fields, const LkMessage &message)
{
    QStringList parts;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        parts << it.key() + QLatin1Char('=') + it.value().toString();
    emit reported(QStringLiteral("command fc%1 node=%2 %3")
                      .arg(message.header.function)
                      .arg(message.header.destination)
                      .arg(parts.join(QLatin1Char(' '))));
}

QString CommandResponder::describePoint(quint8 panelNumber, quint8 kind, quint8 address, quint8 number, quint8 point)
{
    const QString name =
        QStringLiteral("%1 %2/%3/%4/%5").arg(panelNumber).arg(kind).arg(address).arg(number).arg(point);
    const SitePanel *panel = m_controller.site().configuration.findPanel(panelNumber);
    const SiteChannel site{kind, number, address, {}};
    const SiteChannel *channel = panel ? panel->findChannel(site.bytes(1).first, site.bytes(1).second, 1) : nullptr;
    const SitePoint *found = channel ? channel->findPoint(point) : nullptr;
    if (!found)
        return QStringLiteral("point-unknown %1").arg(name);
    return QStringLiteral("point %1 input-force=%2 output-force=%3 disabled=%4")
        .arg(name)
        .arg(found->inputForce)
        .arg(found->outputForce)
        .arg(found->disabled ? 1 : 0);
}
