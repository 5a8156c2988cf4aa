#include "CommandInterpreter.h"
#include "CommandResponder.h"
#include "Controller.h"
#include "ControllerLink.h"
#include "EventLogService.h"
#include "LinkFlood.h"
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
    parser.addOptions({portOption, hostOption, heartbeatOption, scriptOption});
    parser.process(application);

    ControllerLink link(parser.value(hostOption), quint16(parser.value(portOption).toUInt()));
    Controller controller(link, Site::demo());
    SyncSession session(controller);
    CommandInterpreter interpreter(controller, link, session);
    EventLogService eventLog(controller);
    eventLog.registerCommands(interpreter);
    CommandResponder responder(controller);
    responder.registerCommands(interpreter);
    PointManagerService pointManager(controller);
    pointManager.registerCommands(interpreter);
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
    QObject::connect(&flood, &LinkFlood::reported, &interpreter, &CommandInterpreter::observe);
    QObject::connect(&flood, &LinkFlood::reported, &application, print);
    QObject::connect(&interpreter, &CommandInterpreter::output, &application, print);
    QObject::connect(&interpreter, &CommandInterpreter::finished, &application, &QCoreApplication::exit,
                     Qt::QueuedConnection);

    const int heartbeat = parser.value(heartbeatOption).toInt();
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
