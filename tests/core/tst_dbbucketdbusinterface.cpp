#include "MessageCapture.h"
#include "RecordingService.h"
#include "core/BucketMaster.h"
#include "core/DB_BucketDbusInterface.h"

#include <QtTest>

// Forwarding of watched state-store keys to a service's methods.
class TestDBBucketDbusInterface final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noWatchesSendNothing();
    void watchedKeyForwardedOncePerValue();
    void failedCallWarns();

private:
    QStringList callsAfterBarrier();

    RecordingService *m_service = nullptr;
    DB_BucketDbusInterface *m_proxy = nullptr;
};

void TestDBBucketDbusInterface::init()
{
    m_service = new RecordingService(QStringLiteral("test.mirror"));
    QVERIFY(m_service->isServing());
    m_proxy = new DB_BucketDbusInterface(QStringLiteral("test.mirror"), QStringLiteral("/"), "test.mirror",
                                         QDBusConnection::sessionBus(), nullptr);
}

void TestDBBucketDbusInterface::cleanup()
{
    delete m_proxy;
    delete m_service;
    BucketMaster::destroyInstance();
}

// Every call is blocking, so one more call answered means every earlier one
// has been recorded.
QStringList TestDBBucketDbusInterface::callsAfterBarrier()
{
    m_proxy->SetDBUS("barrier", QString());
    QStringList calls = m_service->calls();
    calls.removeLast();
    return calls;
}

void TestDBBucketDbusInterface::noWatchesSendNothing()
{
    BucketMaster::instance()->setValue(0, QStringLiteral("pwrsav"), QStringLiteral("1"));
    BucketMaster::instance()->setValue(5, QStringLiteral("7|fireAlrms"), QStringLiteral("2"));
    QCOMPARE(callsAfterBarrier(), QStringList());
}

void TestDBBucketDbusInterface::watchedKeyForwardedOncePerValue()
{
    m_proxy->addWatch(0, QStringLiteral("pwrsav"), "setPowerSaving");
    BucketMaster *store = BucketMaster::instance();
    store->setValue(0, QStringLiteral("pwrsav"), QStringLiteral("1"));
    store->setValue(1, QStringLiteral("pwrsav"), QStringLiteral("1")); // other bucket
    store->setValue(0, QStringLiteral("pwrsave"), QStringLiteral("1")); // other key
    // Repeated as an update of the same value: the last sent value matches.
    m_proxy->receiveBucketUpdate(0, QStringLiteral("pwrsav"), QStringLiteral("1"));
    store->setValue(0, QStringLiteral("pwrsav"), QStringLiteral("0"));
    QCOMPARE(callsAfterBarrier(),
             (QStringList{QStringLiteral("setPowerSaving 1"), QStringLiteral("setPowerSaving 0")}));
}

void TestDBBucketDbusInterface::failedCallWarns()
{
    m_service->setError(QStringLiteral("setPowerSaving"));
    MessageCapture messages;
    QVERIFY(!m_proxy->SetDBUS("setPowerSaving", QStringLiteral("1")));
    QCOMPARE(messages.warnings().size(), 2);
    QVERIFY(messages.warnings().at(0).startsWith(QStringLiteral("DB_BucketDbusInterface::SetDBUS")));
    QVERIFY(messages.warnings().at(0).contains(QStringLiteral("setPowerSaving")));
    QVERIFY(messages.warnings().at(0).endsWith(QStringLiteral(": Failed")));
    QVERIFY(messages.warnings().at(1).startsWith(QStringLiteral("err :")));
    QVERIFY(m_proxy->SetDBUS("otherMethod", QStringLiteral("1")));
}

QTEST_GUILESS_MAIN(TestDBBucketDbusInterface)
#include "tst_dbbucketdbusinterface.moc"
