#pragma once

#include "LkSpeakCodec.h"

#include <QObject>
#include <QVector>

class CommandInterpreter;
class Controller;
class EventLogService;

// The controller's side of what an operator does at the panel front: a
// log-on checked against a small user table (accepted, refused, or the user
// already logged on), a log-off, and the panel keys' fire-reset and
// silence/resound inputs acted on as the operator's reset and silence.
class OperatorDesk final : public QObject
{
    Q_OBJECT

public:
    OperatorDesk(Controller &controller, EventLogService &eventLog, QObject *parent = nullptr);

    // "user" and "users".
    void registerCommands(CommandInterpreter &interpreter);

signals:
    void reported(const QString &line);

private:
    struct User
    {
        quint8 number;
        QByteArray passcode;
        quint8 level;
    };

    void onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &message);
    void logOn(const QVariantMap &fields, const LkMessage &message);
    void logOff();
    void inputsChanged(const QVariantMap &fields);
    void silenceOrResound();
    void sendLoggedOnUser(quint8 user, quint8 level);
    void userCommand(const QStringList &arguments);
    const User *findUser(quint8 number) const;

    Controller &m_controller;
    EventLogService &m_eventLog;
    QVector<User> m_users;
    quint8 m_loggedOn;
};
