#pragma once

#include <QByteArray>
#include <QObject>

class CommandInterpreter;
class ControllerLink;

// Plays a sender that floods the engine with frames as fast as the
// connection takes them: "flood <count> <channel> [body hex]". It keeps
// only a little queued in the socket, so TCP shows how far the engine holds
// the sender back; "flood done <count>" once the last frame is written.
class LinkFlood final : public QObject
{
    Q_OBJECT

public:
    explicit LinkFlood(ControllerLink &link, QObject *parent = nullptr);

    void registerCommands(CommandInterpreter &interpreter);

signals:
    void reported(const QString &event);

private:
    void start(const QStringList &arguments);
    void writeMore();

    ControllerLink &m_link;
    QByteArray m_frame;
    int m_left = 0;
    int m_total = 0;
};
