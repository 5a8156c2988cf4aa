#pragma once

#include "LkSpeakCodec.h"
#include "PointListBlock.h"
#include "SiteConfiguration.h"

#include <QObject>

class CommandInterpreter;
class Controller;

// The controller's side of the engine's commands: points forced, disabled
// and enabled in the site, with the replies and the pages a controller
// sends after them; point information and texts; loops, diagnostics,
// connected services, network faults and print requests answered; the
// engine's software version asked for; the changes of the engine's virtual
// inputs (evacuate, self-test, the panel's keys) named. Each command is reported as one
// line.
class CommandResponder final : public QObject
{
    Q_OBJECT

public:
    explicit CommandResponder(Controller &controller, QObject *parent = nullptr);

    // "version", "engineflags", "point", "disabled", "walktest" and "silent".
    void registerCommands(CommandInterpreter &interpreter);
    void requestVersion();
    // "point <panel> <kind>/<address>/<number>/<point> ..." with the point's
    // forces and disablement, or "point-unknown ...".
    QString describePoint(quint8 panel, quint8 kind, quint8 address, quint8 number, quint8 point);

signals:
    void reported(const QString &line);

private:
    using Handler = void (CommandResponder::*)(const QVariantMap &fields, const LkMessage &message);
    static const QHash<QString, Handler> &handlers();
    static const QHash<int, Handler> &guiCommands();

    struct Selected
    {
        SitePanel *panel = nullptr;
        QVector<SitePoint *> points;
        int missing = 0;
    };
    Selected select(const PointListBlock &block, int layout);

    void onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &message);
    void guiCommand(const QVariantMap &fields, const LkMessage &message);
    void force(const QVariantMap &fields, const LkMessage &message);
    void disable(const QVariantMap &fields, const LkMessage &message);
    void basicCommand(const QVariantMap &fields, const LkMessage &message);
    void walkTest(const QVariantMap &fields, const LkMessage &message);
    // The walktest command: a walk test's pages as the controller sends them.
    void runWalkTest(const QStringList &arguments);
    void markSilent(const QStringList &arguments);
    // The disabled command: the panel's disabled points on one line.
    void listDisabled(const QStringList &arguments);
    void otherGuiCommand(const QVariantMap &fields, const LkMessage &message);
    void pointInformation(const QVariantMap &fields, const LkMessage &message);
    void nextPointInformation(const QVariantMap &fields, const LkMessage &message);
    void text(const QVariantMap &fields, const LkMessage &message);
    void loopShutdownRestart(const QVariantMap &fields, const LkMessage &message);
    void diagnostics(const QVariantMap &fields, const LkMessage &message);
    void connectedServices(const QVariantMap &fields, const LkMessage &message);
    void networkFault(const QVariantMap &fields, const LkMessage &message);
    void printReport(const QVariantMap &fields, const LkMessage &message);
    void inputChange(const QVariantMap &fields, const LkMessage &message);
    void versionReply(const QVariantMap &fields, const LkMessage &message);
    void reportOnly(const QVariantMap &fields, const LkMessage &message);

    // The reply to a point information request: the point at the cursor,
    // or "no point" (status bit 0) past the channel's last.
    void sendPointInformation(const LkMessage &request, quint8 panel, int channelIndex, int pointIndex);
    void acknowledge(const LkMessage &message);

    Controller &m_controller;
};
