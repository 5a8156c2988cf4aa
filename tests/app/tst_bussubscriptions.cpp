#include "app/BusSubscriptions.h"

#include "HostServicesProcess.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Receives the host services' signals as the engine's slots would.
class Receiver final : public QObject
{
    Q_OBJECT
public slots:
    void silentStatus(bool on) { emit received(QStringLiteral("silent %1").arg(on)); }
    void keyswitchStatus(bool on) { emit received(QStringLiteral("keyswitch %1").arg(on)); }
    void powerStatus(unsigned int status) { emit received(QStringLiteral("power %1").arg(status)); }
signals:
    void received(QString what);
};

} // namespace

class TestBusSubscriptions final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void linkModeSubscribesAllAndRemovesMarked();
    void repeaterModeSubscribesOnlyAlways();

private:
    // Sends the signals through the host services and collects what the
    // receiver hears until it hears the last text, which must arrive; a
    // signal that must not arrive is sent before it (signals keep their
    // order).
    QStringList emitAndListen(const QStringList &commands, const QString &last);
    BusSubscriptions subscriptions() const;

    HostServicesProcess m_hostServices;
    Receiver m_receiver;
    QVector<BusSubscriptions::Entry> m_entries;
};

void TestBusSubscriptions::initTestCase()
{
    QVERIFY(m_hostServices.start());
    const auto swiss = QStringLiteral("svc.swiss");
    const auto swissInterface = QStringLiteral("vemo.swiss");
    m_entries = {
        {swiss, swissInterface, QStringLiteral("silentStatus"), &m_receiver, SLOT(silentStatus(bool)),
         BusSubscriptions::Always, false},
        {swiss, swissInterface, QStringLiteral("keyswStatus"), &m_receiver, SLOT(keyswitchStatus(bool)),
         BusSubscriptions::LinkModesOnly, true},
        {QStringLiteral("svc.power"), QStringLiteral("vemo.power"), QStringLiteral("powerStatusUpdate"),
         &m_receiver, SLOT(powerStatus(unsigned int)), BusSubscriptions::LinkModesOnly, false},
    };
}

// Whatever a test left subscribed goes.
void TestBusSubscriptions::cleanup()
{
    for (const BusSubscriptions::Entry &entry : qAsConst(m_entries)) {
        QDBusConnection::sessionBus().disconnect(entry.service, QStringLiteral("/"), entry.interface,
                                                 entry.signal, entry.receiver, entry.slot);
    }
}

QStringList TestBusSubscriptions::emitAndListen(const QStringList &commands, const QString &last)
{
    QSignalSpy heard(&m_receiver, &Receiver::received);
    for (const QString &command : commands) {
        const QString answer = m_hostServices.command(command);
        if (!answer.startsWith(QStringLiteral("emitted")))
            return {answer};
    }
    const auto texts = [&heard] {
        QStringList list;
        for (const QList<QVariant> &arguments : heard)
            list << arguments.at(0).toString();
        return list;
    };
    QElapsedTimer timer;
    timer.start();
    while (!texts().contains(last) && timer.elapsed() < 10000)
        heard.wait(100);
    return texts();
}

BusSubscriptions TestBusSubscriptions::subscriptions() const
{
    BusSubscriptions subscriptions;
    for (const BusSubscriptions::Entry &entry : m_entries)
        subscriptions.add(entry);
    return subscriptions;
}

void TestBusSubscriptions::linkModeSubscribesAllAndRemovesMarked()
{
    const BusSubscriptions subscriptions = this->subscriptions();

    subscriptions.subscribeBusSignals(QDBusConnection::sessionBus(), true, 0);
    QCOMPARE(emitAndListen({"emit svc.swiss keyswStatus true", "emit svc.power powerStatusUpdate 3",
                            "emit svc.swiss silentStatus true"},
                           "silent 1"),
             (QStringList{"keyswitch 1", "power 3", "silent 1"}));

    subscriptions.subscribeBusSignals(QDBusConnection::sessionBus(), false, 0);
    QCOMPARE(emitAndListen({"emit svc.swiss keyswStatus false", "emit svc.swiss silentStatus false",
                            "emit svc.power powerStatusUpdate 4"},
                           "power 4"),
             (QStringList{"silent 0", "power 4"}));
}

void TestBusSubscriptions::repeaterModeSubscribesOnlyAlways()
{
    const BusSubscriptions subscriptions = this->subscriptions();

    subscriptions.subscribeBusSignals(QDBusConnection::sessionBus(), true, 2);
    QCOMPARE(emitAndListen({"emit svc.power powerStatusUpdate 1", "emit svc.swiss keyswStatus true",
                            "emit svc.swiss silentStatus true"},
                           "silent 1"),
             QStringList{"silent 1"});

    // Nothing is removed in a repeater mode.
    subscriptions.subscribeBusSignals(QDBusConnection::sessionBus(), false, 2);
    QCOMPARE(emitAndListen({"emit svc.swiss silentStatus false"}, "silent 0"), QStringList{"silent 0"});
}

QTEST_GUILESS_MAIN(TestBusSubscriptions)
#include "tst_bussubscriptions.moc"
