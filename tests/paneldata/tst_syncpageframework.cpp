#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SyncPageBench.h"
#include "core/BucketMaster.h"
#include "link/SyncClient.h"
#include "link/sc_syncPages.h"
#include "paneldata/SC_PageHandlers.h"

#include <QtTest>

#include <memory>

namespace {

sc_syncPages &signatures()
{
    return SyncClient::instance()->syncPages();
}

QString signatureOf(int page, int panel, int part)
{
    sc_syncPages::SignatureEntry entry;
    if (!signatures().signature(page, quint8(panel), quint8(part), entry))
        return QStringLiteral("none");
    return QStringLiteral("%1%2%3")
        .arg(entry.kept ? "kept " : "")
        .arg(entry.current ? "current " : "")
        .arg(entry.signature, 8, 16, QLatin1Char('0'));
}

} // namespace

// A data update reaches its page's handler, and only a part the handler
// takes counts as stored.
class tst_SyncPageFramework final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dataUpdate_data();
    void dataUpdate();
    void pageUpdatedFollowsTheKeys();
    void sharedHandlerWritesTheBucketOfTheHeadersPage();
    void bucketKeysOfAPage_data();
    void bucketKeysOfAPage();
    void laterRegistrationReplacesTheEarlier();
    void signaturesLoadAtStartAndSaveOnPersistence();
    void linkLossClearsTheStatusCountSignatures();

private:
    std::unique_ptr<SyncPageBench> m_bench;
    std::unique_ptr<MessageCapture> m_messages;
};

void tst_SyncPageFramework::init()
{
    m_messages = std::make_unique<MessageCapture>();
    m_bench = std::make_unique<SyncPageBench>();
}

void tst_SyncPageFramework::cleanup()
{
    m_bench.reset();
    m_messages.reset();
}

void tst_SyncPageFramework::dataUpdate_data()
{
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<QByteArrayList>("replies");
    QTest::addColumn<QString>("signature");
    QTest::addColumn<QStringList>("bucket42");

    const QStringList untouched{QStringLiteral("old=1")};
    QTest::newRow("page without handler") << syncPagePart(2, 3, 0, 0x11223344, hex("00 000c"))
                                          << QByteArrayList{acknowledgement(2)} << "none" << untouched;
    QTest::newRow("page without handler, no acknowledgement asked")
        << syncPagePart(2, 3, 0, 0x11223344, hex("00 000c"), false) << QByteArrayList() << "none" << untouched;
    QTest::newRow("handled page") << syncPagePart(42, 3, 0, 0x11223344, hex("00 000c"))
                                  << QByteArrayList{acknowledgement(0)} << "kept current 11223344"
                                  << QStringList{"tstCntLocal=12"};
    QTest::newRow("handled, no acknowledgement asked")
        << syncPagePart(42, 3, 0, 0x11223344, hex("00 000c"), false) << QByteArrayList() << "kept current 11223344"
        << QStringList{"tstCntLocal=12"};
    QTest::newRow("fingerprint keeps only its signature")
        << syncPagePart(1, 3, 0, 0xa1b2c3d4, hex("0003 010203")) << QByteArrayList{acknowledgement(0)}
        << "kept current a1b2c3d4" << untouched;
    QTest::newRow("truncated body is refused for a resend")
        << syncPagePart(42, 3, 0, 0x11223344, hex("00 00")) << QByteArrayList{acknowledgement(1)} << "none"
        << untouched;
    QTest::newRow("fingerprint shorter than its length") << syncPagePart(1, 3, 0, 0xa1b2c3d4, hex("0004 010203"))
                                                         << QByteArrayList{acknowledgement(1)} << "none" << untouched;
    QTest::newRow("length field cuts the body") << withLength(syncPagePart(42, 3, 0, 0x11223344, hex("00 000c")), 23)
                                                << QByteArrayList{acknowledgement(1)} << "none" << untouched;
    QTest::newRow("page header cut short: dropped unanswered")
        << supportPacket(hex("0a 2a 03 00 1122")) << QByteArrayList() << "none" << untouched;
}

void tst_SyncPageFramework::dataUpdate()
{
    QFETCH(QByteArray, part);
    QFETCH(QByteArrayList, replies);
    QFETCH(QString, signature);
    QFETCH(QStringList, bucket42);

    BucketMaster::instance()->setValue(42, QStringLiteral("old"), QStringLiteral("1"));
    const quint8 page = quint8(part.at(15));
    m_bench->receive(part);
    QCOMPARE(m_bench->takeSent(), replies);
    QCOMPARE(signatureOf(page, 3, 0), signature);
    QCOMPARE(m_bench->bucket(42), bucket42);
}

void tst_SyncPageFramework::pageUpdatedFollowsTheKeys()
{
    QStringList seen;
    BucketMaster::instance()->connectBucketUpdated(42, this,
                                                   [&] { seen << m_bench->value(42, QStringLiteral("tstCntLocal")); });
    m_bench->receive(syncPagePart(42, 0, 0, 1, hex("00 0007")));
    QCOMPARE(seen, QStringList{"7"});

    // A refused part announces nothing.
    m_bench->receive(syncPagePart(42, 0, 0, 1, hex("00")));
    QCOMPARE(seen, QStringList{"7"});
}

void tst_SyncPageFramework::sharedHandlerWritesTheBucketOfTheHeadersPage()
{
    SyncClient::instance()->registerPacketHandlerAs(35, sc_TemporaryPatchData_Page::handler());
    m_bench->receive(syncPagePart(35, 4, 2, 0xcafe, hex("00 0009")));
    QCOMPARE(m_bench->takeSent(), QByteArrayList{acknowledgement(0)});
    QCOMPARE(m_bench->value(35, QStringLiteral("tstCntLocal")), QStringLiteral("9"));
    QCOMPARE(m_bench->bucket(42), QStringList());
    QCOMPARE(signatureOf(35, 4, 2), QStringLiteral("kept current 0000cafe"));
    QCOMPARE(signatureOf(42, 4, 2), QStringLiteral("none"));
}

namespace {

// A page packet of the test's own, to reach the key writers.
class KeyWriterPkt final : public sc_SyncPagePacket
{
public:
    explicit KeyWriterPkt(const QSharedPointer<SC_PacketBuffer> &received)
        : sc_SyncPagePacket(received, SyncClient::instance())
    {
    }
    void handlePacketData() override { }
    void serialise() override { }
};

} // namespace

void tst_SyncPageFramework::bucketKeysOfAPage_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<bool>("perPanel");
    QTest::addColumn<QString>("key");
    QTest::newRow("per panel") << 7 << true << "7|fireAlrms";
    QTest::newRow("panel 0") << 0 << true << "0|fireAlrms";
    QTest::newRow("panel 254") << 254 << true << "254|fireAlrms";
    QTest::newRow("page-wide") << 7 << false << "fireAlrms";
}

void tst_SyncPageFramework::bucketKeysOfAPage()
{
    QFETCH(int, panel);
    QFETCH(bool, perPanel);
    QFETCH(QString, key);
    KeyWriterPkt page(QSharedPointer<SC_PacketBuffer>::create(syncPagePart(5, quint8(panel), 0, 0, {})));
    page.setBucketNumber(QStringLiteral("fireAlrms"), 12, perPanel);
    page.setBucketValue(QStringLiteral("btryStat"), QStringLiteral("x"), perPanel);
    QCOMPARE(m_bench->value(5, key), QStringLiteral("12"));
    QCOMPARE(m_bench->bucket(5).size(), 2);
}

void tst_SyncPageFramework::laterRegistrationReplacesTheEarlier()
{
    SyncClient *client = SyncClient::instance();
    QVERIFY(client->packetHandler(42));
    QCOMPARE(client->packetHandler(2), nullptr);
    client->registerPacketHandlerAs(2, client->packetHandler(42));
    m_bench->receive(syncPagePart(2, 0, 0, 5, hex("00 0003")));
    QCOMPARE(m_bench->takeSent(), QByteArrayList{acknowledgement(0)});
    QCOMPARE(m_bench->value(2, QStringLiteral("tstCntLocal")), QStringLiteral("3"));
}

void tst_SyncPageFramework::signaturesLoadAtStartAndSaveOnPersistence()
{
    QTemporaryDir directory;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(directory.path()));
    {
        QFile file{QLatin1String(sc_syncPages::FileName)};
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(hex("00032a00 00000011"));
    }
    SyncClient::instance()->initPersistence();
    QCOMPARE(signatureOf(42, 3, 0), QStringLiteral("kept 00000011"));
    m_bench->receive(syncPagePart(1, 4, 0, 0x22, hex("0000")));
    SyncClient::instance()->PersistenceTimeout();
    QFile file{QLatin1String(sc_syncPages::FileName)};
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), hex("00032a00 00000011 00040100 00000022"));
    QVERIFY(QDir::setCurrent(previous));
}

void tst_SyncPageFramework::linkLossClearsTheStatusCountSignatures()
{
    SyncClient *client = SyncClient::instance();
    for (const auto &change : {qMakePair(false, 2), qMakePair(true, 1)}) {
        client->LinkStatus(true, 3);
        signatures().storeSignature(5, 7, 0, {true, true, 0x55});
        signatures().storeSignature(42, 7, 0, {true, true, 0x42});
        client->LinkStatus(change.first, quint8(change.second));
        QCOMPARE(signatureOf(5, 7, 0), QStringLiteral("kept 00000000"));
        QCOMPARE(signatureOf(42, 7, 0), QStringLiteral("kept current 00000042"));
    }
    client->LinkStatus(true, 3);
    signatures().storeSignature(5, 7, 0, {true, true, 0x55});
    client->LinkStatus(true, 0);
    QCOMPARE(signatureOf(5, 7, 0), QStringLiteral("kept current 00000055"));
}

QTEST_GUILESS_MAIN(tst_SyncPageFramework)
#include "tst_syncpageframework.moc"
