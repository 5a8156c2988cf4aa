#include "CommandInterpreter.h"

#include "Controller.h"
#include "ControllerLink.h"
#include "SyncPage.h"
#include "SyncSession.h"

#include <unistd.h>

namespace {

bool parseNumber(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok, 0);
    return ok;
}

// The LkSpeak function codes of the output-point modes and the pulse
// patterns.
struct OutputMode
{
    const char *name;
    int function;
};
const OutputMode outputModes[] = {{"on", 66}, {"off", 67}, {"pulse1", 68}, {"pulse2", 69}};
constexpr int pulsePatternsFunction = 70;
// The flags byte of an output-point update: a list follows, of this kind.
constexpr quint8 outputListFollows = 0x80;

QByteArray parseHex(const QStringList &parts)
{
    return QByteArray::fromHex(parts.join(QString()).toLatin1());
}

} // namespace

const QVector<CommandInterpreter::Command> &CommandInterpreter::commands()
{
    static const QVector<Command> table = {
        {"heartbeat", "heartbeat <interval ms> [status] | heartbeat off", 1, &CommandInterpreter::heartbeat},
        {"beat", "beat [status]: one heartbeat now", 0, &CommandInterpreter::beat},
        {"connreq", "connreq [option byte]: initiate connection (245/18)", 0, &CommandInterpreter::connectionRequest},
        {"supervise", "supervise [count]: supervision requests (245/25)", 0, &CommandInterpreter::supervise},
        {"lk", "lk <function code> <payload hex>: an LkSpeak packet", 1, &CommandInterpreter::lk},
        {"site", "site: the site's configuration, text, network and service pages and the panel clock", 0,
         &CommandInterpreter::siteConfiguration},
        {"loopscan", "loopscan <panel> <loop>: the loop's point counters (page 29)", 2, &CommandInterpreter::loopScan},
        {"codepage", "codepage 1|2 <code page>: the code page of a language's texts", 2, &CommandInterpreter::codePage},
        {"send", "send <channel> [body hex]: one frame", 1, &CommandInterpreter::send},
        {"sync", "sync: connection, engine configuration, signatures, differing pages, sync complete", 0,
         &CommandInterpreter::sync},
        {"count", "count <panel> <count name> <value>: change a status count, send its page 5", 3,
         &CommandInterpreter::count},
        {"fire", "fire <panel> [off]: a fire (or its reset), as status counts and high-priority statuses", 1,
         &CommandInterpreter::fire},
        {"page", "page <page> <panel> <part> [body hex]: a sync page part, acknowledgement asked", 3,
         &CommandInterpreter::page},
        {"outputs",
         "outputs on|off|pulse1|pulse2 <kind 0 real, 2 xbus> <first point> [count]: output points' LED mode "
         "(66 to 69)",
         3, &CommandInterpreter::outputPoints},
        {"pulses", "pulses <first> <second>: the two pulse patterns, one byte each, bit i lighting 500 ms (70)", 2,
         &CommandInterpreter::pulsePatterns},
        {"sigs", "sigs [panel]: ask for the signatures the engine holds (245/16)", 0, &CommandInterpreter::signatures},
        {"raw", "raw <hex>: bytes as they are", 1, &CommandInterpreter::raw},
        {"layout", "layout 0|1: header layout of the packets sent", 1, &CommandInterpreter::layout},
        {"disconnect", "disconnect: close the connection", 0, &CommandInterpreter::disconnectLink},
        {"connect", "connect: connect again", 0, &CommandInterpreter::connectLink},
        {"wait", "wait <ms>", 1, &CommandInterpreter::wait},
        {"expect", "expect <event prefix, blanks allowed> [timeout ms]", 1, &CommandInterpreter::expect},
        {"quit", "quit", 0, &CommandInterpreter::quit},
        {"help", "help", 0, &CommandInterpreter::help},
    };
    return table;
}

CommandInterpreter::CommandInterpreter(Controller &controller, ControllerLink &link, SyncSession &session,
                                       QObject *parent)
    : QObject(parent)
    , m_controller(controller)
    , m_link(link)
    , m_session(session)
{
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

void CommandInterpreter::addCommand(const QString &name, const QString &usage, int minimumArguments, Run run)
{
    m_serviceCommands.append({name, usage, minimumArguments, std::move(run)});
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
    for (const Command &command : commands()) {
        if (name != QLatin1String(command.name))
            continue;
        if (arguments.size() < command.minimumArguments) {
            emit output(QStringLiteral("error usage: %1").arg(QLatin1String(command.usage)));
            return;
        }
        (this->*command.run)(arguments);
        if (command.run != &CommandInterpreter::expect)
            m_seenSinceLastCommand.clear();
        return;
    }
    for (const ServiceCommand &command : qAsConst(m_serviceCommands)) {
        if (name != command.name)
            continue;
        if (arguments.size() < command.minimumArguments) {
            emit output(QStringLiteral("error usage: %1").arg(command.usage));
            return;
        }
        m_seenSinceLastCommand.clear();
        command.run(arguments);
        return;
    }
    emit output(QStringLiteral("error unknown command: %1").arg(name));
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
    m_controller.site().connectionOptions = options;
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
    SiteTexts &texts = m_controller.site().texts;
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
    if (!parseNumber(arguments.at(0), panel) || !parseNumber(arguments.at(2), value)
        || !m_controller.changeCount(quint8(panel), arguments.at(1), quint16(value)))
        emit output(QStringLiteral("error no such panel or count"));
}

void CommandInterpreter::fire(const QStringList &arguments)
{
    int panel = 0;
    const bool on = arguments.size() < 2 || arguments.at(1) != QLatin1String("off");
    if (!parseNumber(arguments.first(), panel) || !m_controller.setFire(quint8(panel), on))
        emit output(QStringLiteral("error no such panel"));
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

void CommandInterpreter::outputPoints(const QStringList &arguments)
{
    int function = 0;
    for (const OutputMode &mode : outputModes) {
        if (arguments.at(0) == QLatin1String(mode.name))
            function = mode.function;
    }
    int kind = 0;
    int first = 0;
    int count = 1;
    if (function == 0 || !parseNumber(arguments.at(1), kind) || !parseNumber(arguments.at(2), first)
        || (arguments.size() > 3 && !parseNumber(arguments.at(3), count)) || kind < 0 || kind > 7 || first < 0
        || first > 255 || count < 1 || count > 255) {
        emit output(QStringLiteral("error usage: outputs on|off|pulse1|pulse2 <kind> <first point> [count]"));
        return;
    }
    // Every point of the range is in the list.
    QByteArray payload;
    payload.append(char(outputListFollows | kind));
    payload.append(char(first));
    payload.append(char(count));
    QByteArray bits((count + 7) / 8, '\0');
    for (int j = 0; j < count; ++j)
        bits[j / 8] = char(quint8(bits.at(j / 8)) | (0x80 >> (j % 8)));
    m_controller.sendLkSpeak(function, payload + bits);
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
    m_controller.site().headerLayout = arguments.first() == QLatin1String("1") ? 1 : 0;
}

void CommandInterpreter::disconnectLink(const QStringList &)
{
    m_link.close();
}

void CommandInterpreter::connectLink(const QStringList &)
{
    m_link.open();
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
    for (const Command &command : commands())
        emit output(QLatin1String(command.usage));
    for (const ServiceCommand &command : qAsConst(m_serviceCommands))
        emit output(command.usage);
}
