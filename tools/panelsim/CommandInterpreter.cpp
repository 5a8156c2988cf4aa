#include "CommandInterpreter.h"

#include "Controller.h"
#include "ControllerLink.h"
#include "SyncPage.h"
#include "SyncSession.h"
#include "common/CommandHelp.h"

#include <unistd.h>

namespace {

bool parseNumber(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok, 0);
    return ok;
}

struct OutputModeName
{
    const char *name;
    Controller::OutputMode mode;
};
const OutputModeName outputModes[] = {{"on", Controller::OutputsOn},
                                      {"off", Controller::OutputsOff},
                                      {"pulse1", Controller::OutputsPulse1},
                                      {"pulse2", Controller::OutputsPulse2}};
// The LkSpeak function code of the pulse patterns.
constexpr int pulsePatternsFunction = 70;

QByteArray parseHex(const QStringList &parts)
{
    return QByteArray::fromHex(parts.join(QString()).toLatin1());
}

// The counts that are not 0, by name.
QString countsText(const SitePanelStatus *status)
{
    QStringList counts;
    for (int i = 0; status && i < SitePanelStatus::Counts; ++i) {
        if (status->counts[size_t(i)] != 0)
            counts << QStringLiteral("%1=%2")
                          .arg(QLatin1String(SitePanelStatus::countNames()[size_t(i)]))
                          .arg(status->counts[size_t(i)]);
    }
    return counts.isEmpty() ? QStringLiteral("none") : counts.join(QLatin1Char(' '));
}

} // namespace

const QVector<CommandInterpreter::Command> &CommandInterpreter::commands()
{
    static const QVector<Command> table = {
        {"heartbeat", "<interval ms> [status] | off", "heartbeats at that interval, or none", 1,
         &CommandInterpreter::heartbeat},
        {"beat", "[status]", "one heartbeat now; its answer is always shown", 0, &CommandInterpreter::beat},
        {"connreq", "[option byte]", "initiate connection (245/18); the answer is checked", 0,
         &CommandInterpreter::connectionRequest},
        {"supervise", "[count]", "supervision requests (245/25)", 0, &CommandInterpreter::supervise},
        {"lk", "<function code> <payload hex>", "an LkSpeak packet", 1, &CommandInterpreter::lk},
        {"site", "", "the site's configuration, text, network and service pages and the panel clock", 0,
         &CommandInterpreter::siteConfiguration},
        {"loopscan", "<panel> <loop>", "the loop's point counters (page 29)", 2, &CommandInterpreter::loopScan},
        {"codepage", "1|2 <code page>", "the code page of a language's texts, named in the next engine configuration",
         2, &CommandInterpreter::codePage},
        {"send", "<channel> [body hex]", "one frame", 1, &CommandInterpreter::send},
        {"sync", "", "connection, engine configuration, signatures, differing pages, sync complete", 0,
         &CommandInterpreter::sync},
        {"count", "<panel> <count name> <value>", "change a status count, send its page 5 (status lists the names)", 3,
         &CommandInterpreter::count},
        {"fire", "<panel> [off]", "a fire (or its reset), as status counts and high-priority statuses", 1,
         &CommandInterpreter::fire},
        {"standby", "<seconds> [init]",
         "the high-priority statuses with a fire-reset time (or the initialisation time): the engine's standby "
         "countdown; 0 ends it",
         1, &CommandInterpreter::standby},
        {"page", "<page> <panel> <part> [body hex]", "a sync page part, acknowledgement asked", 3,
         &CommandInterpreter::page},
        {"netstate", "<panel> <state>", "a panel's state on the network (2: its texts on request), page 17", 2,
         &CommandInterpreter::networkState},
        {"outputstimer", "<panel> <seconds>", "how long the panel's non-LED outputs stay isolated, page 27", 2,
         &CommandInterpreter::outputsTimer},
        {"outputs", "on|off|pulse1|pulse2 <kind 0 real, 2 xbus> <first point> [count]",
         "output points' LED mode (66 to 69)", 3, &CommandInterpreter::outputPoints},
        {"pulses", "<first> <second>", "the two pulse patterns, one byte each, bit i lighting 500 ms (70)", 2,
         &CommandInterpreter::pulsePatterns},
        {"sigs", "[panel]", "ask for the signatures the engine holds (245/16)", 0, &CommandInterpreter::signatures},
        {"raw", "<hex>", "bytes as they are", 1, &CommandInterpreter::raw},
        {"layout", "0|1", "header layout of the packets sent", 1, &CommandInterpreter::layout},
        {"status", "", "the link, the panels with their names, loops and points, the status counts by name", 0,
         &CommandInterpreter::status},
        {"disconnect", "", "close the connection", 0, &CommandInterpreter::disconnectLink},
        {"connect", "", "connect again", 0, &CommandInterpreter::connectLink},
        {"reconnect", "", "close the connection and connect again at once", 0, &CommandInterpreter::reconnectLink},
        {"wait", "<ms>", "hold the commands that follow for a while", 1, &CommandInterpreter::wait},
        {"expect", "<event prefix, blanks allowed> [timeout ms]",
         "hold the commands that follow until such an event (an engine's input arrives as \"input <name> "
         "active|inactive group=<g> input=<n>\", e.g. input evacuate active); stop with an error after the time-out",
         1, &CommandInterpreter::expect},
        {"quit", "", "stop", 0, &CommandInterpreter::quit},
        {"help", "", "this list", 0, &CommandInterpreter::help},
    };
    return table;
}

QString CommandInterpreter::Entry::usage() const
{
    return arguments.isEmpty() ? name : name + QLatin1Char(' ') + arguments;
}

CommandInterpreter::CommandInterpreter(Controller &controller, ControllerLink &link, SyncSession &session,
                                       QObject *parent)
    : QObject(parent)
    , m_controller(controller)
    , m_link(link)
    , m_session(session)
{
    for (const Command &command : commands()) {
        const auto run = command.run;
        m_commands.append({QLatin1String(command.name), QLatin1String(command.arguments),
                           QLatin1String(command.description), command.minimumArguments,
                           [this, run](const QStringList &arguments) { (this->*run)(arguments); }});
    }
    m_hold.setSingleShot(true);
    connect(&m_hold, &QTimer::timeout, this, [this] {
        if (!m_expected.isEmpty()) {
            emit output(QStringLiteral("expect-failed %1").arg(m_expected));
            emit finished(1);
            return;
        }
        runQueued();
    });
}

void CommandInterpreter::readStandardInput()
{
    m_input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_input, &QSocketNotifier::activated, this, [this] {
        char chunk[4096];
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count <= 0) {
            m_input->setEnabled(false);
            enqueue(QStringLiteral("quit"));
            return;
        }
        m_partialLine.append(chunk, int(count));
        int end;
        while ((end = m_partialLine.indexOf('\n')) >= 0) {
            enqueue(QString::fromUtf8(m_partialLine.left(end)));
            m_partialLine.remove(0, end + 1);
        }
    });
}

void CommandInterpreter::addCommand(const QString &name, const QString &arguments, const QString &description,
                                    int minimumArguments, Run run)
{
    m_commands.append({name, arguments, description, minimumArguments, std::move(run)});
}

void CommandInterpreter::enqueue(const QString &line)
{
    m_queue.enqueue(line);
    if (!m_hold.isActive())
        runQueued();
}

void CommandInterpreter::runQueued()
{
    while (!m_queue.isEmpty() && !m_hold.isActive())
        execute(m_queue.dequeue());
}

void CommandInterpreter::observe(const QString &event)
{
    m_seenSinceLastCommand << event;
    if (m_expected.isEmpty() || !event.startsWith(m_expected))
        return;
    m_expected.clear();
    m_hold.stop();
    runQueued();
}

void CommandInterpreter::execute(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return;
    QStringList arguments = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString name = arguments.takeFirst();
    for (const Entry &command : qAsConst(m_commands)) {
        if (name != command.name)
            continue;
        if (arguments.size() < command.minimumArguments) {
            emit output(QStringLiteral("error usage: %1").arg(command.usage()));
            return;
        }
        // "expect" is met by what the command before it brought.
        if (name != QLatin1String("expect"))
            m_seenSinceLastCommand.clear();
        const int dropped = m_link.droppedSends();
        command.run(arguments);
        if (m_link.droppedSends() != dropped)
            emit output(
                QStringLiteral("error not connected to the engine at %1: %2 sent nothing").arg(m_link.address(), name));
        return;
    }
    emit output(QStringLiteral("error unknown command: %1 (help lists the commands)").arg(name));
}

void CommandInterpreter::heartbeat(const QStringList &arguments)
{
    if (arguments.first() == QLatin1String("off")) {
        m_controller.stopHeartbeat();
        return;
    }
    int interval = 0;
    int status = 2;
    if (!parseNumber(arguments.first(), interval) || interval <= 0
        || (arguments.size() > 1 && !parseNumber(arguments.at(1), status))) {
        emit output(QStringLiteral("error usage: heartbeat <interval ms> [status]"));
        return;
    }
    m_controller.startHeartbeat(interval, quint8(status));
}

void CommandInterpreter::beat(const QStringList &arguments)
{
    int status = 2;
    if (!arguments.isEmpty())
        parseNumber(arguments.first(), status);
    m_controller.sendHeartbeat(quint8(status));
}

void CommandInterpreter::connectionRequest(const QStringList &arguments)
{
    int options = 255;
    if (!arguments.isEmpty())
        parseNumber(arguments.first(), options);
    m_controller.editSite().connectionOptions = options;
    m_controller.sendConnectionRequest();
}

void CommandInterpreter::supervise(const QStringList &arguments)
{
    int count = 1;
    if (!arguments.isEmpty())
        parseNumber(arguments.first(), count);
    for (int i = 0; i < count; ++i)
        m_controller.sendSupervisionRequest();
}

void CommandInterpreter::lk(const QStringList &arguments)
{
    int function = 0;
    if (!parseNumber(arguments.first(), function)) {
        emit output(QStringLiteral("error bad function code"));
        return;
    }
    m_controller.sendLkSpeak(function, parseHex(arguments.mid(1)));
}

void CommandInterpreter::siteConfiguration(const QStringList &)
{
    m_controller.sendSiteConfiguration();
}

void CommandInterpreter::loopScan(const QStringList &arguments)
{
    int panel = 0;
    int loop = 0;
    if (!parseNumber(arguments.at(0), panel) || !parseNumber(arguments.at(1), loop)
        || !m_controller.sendLoopCounters(quint8(panel), quint8(loop)))
        emit output(QStringLiteral("error no such loop"));
}

void CommandInterpreter::codePage(const QStringList &arguments)
{
    int codePage = 0;
    if (!parseNumber(arguments.at(1), codePage) || codePage <= 0 || codePage > 0xFFFF) {
        emit output(QStringLiteral("error bad code page"));
        return;
    }
    SiteTexts &texts = m_controller.editSite().texts;
    (arguments.at(0) == QLatin1String("1") ? texts.firstCodePage : texts.secondCodePage) = quint16(codePage);
}

void CommandInterpreter::send(const QStringList &arguments)
{
    int channel = 0;
    if (!parseNumber(arguments.first(), channel)) {
        emit output(QStringLiteral("error bad channel"));
        return;
    }
    m_link.send(quint8(channel), parseHex(arguments.mid(1)));
}

void CommandInterpreter::sync(const QStringList &)
{
    m_session.start();
}

void CommandInterpreter::count(const QStringList &arguments)
{
    int panel = 0;
    int value = 0;
    if (SitePanelStatus::countIndex(arguments.at(1)) < 0) {
        const auto &names = SitePanelStatus::countNames();
        emit output(QStringLiteral("error no such count: %1 (counts: %2)")
                        .arg(arguments.at(1), QStringList(names.begin(), names.end()).join(QLatin1Char(' '))));
        return;
    }
    if (!parseNumber(arguments.at(2), value) || value < 0 || value > 0xFFFF) {
        emit output(QStringLiteral("error bad count value: %1 (0 to 65535)").arg(arguments.at(2)));
        return;
    }
    if (!parseNumber(arguments.at(0), panel)
        || !m_controller.changeCount(quint8(panel), arguments.at(1), quint16(value)))
        emit output(QStringLiteral("error no such panel: %1 (%2)").arg(arguments.at(0), panelList()));
}

void CommandInterpreter::fire(const QStringList &arguments)
{
    int panel = 0;
    const bool on = arguments.size() < 2 || arguments.at(1) != QLatin1String("off");
    if (!parseNumber(arguments.first(), panel) || !m_controller.setFire(quint8(panel), on))
        emit output(QStringLiteral("error no such panel: %1 (%2)").arg(arguments.first(), panelList()));
}

void CommandInterpreter::standby(const QStringList &arguments)
{
    int seconds = 0;
    const bool initialisation = arguments.size() > 1 && arguments.at(1) == QLatin1String("init");
    if (!parseNumber(arguments.first(), seconds) || seconds < 0 || seconds > 0xffff
        || (arguments.size() > 1 && !initialisation)) {
        emit output(QStringLiteral("error usage: standby <seconds 0-65535> [init]"));
        return;
    }
    m_controller.sendStandby(quint16(seconds), initialisation);
}

void CommandInterpreter::page(const QStringList &arguments)
{
    int page = 0;
    int panel = 0;
    int part = 0;
    if (!parseNumber(arguments.at(0), page) || !parseNumber(arguments.at(1), panel)
        || !parseNumber(arguments.at(2), part)) {
        emit output(QStringLiteral("error usage: page <page> <panel> <part> [body hex]"));
        return;
    }
    m_controller.sendPage(SyncPage::payload(page, quint8(panel), parseHex(arguments.mid(3)), quint8(part)));
}

void CommandInterpreter::networkState(const QStringList &arguments)
{
    int panel = 0;
    int state = 0;
    if (!parseNumber(arguments.at(0), panel) || panel < 0 || panel > 99 || !parseNumber(arguments.at(1), state)
        || state < 0 || state > 255) {
        emit output(QStringLiteral("error usage: netstate <panel 0-99> <state 0-255>"));
        return;
    }
    m_controller.setNetworkState(quint8(panel), quint8(state));
}

void CommandInterpreter::outputsTimer(const QStringList &arguments)
{
    int panel = 0;
    int seconds = 0;
    if (!parseNumber(arguments.at(0), panel) || panel < 0 || panel > 99 || !parseNumber(arguments.at(1), seconds)
        || seconds < 0 || seconds > 65535) {
        emit output(QStringLiteral("error usage: outputstimer <panel 0-99> <seconds 0-65535>"));
        return;
    }
    if (!m_controller.setOutputsReEnableTime(quint8(panel), quint16(seconds)))
        emit output(QStringLiteral("error no such panel: %1 (%2)").arg(arguments.at(0), panelList()));
}

void CommandInterpreter::outputPoints(const QStringList &arguments)
{
    const OutputModeName *mode = nullptr;
    for (const OutputModeName &candidate : outputModes) {
        if (arguments.at(0) == QLatin1String(candidate.name))
            mode = &candidate;
    }
    int kind = 0;
    int first = 0;
    int count = 1;
    if (!mode || !parseNumber(arguments.at(1), kind) || !parseNumber(arguments.at(2), first)
        || (arguments.size() > 3 && !parseNumber(arguments.at(3), count)) || kind < 0 || kind > 7 || first < 0
        || first > 255 || count < 1 || count > 255) {
        emit output(QStringLiteral("error usage: outputs on|off|pulse1|pulse2 <kind> <first point> [count]"));
        return;
    }
    m_controller.setOutputs(mode->mode, quint8(kind), quint8(first), quint8(count));
}

void CommandInterpreter::pulsePatterns(const QStringList &arguments)
{
    int first = 0;
    int second = 0;
    if (!parseNumber(arguments.at(0), first) || !parseNumber(arguments.at(1), second) || first < 0 || first > 255
        || second < 0 || second > 255) {
        emit output(QStringLiteral("error usage: pulses <first byte> <second byte>"));
        return;
    }
    QByteArray payload;
    payload.append(char(first));
    payload.append(char(second));
    m_controller.sendLkSpeak(pulsePatternsFunction, payload);
}

void CommandInterpreter::signatures(const QStringList &arguments)
{
    int panel = 255;
    if (!arguments.isEmpty())
        parseNumber(arguments.first(), panel);
    m_controller.sendLkSpeak(
        SyncPage::SupportFunction,
        LkSpeakCodec::writePayload(*LkSpeakCodec::kindNamed(QStringLiteral("signature-transfer-request")),
                                   {{"panel", panel}}));
}

void CommandInterpreter::raw(const QStringList &arguments)
{
    m_link.sendRaw(parseHex(arguments));
}

void CommandInterpreter::layout(const QStringList &arguments)
{
    m_controller.editSite().headerLayout = arguments.first() == QLatin1String("1") ? 1 : 0;
}

void CommandInterpreter::disconnectLink(const QStringList &)
{
    m_link.close();
}

void CommandInterpreter::connectLink(const QStringList &)
{
    m_link.open();
}

void CommandInterpreter::reconnectLink(const QStringList &)
{
    m_link.reconnect();
}

void CommandInterpreter::wait(const QStringList &arguments)
{
    int milliseconds = 0;
    parseNumber(arguments.first(), milliseconds);
    m_hold.start(milliseconds);
}

void CommandInterpreter::expect(const QStringList &arguments)
{
    // The prefix may have blanks; a number after it is the time-out.
    int timeout = 10000;
    QStringList words = arguments;
    if (words.size() > 1 && parseNumber(words.last(), timeout))
        words.removeLast();
    else
        timeout = 10000;
    const QString prefix = words.join(QLatin1Char(' '));
    for (const QString &seen : qAsConst(m_seenSinceLastCommand)) {
        if (seen.startsWith(prefix))
            return;
    }
    m_expected = prefix;
    m_hold.start(timeout);
}

void CommandInterpreter::quit(const QStringList &)
{
    emit finished(0);
}

void CommandInterpreter::help(const QStringList &)
{
    for (const Entry &command : qAsConst(m_commands)) {
        for (const QString &line : commandHelp(command.usage(), command.description))
            emit output(line);
    }
}

void CommandInterpreter::status(const QStringList &)
{
    const Site &site = m_controller.site();
    emit output(
        QStringLiteral("status link %1 %2")
            .arg(m_link.isConnected() ? QStringLiteral("connected to") : QStringLiteral("not connected, trying"),
                 m_link.address()));
    for (const SitePanel &panel : site.configuration.panels) {
        int points = 0;
        for (const SiteChannel &channel : panel.channels)
            points += channel.points.size();
        QStringList loops;
        for (quint8 loop : panel.loops())
            loops << QString::number(loop);
        emit output(QStringLiteral("status panel %1 \"%2\" / \"%3\" loops %4 points %5 counts %6")
                        .arg(panel.number)
                        .arg(panel.name1, panel.name2, loops.join(QLatin1Char(',')))
                        .arg(points)
                        .arg(countsText(site.status.panel(panel.number))));
    }
    emit output(QStringLiteral("status totals counts %1").arg(countsText(site.status.panel(SiteStatus::TotalsPanel))));
    const auto &names = SitePanelStatus::countNames();
    emit output(
        QStringLiteral("status count names %1").arg(QStringList(names.begin(), names.end()).join(QLatin1Char(' '))));
}

QString CommandInterpreter::panelList() const
{
    QStringList panels;
    for (const SitePanelStatus &status : m_controller.site().status.panels) {
        if (status.panel != SiteStatus::TotalsPanel)
            panels << QString::number(status.panel);
    }
    return QStringLiteral("panels: ") + panels.join(QLatin1Char(' '));
}
