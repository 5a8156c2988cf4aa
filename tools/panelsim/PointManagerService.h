#pragma once

#include "LkSpeakCodec.h"

#include <QHash>
#include <QObject>

class CommandInterpreter;
class Controller;
struct SitePoint;

// The controller's point-manager service: it takes the engine's mode
// switches, answers polls, device checks, address changes, point-log and
// serialisation requests from the site, and takes manual point updates
// record by record: each record and the commit answered, then the panel
// reported done with a restart asked for. "pointmanager answer off" stops
// the answers, "refuse" refuses the next step. Everything it sees is
// reported as "pointmanager ..." lines.
class PointManagerService final : public QObject
{
    Q_OBJECT

public:
    explicit PointManagerService(Controller &controller, QObject *parent = nullptr);

    void registerCommands(CommandInterpreter &interpreter);

signals:
    void reported(const QString &line);

private:
    enum class Answer { Normally, Never, RefuseNext };

    // A manual point update under way on one panel.
    struct Update
    {
        quint16 id = 0;
        int records = 0;
        int lastRecordNumber = -1;
    };

    void command(const QStringList &arguments);
    void onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &message);
    void onManualUpdate(const QVariantMap &fields, const LkMessage &message);
    void onSerialisation(const QVariantMap &fields, const LkMessage &message);
    void reply(const LkMessage &request, const char *kind, const QVariantMap &values);
    void replyStatus(const LkMessage &request, quint8 status, quint8 result, quint16 id);
    const SitePoint *findPoint(quint8 panel, quint8 loop, quint8 point) const;
    // The point to change; the controller's held pages are written again.
    SitePoint *editPoint(quint8 panel, quint8 loop, quint8 point);
    QVector<quint8> loopsOf(quint8 panel) const;

    Controller &m_controller;
    Answer m_answer = Answer::Normally;
    QHash<quint8, Update> m_updates;
    quint16 m_nextUpdateId = 0x40;
};
