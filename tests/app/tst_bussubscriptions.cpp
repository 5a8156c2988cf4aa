#include "HostServicesProcess.h"
#include "app/BusSubscriptions.h"

#include <QDBusConnectionInterface>
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

// The bus daemon takes a subscription when it has read the request; an
// answered call made after it proves that it has.
void waitForBus()
{
    QDBusConnection::sessionBus().interface()->serviceOwner(QStringLiteral("svc.swiss"));
}

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
    // Sends the signals through the host services, one at a time, and
    // returns what the receiver heard of them. A witness subscribed to every
    // signal hears each one; the bus hands a signal to all its subscribers at
    // once, so once the witness has it, the receiver has it too or never will.
    QStringList emitAndListen(const QStringList &commands);
    BusSubscriptions subscriptions();

    HostServicesProcess m_hostServices;
    Receiver m_receiver;
    Receiver m_witness;
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
        {QStringLiteral("svc.power"), QStringLiteral("vemo.power"), QStringLiteral("powerStatusUpdate"), &m_receiver,
         SLOT(powerStatus(unsigned int)), BusSubscriptions::LinkModesOnly, false},
    };
    BusSubscriptions witness;
    for (BusSubscriptions::Entry entry : qAsConst(m_entries)) {
        entry.receiver = &m_witness;
        entry.when = BusSubscriptions::Always;
        witness.add(entry);
    }
    witness.subscribeBusSignals(QDBusConnection::sessionBus(), true, 0);
    waitForBus();
}

// Whatever a test left subscribed goes.
void TestBusSubscriptions::cleanup()
{
    for (const BusSubscriptions::Entry &entry : qAsConst(m_entries)) {
        QDBusConnection::sessionBus().disconnect(entry.service, QStringLiteral("/"), entry.interface, entry.signal,
                                                 entry.receiver, entry.slot);
    }
}

BusSubscriptions TestBusSubscriptions::subscriptions()
{
    BusSubscriptions subscriptions;
    for (const BusSubscriptions::Entry &entry : qAsConst(m_entries))
        subscriptions.add(entry);
    return subscriptions;
}

QStringList TestBusSubscriptions::emitAndListen(const QStringList &commands)
{
    QSignalSpy heard(&m_receiver, &Receiver::received);
    for (const QString &command : commands) {
        QSignalSpy witnessed(&m_witness, &Receiver::received);
        const QString answer = m_hostServices.command(command);
        if (!answer.startsWith(QStringLiteral("emitted")))
            return {answer};
        if (witnessed.isEmpty() && !witnessed.wait(10000))
            return {QStringLiteral("no witness of ") + command};
        QCoreApplication::processEvents();
    }
    QStringList texts;
    for (const QList<QVariant> &arguments : qAsConst(heard))
        texts << arguments.at(0).toString();
    return texts;
}

void TestBusSubscriptions::linkModeSubscribesAllAndRemovesMarked()
{
    const BusSubscriptions subscriptions = this->subscriptions();
    subscriptions.subscribeBusSignals(QDBusConnection::sessionBus(), true, 0);
    QCOMPARE(emitAndListen({"emit svc.swiss keyswStatus true", "emit svc.power powerStatusUpdate 3",
                            "emit svc.swiss silentStatus true"}),
             (QStringList{"keyswitch 1", "power 3", "silent 1"}));

    subscriptions.subscribeBusSignals(QDBusConnection::sessionBus(), false, 0);
    QCOMPARE(emitAndListen({"emit svc.swiss keyswStatus false", "emit svc.swiss silentStatus false",
                            "emit svc.power powerStatusUpdate 4"}),
             (QStringList{"silent 0", "power 4"}));
}

void TestBusSubscriptions::repeaterModeSubscribesOnlyAlways()
{
    const BusSubscriptions subscriptions = this->subscriptions();
    subscriptions.subscribeBusSignals(QDBusConnection::sessionBus(), true, 2);
    QCOMPARE(emitAndListen({"emit svc.power powerStatusUpdate 1", "emit svc.swiss keyswStatus true",
                            "emit svc.swiss silentStatus true"}),
             QStringList{"silent 1"});

    // Nothing is removed in a repeater mode.
    subscriptions.subscribeBusSignals(QDBusConnection::sessionBus(), false, 2);
    QCOMPARE(emitAndListen({"emit svc.swiss silentStatus false"}), QStringList{"silent 0"});
}

QTEST_GUILESS_MAIN(TestBusSubscriptions)
#include "tst_bussubscriptions.moc"
