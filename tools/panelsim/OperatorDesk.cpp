#include "OperatorDesk.h"

#include "CommandInterpreter.h"
#include "Controller.h"
#include "EventLogService.h"
#include "SiteStatus.h"

namespace {

constexpr quint8 NoUser = 255;
constexpr int SupportFunction = 245;
// The controller's answers to a log-on.
enum LogOnAnswer : quint8 { Accepted = 0, Refused = 1, AlreadyLoggedOn = 3 };

// The panel keys' group and the inputs an operator's keys pulse.
constexpr quint8 PanelKeys = 0;
constexpr quint8 SilenceResoundSounders = 45;
constexpr quint8 FireReset = 46;
constexpr quint8 ActiveBit = 0x80;
// Sounders silenced, in the high-priority status word.
constexpr quint16 SoundersSilencedBit = 1u << 6;

const PacketKind Acknowledgement{
    "acknowledgement", SupportFunction, 1, {{"sub", FieldType::U8}, {"answer", FieldType::U8}}};

bool parseNumber(const QString &text, int lowest, int highest, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= lowest && value <= highest;
}

} // namespace

OperatorDesk::OperatorDesk(Controller &controller, EventLogService &eventLog, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
    , m_eventLog(eventLog)
    // An operator, a supervisor and an engineer.
    , m_users{{1, "1111", 2}, {2, "2222", 3}, {9, "9999", 4}}
    , m_loggedOn(NoUser)
{
    connect(&m_controller, &Controller::received, this, &OperatorDesk::onReceived);
}

void OperatorDesk::registerCommands(CommandInterpreter &interpreter)
{
    interpreter.addCommand(QStringLiteral("user"), QStringLiteral("<number 1-99> <passcode> <level 1-14>"),
                           QStringLiteral("adds a user to the log-on table, or changes one"), 3,
                           [this](const QStringList &arguments) { userCommand(arguments); });
    interpreter.addCommand(
        QStringLiteral("users"), QString(), QStringLiteral("the log-on table and who is logged on"), 0,
        [this](const QStringList &) {
            QStringList entries;
            for (const User &user : qAsConst(m_users))
                entries << QStringLiteral("%1/%2").arg(user.number).arg(user.level);
            emit reported(QStringLiteral("users %1 logged-on=%2").arg(entries.join(QLatin1Char(' '))).arg(m_loggedOn));
        });
}

void OperatorDesk::userCommand(const QStringList &arguments)
{
    int number = 0;
    int level = 0;
    if (!parseNumber(arguments.at(0), 1, 99, number) || !parseNumber(arguments.at(2), 1, 14, level)
        || arguments.at(1).isEmpty()) {
        emit reported(QStringLiteral("error usage: user <number 1-99> <passcode> <level 1-14>"));
        return;
    }
    const User entry{quint8(number), arguments.at(1).toUtf8(), quint8(level)};
    for (User &user : m_users) {
        if (user.number == entry.number) {
            user = entry;
            emit reported(QStringLiteral("user %1 changed").arg(number));
            return;
        }
    }
    m_users.append(entry);
    emit reported(QStringLiteral("user %1 added").arg(number));
}

const OperatorDesk::User *OperatorDesk::findUser(quint8 number) const
{
    for (const User &user : m_users) {
        if (user.number == number)
            return &user;
    }
    return nullptr;
}

void OperatorDesk::onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &message)
{
    if (kind == QLatin1String("logon"))
        logOn(fields, message);
    else if (kind == QLatin1String("logoff"))
        logOff();
    else if (kind == QLatin1String("input-point-change"))
        inputsChanged(fields);
}

// The user's page goes before the answer, so the engine knows who is on
// when it reads the acceptance.
void OperatorDesk::logOn(const QVariantMap &fields, const LkMessage &message)
{
    if (fields.isEmpty()) {
        emit reported(QStringLiteral("logon-bad too short"));
        return;
    }
    const quint8 number = quint8(fields.value(QStringLiteral("user")).toUInt());
    const User *user = findUser(number);
    quint8 answer = Refused;
    if (number == m_loggedOn) {
        answer = AlreadyLoggedOn;
    } else if (user && user->passcode == fields.value(QStringLiteral("passcode")).toByteArray()) {
        answer = Accepted;
        m_loggedOn = number;
        sendLoggedOnUser(number, user->level);
    }
    m_controller.sendReply(message, SupportFunction,
                           LkSpeakCodec::writePayload(Acknowledgement, {{QStringLiteral("answer"), answer}}));
    const char *const outcomes[] = {"accepted", "refused", "", "already"};
    emit reported(QStringLiteral("operator logon user=%1 %2").arg(number).arg(QLatin1String(outcomes[answer])));
}

void OperatorDesk::logOff()
{
    m_loggedOn = NoUser;
    sendLoggedOnUser(NoUser, 0);
    emit reported(QStringLiteral("operator logoff"));
}

void OperatorDesk::sendLoggedOnUser(quint8 user, quint8 level)
{
    const PacketKind *page = LkSpeakCodec::kindNamed(QStringLiteral("logged-on-user"));
    m_controller.sendLkSpeak(page->function, LkSpeakCodec::writePayload(*page, {{QStringLiteral("user"), user},
                                                                                {QStringLiteral("level"), level},
                                                                                {QStringLiteral("nameLength"), 0}}));
}

// A pulsed key arrives as its activation followed by its release: the
// activation acts.
void OperatorDesk::inputsChanged(const QVariantMap &fields)
{
    QByteArray entries;
    entries.append(char(fields.value(QStringLiteral("group")).toUInt()));
    entries.append(char(fields.value(QStringLiteral("input")).toUInt()));
    entries.append(fields.value(QStringLiteral("trailing")).toByteArray());
    for (int i = 0; i + 1 < entries.size(); i += 2) {
        const quint8 group = quint8(entries.at(i));
        const quint8 input = quint8(entries.at(i + 1));
        if (group != PanelKeys || !(input & ActiveBit))
            continue;
        const quint8 number = input & quint8(~ActiveBit);
        if (number == FireReset) {
            SiteStatus &status = m_controller.status();
            status.statusWord = quint16(status.statusWord & ~SoundersSilencedBit);
            emit reported(QStringLiteral("operator reset"));
            m_eventLog.resetPanel(m_controller.site().panelNode);
        } else if (number == SilenceResoundSounders) {
            silenceOrResound();
        }
    }
}

void OperatorDesk::silenceOrResound()
{
    SiteStatus &status = m_controller.status();
    status.statusWord ^= SoundersSilencedBit;
    const bool silenced = (status.statusWord & SoundersSilencedBit) != 0;
    emit reported(silenced ? QStringLiteral("operator silence") : QStringLiteral("operator resound"));
    m_controller.sendHighPriorityStatuses();
}
