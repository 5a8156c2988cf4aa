#include "FreePort.h"
#include "LinkFrameStream.h"
#include "PanelSimProcess.h"
#include "TestPrograms.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

// An engine that answers nothing but the heartbeat, and counts its answers.
class HeartbeatEngine final : public QObject
{
public:
    explicit HeartbeatEngine(quint16 port)
    {
        m_server.listen(QHostAddress::LocalHost, port);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            connect(socket, &QIODevice::readyRead, this, [this, socket] {
                m_stream.append(socket->readAll());
                while (const std::optional<LinkFrame> frame = m_stream.takeFrame()) {
                    if (frame->channel != 0)
                        continue;
                    socket->write(LinkFrameStream::encode(0, QByteArray::fromHex("8101")));
                    ++m_answers;
                }
            });
        });
    }

    bool isListening() const { return m_server.isListening(); }
    int answers() const { return m_answers; }

private:
    QTcpServer m_server;
    LinkFrameStream m_stream;
    int m_answers = 0;
};

} // namespace

// What a newcomer meets first in the controller emulator: what it does while
// there is no engine, its help and status, and the errors it gives.
class tst_PanelSimCommands final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void connectingAndRetrying();
    void helpListsEveryCommand();
    void statusShowsTheSite();
    void errorsSayWhatIsWrong_data();
    void errorsSayWhatIsWrong();
    void badPortIsRefused_data();
    void badPortIsRefused();
    void heartbeatAnswers_data();
    void heartbeatAnswers();

private:
    // The lines the command printed, once the last of them has arrived.
    QStringList run(const QString &command, const QString &lastLine);

    quint16 m_port = 0;
    std::unique_ptr<PanelSimProcess> m_panelSim;
};

void tst_PanelSimCommands::init()
{
    m_port = freePort();
    m_panelSim = std::make_unique<PanelSimProcess>();
}

void tst_PanelSimCommands::cleanup()
{
    m_panelSim.reset();
}

QStringList tst_PanelSimCommands::run(const QString &command, const QString &lastLine)
{
    const int from = m_panelSim->lineCount();
    m_panelSim->command(command);
    const int last = m_panelSim->waitForLineWithEvents(lastLine, from);
    if (last < 0)
        return {QStringLiteral("(no line %1 after %2)").arg(lastLine, command)};
    QStringList printed;
    for (const QString &line : m_panelSim->lines().mid(from, last - from + 1)) {
        // The link's own news may come at any time.
        if (!line.startsWith(QLatin1String("retrying")) && !line.startsWith(QLatin1String("connecting")))
            printed << line;
    }
    return printed;
}

void tst_PanelSimCommands::connectingAndRetrying()
{
    QVERIFY(m_panelSim->start(m_port));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(m_port);
    QVERIFY(m_panelSim->waitForLineWithEvents(QStringLiteral("connecting to ") + address) >= 0);
    const int retrying =
        m_panelSim->waitForLineWithEvents(QStringLiteral("retrying every 200 ms: no engine at ") + address);
    QVERIFY2(retrying >= 0, qPrintable(m_panelSim->lines().join(QLatin1Char('\n'))));

    HeartbeatEngine engine(m_port);
    QVERIFY(engine.isListening());
    QVERIFY(m_panelSim->waitForLineWithEvents(QStringLiteral("connected"), retrying) >= 0);
    // Said once, not at every try.
    QCOMPARE(m_panelSim->count(QStringLiteral("retrying")), 1);
}

void tst_PanelSimCommands::helpListsEveryCommand()
{
    QVERIFY(m_panelSim->start(m_port));
    const int from = m_panelSim->lineCount();
    m_panelSim->command(QStringLiteral("help"));
    // What "help" printed has all arrived once "status" has answered.
    run(QStringLiteral("status"), QStringLiteral("status count names"));
    QStringList help;
    for (const QString &line : m_panelSim->lines().mid(from)) {
        if (line.startsWith(QLatin1String("status link")))
            break;
        if (!line.startsWith(QLatin1String("retrying")) && !line.startsWith(QLatin1String("connecting")))
            help << line;
    }
    // A command's line starts with its name; its description follows on the
    // line, or indented on the next one when the usage is long.
    QStringList names;
    for (int i = 0; i < help.size(); ++i) {
        const QString &line = help.at(i);
        QVERIFY2(!line.startsWith(QLatin1Char(' ')), qPrintable(line));
        names << line.section(QLatin1Char(' '), 0, 0);
        const bool own = i + 1 < help.size() && help.at(i + 1).startsWith(QLatin1Char(' '));
        const QString description = own ? help.at(++i).trimmed() : line.section(QLatin1String("  "), 1).trimmed();
        QVERIFY2(!description.isEmpty(), qPrintable(QStringLiteral("no description: ") + line));
    }
    for (const char *name :
         {"heartbeat", "beat",         "connreq",    "supervise", "site", "sync",  "count",    "fire",    "page",
          "sigs",      "status",       "wait",       "expect",    "quit", "help",  "eventlog", "version", "engineflags",
          "point",     "pointmanager", "pointevent", "reset",     "user", "users", "standby"}) {
        QVERIFY2(names.count(QLatin1String(name)) == 1, name);
    }
    QVERIFY(help.contains(QStringLiteral("count <panel> <count name> <value>  change a status count, send its page "
                                         "5 (status lists the names)")));
}

void tst_PanelSimCommands::statusShowsTheSite()
{
    QVERIFY(m_panelSim->start(m_port));
    run(QStringLiteral("count 2 faults 7"), QStringLiteral("error not connected"));
    const QStringList status = run(QStringLiteral("status"), QStringLiteral("status count names"));
    QCOMPARE(status.first(), QStringLiteral("status link not connected, trying 127.0.0.1:%1").arg(m_port));
    QVERIFY2(status.filter(QRegularExpression(QStringLiteral(
                               "^status panel 2 \"East wing\" / \"[^\"]+\" loops 1,2 points \\d+ counts .*faults=7")))
                     .size()
                 == 1,
             qPrintable(status.join(QLatin1Char('\n'))));
    QCOMPARE(status.filter(QStringLiteral("status panel ")).size(), 3);
    QVERIFY(status.filter(QStringLiteral("status totals counts disablements=3 faults=11")).size() == 1);
    QVERIFY(status.last().contains(QStringLiteral(" fireAlrms ")));
}

void tst_PanelSimCommands::errorsSayWhatIsWrong_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");

    QTest::newRow("count name") << "count 1 bogus 3"
                                << "error no such count: bogus (counts: disablements fireAlrms faults ";
    QTest::newRow("count panel") << "count 9 faults 3"
                                 << "error no such panel: 9 (panels: 1 2 3)";
    QTest::newRow("fire panel") << "fire 9"
                                << "error no such panel: 9 (panels: 1 2 3)";
    QTest::newRow("standby seconds") << "standby soon"
                                     << "error usage: standby <seconds 0-65535> [init]";
    QTest::newRow("standby kind") << "standby 30 later"
                                  << "error usage: standby <seconds 0-65535> [init]";
    QTest::newRow("standby before the engine")
        << "standby 30 init"
        << "error not connected to the engine at 127.0.0.1:%1: standby sent nothing";
    QTest::newRow("fire before the engine") << "fire 1"
                                            << "error not connected to the engine at 127.0.0.1:%1: fire sent nothing";
    QTest::newRow("sync before the engine") << "sync"
                                            << "error not connected to the engine at 127.0.0.1:%1: sync sent nothing";
    QTest::newRow("unknown command") << "frob"
                                     << "error unknown command: frob (help lists the commands)";
    QTest::newRow("usage") << "loopscan 1"
                           << "error usage: loopscan <panel> <loop>";
    QTest::newRow("outputs timer usage") << "outputstimer 1 -5"
                                         << "error usage: outputstimer <panel 0-99> <seconds 0-65535>";
    QTest::newRow("outputs timer of no panel") << "outputstimer 9 60"
                                               << "error no such panel: 9 (panels: 1 2 3)";
    QTest::newRow("point event kind") << "pointevent restoral 1 1 1"
                                      << "error usage: pointevent fire|fault|disablement <panel> <loop> <point>";
    QTest::newRow("point event address") << "pointevent fire 1 1 300"
                                         << "error usage: pointevent fire|fault|disablement <panel> <loop> <point>";
    QTest::newRow("point not configured") << "pointevent fault 1 9 1"
                                          << "error no point 1 on loop 9 of panel 1";
    QTest::newRow("walk test of no panel") << "walktest 9 2 5"
                                           << "error usage: walktest <panel of the site> <status 0-6> <zone 0-240|255>";
    QTest::newRow("walk test status") << "walktest 1 7 5"
                                      << "error usage: walktest <panel of the site> <status 0-6> <zone 0-240|255>";
    QTest::newRow("walk test zone") << "walktest 1 2 252"
                                    << "error usage: walktest <panel of the site> <status 0-6> <zone 0-240|255>";
    QTest::newRow("reset panel") << "reset x"
                                 << "error usage: reset [panel 0-255]";
    QTest::newRow("reset of no panel") << "reset 9"
                                       << "error no such panel: 9";
    QTest::newRow("reset before the engine") << "reset"
                                             << "eventlog reset last=1";
    QTest::newRow("log-on table") << "users"
                                  << "users 1/2 2/3 9/4 logged-on=255";
    QTest::newRow("user added") << "user 5 4711 3"
                                << "user 5 added";
    QTest::newRow("engineer added") << "user 7 4711 14"
                                    << "user 7 added";
    QTest::newRow("user changed") << "user 1 4711 4"
                                  << "user 1 changed";
    QTest::newRow("user number") << "user 100 4711 3"
                                 << "error usage: user <number 1-99> <passcode> <level 1-14>";
    QTest::newRow("user level") << "user 5 4711 15"
                                << "error usage: user <number 1-99> <passcode> <level 1-14>";
    // Events raised without an engine are logged, to be sent later.
    QTest::newRow("event logged for later") << "eventlog raise fire"
                                            << "eventlog raised 1";
}

void tst_PanelSimCommands::errorsSayWhatIsWrong()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    if (answer.contains(QLatin1String("%1")))
        answer = answer.arg(m_port);

    QVERIFY(m_panelSim->start(m_port));
    const QStringList printed = run(command, answer.left(answer.indexOf(QLatin1Char(' '))));
    QCOMPARE(printed.size(), 1);
    QVERIFY2(printed.first().startsWith(answer), qPrintable(printed.first()));
}

void tst_PanelSimCommands::badPortIsRefused_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("word") << "abc";
    QTest::newRow("zero") << "0";
    QTest::newRow("above 65535") << "70000";
    QTest::newRow("empty") << "";
}

void tst_PanelSimCommands::badPortIsRefused()
{
    QFETCH(QString, port);
    QProcess panelSim;
    panelSim.start(TestPrograms::path(QStringLiteral("tools/panelsim/panelsim")), {QStringLiteral("--port=") + port});
    QVERIFY(panelSim.waitForFinished(10000));
    QCOMPARE(panelSim.exitCode(), 2);
    QCOMPARE(QString::fromLocal8Bit(panelSim.readAllStandardError()),
             QStringLiteral("panelsim: --port takes a number from 1 to 65535, not \"%1\"\n").arg(port));
}

void tst_PanelSimCommands::heartbeatAnswers_data()
{
    QTest::addColumn<bool>("verbose");
    QTest::newRow("quiet") << false;
    QTest::newRow("verbose") << true;
}

// The periodic answers would fill the log every second; the first answer,
// a changed one and the answer to a "beat" are always shown.
void tst_PanelSimCommands::heartbeatAnswers()
{
    QFETCH(bool, verbose);
    HeartbeatEngine engine(m_port);
    QVERIFY(engine.isListening());
    QStringList arguments{QStringLiteral("--heartbeat=20")};
    if (verbose)
        arguments << QStringLiteral("--verbose");
    QVERIFY(m_panelSim->start(m_port, arguments));
    QTRY_VERIFY_WITH_TIMEOUT(engine.answers() >= 10, 30000);
    const QString answer = QStringLiteral("heartbeat-answer 1");
    // Whatever the emulator printed before it answers "status" has arrived.
    const auto shown = [this, &answer] {
        run(QStringLiteral("status"), QStringLiteral("status count names"));
        return m_panelSim->count(answer);
    };
    if (verbose) {
        QTRY_VERIFY_WITH_TIMEOUT(m_panelSim->count(answer) >= 10, 30000);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(m_panelSim->count(answer), 1, 30000);
        QCOMPARE(shown(), 1);
    }

    const int before = shown();
    const int from = m_panelSim->lineCount();
    m_panelSim->command(QStringLiteral("beat 2"));
    QVERIFY(m_panelSim->waitForLineWithEvents(answer, from) >= 0);
    if (!verbose)
        QCOMPARE(shown(), before + 1);
}

QTEST_GUILESS_MAIN(tst_PanelSimCommands)
#include "tst_panelsimcommands.moc"
