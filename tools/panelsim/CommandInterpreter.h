#pragma once

#include <QObject>
#include <QQueue>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>

#include <functional>

class Controller;
class ControllerLink;
class SyncSession;

// Runs the emulator's commands, one per line, from standard input or a
// script file, in order. "wait" and "expect" hold the queue, so a script can
// pace itself and check what the engine answers; "expect" is also met by an
// event seen since the command before it.
class CommandInterpreter final : public QObject
{
    Q_OBJECT

public:
    CommandInterpreter(Controller &controller, ControllerLink &link, SyncSession &session, QObject *parent = nullptr);

    void readStandardInput();
    void enqueue(const QString &line);
    // A command of one of the controller's services; the arguments follow
    // the name. "help" shows the arguments and the one-line description.
    using Run = std::function<void(const QStringList &arguments)>;
    void addCommand(const QString &name, const QString &arguments, const QString &description, int minimumArguments,
                    Run run);

signals:
    void output(const QString &line);
    void finished(int exitCode);

public slots:
    void observe(const QString &event);

private:
    // The emulator's own commands: one row each, in the order "help"
    // lists them.
    struct Command
    {
        const char *name;
        const char *arguments;
        const char *description;
        int minimumArguments;
        void (CommandInterpreter::*run)(const QStringList &arguments);
    };
    static const QVector<Command> &commands();

    // Every command, the emulator's own first, then the services'.
    struct Entry
    {
        QString name;
        QString arguments;
        QString description;
        int minimumArguments;
        Run run;

        QString usage() const;
    };
    QVector<Entry> m_commands;

    void runQueued();
    void execute(const QString &line);
    QString panelList() const;

    void heartbeat(const QStringList &arguments);
    void beat(const QStringList &arguments);
    void connectionRequest(const QStringList &arguments);
    void supervise(const QStringList &arguments);
    void lk(const QStringList &arguments);
    void siteConfiguration(const QStringList &arguments);
    void loopScan(const QStringList &arguments);
    void codePage(const QStringList &arguments);
    void send(const QStringList &arguments);
    void sync(const QStringList &arguments);
    void count(const QStringList &arguments);
    void fire(const QStringList &arguments);
    void standby(const QStringList &arguments);
    void page(const QStringList &arguments);
    void networkState(const QStringList &arguments);
    void outputsTimer(const QStringList &arguments);
    void outputPoints(const QStringList &arguments);
    void pulsePatterns(const QStringList &arguments);
    void signatures(const QStringList &arguments);
    void raw(const QStringList &arguments);
    void layout(const QStringList &arguments);
    void disconnectLink(const QStringList &arguments);
    void connectLink(const QStringList &arguments);
    void reconnectLink(const QStringList &arguments);
    void wait(const QStringList &arguments);
    void expect(const QStringList &arguments);
    void quit(const QStringList &arguments);
    void help(const QStringList &arguments);
    void status(const QStringList &arguments);

    Controller &m_controller;
    ControllerLink &m_link;
    SyncSession &m_session;
    QQueue<QString> m_queue;
    QTimer m_hold;
    QString m_expected;
    QStringList m_seenSinceLastCommand;
    QSocketNotifier *m_input = nullptr;
    QByteArray m_partialLine;
};
