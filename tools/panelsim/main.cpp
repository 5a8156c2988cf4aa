#include "CommandInterpreter.h"
#include "CommandResponder.h"
#include "Controller.h"
#include "ControllerLink.h"
#include "EventLogService.h"
#include "LinkFlood.h"
#include "OperatorDesk.h"
#include "PointManagerService.h"
#include "Site.h"
#include "SyncSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Panel-controller emulator: connects to the engine, keeps the heartbeat and runs commands "
                       "from standard input or a script (\"help\" lists them). Each event is one line on standard "
                       "output."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Engine port."), QStringLiteral("port"),
                                        QStringLiteral("56789"));
    const QCommandLineOption hostOption(QStringLiteral("host"), QStringLiteral("Engine host."), QStringLiteral("host"),
                                        QStringLiteral("127.0.0.1"));
    const QCommandLineOption heartbeatOption(QStringLiteral("heartbeat"),
                                             QStringLiteral("Heartbeat interval in ms once connected; 0: none."),
                                             QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption scriptOption(QStringLiteral("script"),
                                          QStringLiteral("Run the commands of a file instead of standard input."),
                                          QStringLiteral("file"));
    const QCommandLineOption verboseOption(
        QStringLiteral("verbose"),
        QStringLiteral("Show every heartbeat answer, not only those to \"beat\" and changes."));
    const QCommandLineOption siteOption(
        QStringLiteral("site"),
        QStringLiteral("A generated site instead of the demo one: <panels>x<loops>x<points> (panels 0 to 99, at most "
                       "16 loops a panel and 255 points a loop), for example 100x8x250."),
        QStringLiteral("size"));
    parser.addOptions({portOption, hostOption, heartbeatOption, scriptOption, verboseOption, siteOption});
    parser.process(application);

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port == 0 || port > 0xFFFF) {
        std::fprintf(stderr, "panelsim: --port takes a number from 1 to 65535, not \"%s\"\n",
                     qPrintable(parser.value(portOption)));
        return 2;
    }
    bool heartbeatOk = false;
    const int heartbeat = parser.value(heartbeatOption).toInt(&heartbeatOk);
    if (!heartbeatOk || heartbeat < 0) {
        std::fprintf(stderr, "panelsim: --heartbeat takes milliseconds (0: none), not \"%s\"\n",
                     qPrintable(parser.value(heartbeatOption)));
        return 2;
    }
    Site site = Site::demo();
    if (parser.isSet(siteOption)) {
        const std::optional<SiteSize> size = SiteSize::parse(parser.value(siteOption));
        if (!size) {
            std::fprintf(stderr, "panelsim: --site wants <panels>x<loops>x<points> within 1-%dx1-%dx1-%d\n",
                         SiteSize::MaxPanels, SiteSize::MaxLoops, SiteSize::MaxPoints);
            return 2;
        }
        site = Site::generated(*size);
    }

    ControllerLink link(parser.value(hostOption), quint16(port));
    Controller controller(link, site);
    // Ready before the first engine connects, as a real controller's are: a
    // large site takes seconds to write, which no synchronisation should wait for.
    controller.sitePages();
    controller.setVerbose(parser.isSet(verboseOption));
    SyncSession session(controller);
    CommandInterpreter interpreter(controller, link, session);
    EventLogService eventLog(controller);
    eventLog.registerCommands(interpreter);
    CommandResponder responder(controller);
    responder.registerCommands(interpreter);
    PointManagerService pointManager(controller);
    pointManager.registerCommands(interpreter);
    OperatorDesk desk(controller, eventLog);
    desk.registerCommands(interpreter);
    LinkFlood flood(link);
    flood.registerCommands(interpreter);

    QTextStream out(stdout);
    const auto print = [&out](const QString &line) {
        out << line << '\n';
        out.flush();
    };
    QObject::connect(&controller, &Controller::reported, &interpreter, &CommandInterpreter::observe);
    QObject::connect(&controller, &Controller::reported, &application, print);
    QObject::connect(&session, &SyncSession::reported, &interpreter, &CommandInterpreter::observe);
    QObject::connect(&session, &SyncSession::reported, &application, print);
    QObject::connect(&eventLog, &EventLogService::reported, &interpreter, &CommandInterpreter::observe);
    QObject::connect(&eventLog, &EventLogService::reported, &application, print);
    QObject::connect(&responder, &CommandResponder::reported, &interpreter, &CommandInterpreter::observe);
    QObject::connect(&responder, &CommandResponder::reported, &application, print);
    QObject::connect(&pointManager, &PointManagerService::reported, &interpreter, &CommandInterpreter::observe);
    QObject::connect(&pointManager, &PointManagerService::reported, &application, print);
    QObject::connect(&desk, &OperatorDesk::reported, &interpreter, &CommandInterpreter::observe);
    QObject::connect(&desk, &OperatorDesk::reported, &application, print);
    QObject::connect(&flood, &LinkFlood::reported, &interpreter, &CommandInterpreter::observe);
    QObject::connect(&flood, &LinkFlood::reported, &application, print);
    QObject::connect(&interpreter, &CommandInterpreter::output, &application, print);
    QObject::connect(&interpreter, &CommandInterpreter::finished, &application, &QCoreApplication::exit,
                     Qt::QueuedConnection);

    if (heartbeat > 0) {
        QObject::connect(&link, &ControllerLink::connected, &controller,
                         [&controller, heartbeat] { controller.startHeartbeat(heartbeat, 2); });
    }

    if (parser.isSet(scriptOption)) {
        QFile script(parser.value(scriptOption));
        if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "panelsim: cannot read %s\n", qPrintable(script.fileName()));
            return 2;
        }
        const QStringList lines = QString::fromUtf8(script.readAll()).split(QLatin1Char('\n'));
        for (const QString &line : lines)
            interpreter.enqueue(line);
    } else {
        interpreter.readStandardInput();
    }
    link.open();
    return application.exec();
}
