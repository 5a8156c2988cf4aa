#include "FileSizeLimit.h"
#include "MessageCapture.h"
#include "core/BucketMaster.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

BucketCmd command(int type, int pageId, const QString &key = {}, const QString &value = {})
{
    return BucketCmd{type, pageId, key, value};
}

QByteArray readFile(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The bytes every save writes for the persistent buckets 1-42 when only
// bucket 1 has entries.
QByteArray expectedPersistenceFile(const QByteArray &bucketOneEntries)
{
    QByteArray bytes;
    for (int id = 1; id <= 42; ++id) {
        bytes += QByteArray::fromHex(QByteArray::number(id, 16).rightJustified(8, '0'));
        if (id == 1)
            bytes += bucketOneEntries;
    }
    return bytes;
}

} // namespace

class TestBucketMaster final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void getValue_data();
    void getValue();
    void setValue_data();
    void setValue();
    void setValue_signalsOnlyChanges();
    void setValue_keepsUtf8();

    void removePrefix_data();
    void removePrefix();
    void pageUpdated_signalsThatBucketOnly();
    void clearBucketCommand_emptiesWithoutSignal();
    void badCommands_data();
    void badCommands();

    void keySearch_data();
    void keySearch();
    void keySearch_emptySearchWarns();
    void keySearch_badBucket_data();
    void keySearch_badBucket();

    void clear_signalsAndClearAllDoesNot();
    void connectBucketUpdated_needsExistingBucket();
    void bucketMap_isSnapshot();
    void addBucket_data();
    void addBucket();
    void destructor_resetsSingleton();

    void save_writesExactBytes_data();
    void save_writesExactBytes();
    void save_failureKeepsPreviousFile();
    void checkPersistenceFile();

private:
    BucketMaster *m_store = nullptr;
    QTemporaryDir m_dir;
};

void TestBucketMaster::init()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QFile::remove(QLatin1String("Buckets.ps"));
    m_store = BucketMaster::instance();
}

void TestBucketMaster::cleanup()
{
    delete m_store;
    m_store = nullptr;
}

void TestBucketMaster::getValue_data()
{
    QTest::addColumn<int>("bucket");
    QTest::addColumn<QString>("warning");

    QTest::newRow("existing bucket") << 5 << QString();
    QTest::newRow("bucket 0") << 0 << QString();
    QTest::newRow("last status bucket") << 151 << QString();
    QTest::newRow("above 255") << 300 << QStringLiteral("BucketMaster::getValue  Bad BucketId  300");
    QTest::newRow("negative") << -1 << QStringLiteral("BucketMaster::getValue  Bad BucketId  -1");
    QTest::newRow("empty slot") << 50
                                << QStringLiteral("BucketMaster::getValue  Null Bucket - BucketId  50  for  \"x\"");
}

void TestBucketMaster::getValue()
{
    QFETCH(int, bucket);
    QFETCH(QString, warning);

    MessageCapture log;
    const QString value = m_store->getValue(bucket, QStringLiteral("x"));

    QVERIFY(value.isEmpty());
    QVERIFY(!value.isNull());
    if (warning.isEmpty())
        QVERIFY(log.warnings().isEmpty());
    else
        QCOMPARE(log.warnings(), QStringList{warning});
}

void TestBucketMaster::setValue_data()
{
    QTest::addColumn<int>("bucket");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("warning");

    QTest::newRow("engine bucket 0") << 0 << true << QString();
    QTest::newRow("config bucket 42") << 42 << true << QString();
    QTest::newRow("status bucket 128") << 128 << true << QString();
    QTest::newRow("bucket 43 never exists") << 43 << false << QStringLiteral("Null Bucket - BucketId  43");
    QTest::newRow("bucket 152 never exists") << 152 << false << QStringLiteral("Null Bucket - BucketId  152");
    QTest::newRow("bucket 256") << 256 << false << QStringLiteral("Bad BucketId  256");
}

void TestBucketMaster::setValue()
{
    QFETCH(int, bucket);
    QFETCH(bool, stored);
    QFETCH(QString, warning);

    MessageCapture log;
    QSignalSpy changes(m_store, &BucketMaster::updateOfBucketValue);
    QCOMPARE(m_store->setValue(bucket, QStringLiteral("k"), QStringLiteral("v")), stored);

    QCOMPARE(changes.count(), stored ? 1 : 0);
    if (stored)
        QCOMPARE(m_store->getValue(bucket, QStringLiteral("k")), QStringLiteral("v"));
    if (warning.isEmpty()) {
        QVERIFY(log.warnings().isEmpty());
    } else {
        QCOMPARE(log.warnings().size(), 1);
        QVERIFY2(log.warnings().first().contains(warning), qPrintable(log.warnings().first()));
        QVERIFY(log.warnings().first().startsWith(QLatin1String("BucketMaster::setValue")));
    }
}

void TestBucketMaster::setValue_signalsOnlyChanges()
{
    QSignalSpy changes(m_store, &BucketMaster::updateOfBucketValue);

    QVERIFY(m_store->setValue(5, QStringLiteral("a"), QStringLiteral("1")));
    QVERIFY(m_store->setValue(5, QStringLiteral("a"), QStringLiteral("1")));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0), (QVariantList{5u, QStringLiteral("a"), QStringLiteral("1")}));

    QVERIFY(m_store->setValue(5, QStringLiteral("a"), QStringLiteral("2")));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1), (QVariantList{5u, QStringLiteral("a"), QStringLiteral("2")}));

    // The same key in another bucket is another value.
    QVERIFY(m_store->setValue(6, QStringLiteral("a"), QStringLiteral("2")));
    QCOMPARE(changes.count(), 3);
}

void TestBucketMaster::setValue_keepsUtf8()
{
    const QString key = QStringLiteral("7|Zone \u00e4\u00f6\u00fc");
    const QString value = QStringLiteral("\u0428\u043a\u043e\u043b\u0430 \u20ac");
    QVERIFY(m_store->setValue(7, key, value));
    QCOMPARE(m_store->getValue(7, key), value);
    QCOMPARE(m_store->GetBucketKeyListWithPrefix(7, QStringLiteral("7|"), QString()), QStringList{key});
}

void TestBucketMaster::removePrefix_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("kept");

    // In the store's byte order '0' sorts before '|'.
    const QStringList keys{"30|1", "3|1|x", "3|2", "4|3"};
    QTest::newRow("panel 3 only") << QStringLiteral("3|") << QStringList{"30|1", "4|3"};
    QTest::newRow("empty prefix empties") << QString() << QStringList{};
    QTest::newRow("no key has it") << QStringLiteral("9|") << keys;
    QTest::newRow("prefix below every key") << QStringLiteral("0") << keys;
    QTest::newRow("whole key as prefix") << QStringLiteral("4|3") << QStringList{"30|1", "3|1|x", "3|2"};
    QTest::newRow("shorter prefix takes more") << QStringLiteral("3") << QStringList{"4|3"};
}

void TestBucketMaster::removePrefix()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, kept);

    for (const char *key : {"3|1|x", "3|2", "30|1", "4|3"})
        m_store->setValue(5, key, QStringLiteral("1"));
    int updates = 0;
    QVERIFY(m_store->connectBucketUpdated(5, this, [&] { ++updates; }));

    m_store->receiveSyncCommand(command(BucketCmd::RemoveKeysWithPrefix, 5, prefix));

    QCOMPARE(m_store->GetBucketKeyListWithPrefix(5, QString(), QString()), kept);
    QCOMPARE(updates, 0);
}

void TestBucketMaster::pageUpdated_signalsThatBucketOnly()
{
    int bucket5Updates = 0;
    int bucket6Updates = 0;
    QVERIFY(m_store->connectBucketUpdated(5, this, [&] { ++bucket5Updates; }));
    QVERIFY(m_store->connectBucketUpdated(6, this, [&] { ++bucket6Updates; }));

    m_store->receiveSyncCommand(command(BucketCmd::SetValue, 5, QStringLiteral("7|fireAlrms"), QStringLiteral("2")));
    QCOMPARE(bucket5Updates, 0);
    QCOMPARE(m_store->getValue(5, QStringLiteral("7|fireAlrms")), QStringLiteral("2"));

    m_store->receiveSyncCommand(command(BucketCmd::PageUpdated, 5));
    QCOMPARE(bucket5Updates, 1);
    QCOMPARE(bucket6Updates, 0);
}

void TestBucketMaster::clearBucketCommand_emptiesWithoutSignal()
{
    int updates = 0;
    QVERIFY(m_store->connectBucketUpdated(41, this, [&] { ++updates; }));
    m_store->setValue(41, QStringLiteral("a"), QStringLiteral("1"));
    m_store->setValue(42, QStringLiteral("a"), QStringLiteral("1"));

    m_store->receiveSyncCommand(command(BucketCmd::ClearBucket, 41));

    QCOMPARE(m_store->getValue(41, QStringLiteral("a")), QString());
    QCOMPARE(m_store->getValue(42, QStringLiteral("a")), QStringLiteral("1"));
    QCOMPARE(updates, 0);
}

void TestBucketMaster::badCommands_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("pageId");
    QTest::addColumn<QString>("warning");

    const QString badType =
        QStringLiteral("BucketMaster::receiveSyncCommand  Trying to process a bad sync command type");
    const QString badId = QStringLiteral("BucketMaster::receiveSyncCommand  Bad BucketId  256");
    QTest::newRow("command 7") << 7 << 5 << badType;
    QTest::newRow("negative command") << -1 << 5 << badType;
    QTest::newRow("clear bucket 256") << int(BucketCmd::ClearBucket) << 256 << badId;
    QTest::newRow("prefix in bucket 256") << int(BucketCmd::RemoveKeysWithPrefix) << 256 << badId;
    QTest::newRow("page updated 256") << int(BucketCmd::PageUpdated) << 256 << badId;
    QTest::newRow("clear empty slot") << int(BucketCmd::ClearBucket) << 50 << QString();
    QTest::newRow("page updated empty slot") << int(BucketCmd::PageUpdated) << 50 << QString();
}

void TestBucketMaster::badCommands()
{
    QFETCH(int, type);
    QFETCH(int, pageId);
    QFETCH(QString, warning);

    m_store->setValue(5, QStringLiteral("a"), QStringLiteral("1"));
    MessageCapture log;

    m_store->receiveSyncCommand(command(type, pageId, QString(), QStringLiteral("x")));

    QCOMPARE(log.warnings(), warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(m_store->getValue(5, QStringLiteral("a")), QStringLiteral("1"));
}

void TestBucketMaster::keySearch_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("withPrefix");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("unanchored wildcard, map order")
        << QString() << QStringLiteral("1|*|fire") << false << QStringList{"11|2|fire", "1|12|fire", "1|2|fire"};
    QTest::newRow("wildcard never spans a separator")
        << QString() << QStringLiteral("|*|") << false << QStringList{"11|2|fire", "1|12|fire", "1|2|fire"};
    QTest::newRow("plain text found inside keys")
        << QString() << QStringLiteral("fault") << false << QStringList{"3|fault"};
    QTest::newRow("invalid pattern gives nothing") << QString() << QStringLiteral("(") << false << QStringList{};
    QTest::newRow("prefix and wildcard") << QStringLiteral("1|") << QStringLiteral("*|fire") << true
                                         << QStringList{"1|12|fire", "1|2|fire"};
    QTest::newRow("prefix, empty search takes all")
        << QStringLiteral("1|") << QString() << true << QStringList{"1|", "1|12|fire", "1|2|fire"};
    QTest::newRow("pattern must lie after the prefix")
        << QStringLiteral("1|") << QStringLiteral("1|*") << true << QStringList{};
    QTest::newRow("the prefix alone is no match")
        << QStringLiteral("1|") << QStringLiteral("*") << true << QStringList{"1|12|fire", "1|2|fire"};
    QTest::newRow("prefix nobody has") << QStringLiteral("9|") << QString() << true << QStringList{};
    QTest::newRow("no prefix, pattern anywhere") << QString() << QStringLiteral("fa") << true << QStringList{"3|fault"};
    QTest::newRow("no prefix, empty search takes all")
        << QString() << QString() << true << QStringList{"11|2|fire", "1|", "1|12|fire", "1|2|fire", "3|fault"};
    QTest::newRow("invalid pattern after prefix")
        << QStringLiteral("1|") << QStringLiteral("[") << true << QStringList{};
}

void TestBucketMaster::keySearch()
{
    QFETCH(QString, prefix);
    QFETCH(QString, search);
    QFETCH(bool, withPrefix);
    QFETCH(QStringList, found);

    for (const char *key : {"1|2|fire", "1|12|fire", "11|2|fire", "1|", "3|fault"})
        m_store->setValue(5, key, QStringLiteral("1"));

    MessageCapture log;
    const QStringList keys =
        withPrefix ? m_store->GetBucketKeyListWithPrefix(5, prefix, search) : m_store->GetBucketKeyList(5, search);
    QCOMPARE(keys, found);
    QVERIFY(log.warnings().isEmpty());
}

void TestBucketMaster::keySearch_emptySearchWarns()
{
    m_store->setValue(5, QStringLiteral("a"), QStringLiteral("1"));
    MessageCapture log;
    QCOMPARE(m_store->GetBucketKeyList(5, QString()), QStringList());
    QCOMPARE(log.warnings(), QStringList{"BucketMaster::GetBucketKeyList  Empty searchstring"});
}

void TestBucketMaster::keySearch_badBucket_data()
{
    QTest::addColumn<int>("bucket");
    QTest::addColumn<QString>("fault");
    QTest::newRow("bad id") << 999 << QStringLiteral(" Bad BucketId  999");
    QTest::newRow("empty slot") << 60 << QStringLiteral(" Null Bucket - BucketId  60");
}

void TestBucketMaster::keySearch_badBucket()
{
    QFETCH(int, bucket);
    QFETCH(QString, fault);

    MessageCapture log;
    QCOMPARE(m_store->GetBucketKeyList(bucket, QStringLiteral("*")), QStringList());
    QCOMPARE(m_store->GetBucketKeyListWithPrefix(bucket, QStringLiteral("1|"), QStringLiteral("*")), QStringList());
    QString search = QStringLiteral("a|*");
    QVERIFY(!m_store->checkBucketAndFilterSearchString(bucket, search));
    QCOMPARE(search, QStringLiteral("a|*"));

    QCOMPARE(log.warnings(), (QStringList{"BucketMaster::GetBucketKeyList " + fault,
                                          "BucketMaster::checkBucketAndFilterSearchString " + fault,
                                          "BucketMaster::checkBucketAndFilterSearchString " + fault}));

    QString good = QStringLiteral("a|*");
    QVERIFY(m_store->checkBucketAndFilterSearchString(5, good));
    QCOMPARE(good, QStringLiteral("a\\|[^|]+"));
}

void TestBucketMaster::clear_signalsAndClearAllDoesNot()
{
    int updates = 0;
    QVERIFY(m_store->connectBucketUpdated(7, this, [&] { ++updates; }));
    m_store->setValue(7, QStringLiteral("a"), QStringLiteral("1"));
    m_store->setValue(0, QStringLiteral("b"), QStringLiteral("1"));

    m_store->clear(7);
    QCOMPARE(updates, 1);
    QCOMPARE(m_store->getValue(7, QStringLiteral("a")), QString());
    QCOMPARE(m_store->getValue(0, QStringLiteral("b")), QStringLiteral("1"));

    m_store->setValue(7, QStringLiteral("a"), QStringLiteral("1"));
    m_store->clearAll();
    QCOMPARE(updates, 1);
    QCOMPARE(m_store->getValue(7, QStringLiteral("a")), QString());
    QCOMPARE(m_store->getValue(0, QStringLiteral("b")), QString());

    MessageCapture log;
    m_store->clear(50);
    m_store->clear(256);
    QCOMPARE(log.warnings(), QStringList{"BucketMaster::clear  Bad BucketId  256"});
}

void TestBucketMaster::connectBucketUpdated_needsExistingBucket()
{
    MessageCapture log;
    QVERIFY(!m_store->connectBucketUpdated(43, this, [] {}));
    QVERIFY(!m_store->connectBucketUpdated(-5, this, [] {}));
    QCOMPARE(log.warnings().size(), 2);
}

void TestBucketMaster::bucketMap_isSnapshot()
{
    m_store->setValue(38, QStringLiteral("b"), QStringLiteral("2"));
    m_store->setValue(38, QStringLiteral("a"), QStringLiteral("1"));

    QMapIterator<QByteArray, QByteArray> it = m_store->bucketMap(38);
    m_store->setValue(38, QStringLiteral("c"), QStringLiteral("3"));
    m_store->receiveSyncCommand(command(BucketCmd::ClearBucket, 38));

    QStringList seen;
    while (it.hasNext()) {
        it.next();
        seen << QString::fromUtf8(it.key() + '=' + it.value());
    }
    QCOMPARE(seen, (QStringList{"a=1", "b=2"}));

    MessageCapture log;
    QVERIFY(!m_store->bucketMap(200).hasNext());
    QCOMPARE(log.warnings().size(), 1);
}

void TestBucketMaster::addBucket_data()
{
    QTest::addColumn<uint>("id");
    QTest::addColumn<bool>("added");
    QTest::addColumn<int>("warnings");
    QTest::newRow("free slot") << 60u << true << 0;
    QTest::newRow("taken slot") << 5u << false << 0;
    QTest::newRow("above 255") << 256u << false << 1;
}

void TestBucketMaster::addBucket()
{
    QFETCH(uint, id);
    QFETCH(bool, added);
    QFETCH(int, warnings);

    MessageCapture log;
    QCOMPARE(m_store->AddBucket(id, false), added);
    QCOMPARE(log.warnings().size(), warnings);
    if (added)
        QVERIFY(m_store->setValue(int(id), QStringLiteral("k"), QStringLiteral("v")));
}

void TestBucketMaster::destructor_resetsSingleton()
{
    m_store->setValue(5, QStringLiteral("a"), QStringLiteral("1"));
    delete m_store;
    m_store = BucketMaster::instance();
    QCOMPARE(m_store->getValue(5, QStringLiteral("a")), QString());
}

void TestBucketMaster::save_writesExactBytes_data()
{
    QTest::addColumn<QStringList>("bucketOne");
    QTest::addColumn<QByteArray>("entries");

    QTest::newRow("empty store") << QStringList{} << QByteArray();
    QTest::newRow("one key") << QStringList{"a", "b"} << QByteArray::fromHex("00000002 6100 00000002 6200");
    QTest::newRow("key order and empty value")
        << QStringList{"b", "", "a", "xy"}
        << QByteArray::fromHex("00000002 6100 00000003 787900 00000002 6200 00000001 00");
    QTest::newRow("utf-8") << QStringList{"k", "\u00e9"} << QByteArray::fromHex("00000002 6b00 00000003 c3a900");
}

void TestBucketMaster::save_writesExactBytes()
{
    QFETCH(QStringList, bucketOne);
    QFETCH(QByteArray, entries);

    // An empty value equals a missing one and is not stored by itself, so
    // every key gets another value first.
    for (int i = 0; i + 1 < bucketOne.size(); i += 2) {
        m_store->setValue(1, bucketOne[i], QStringLiteral("placeholder"));
        m_store->setValue(1, bucketOne[i], bucketOne[i + 1]);
    }
    // Volatile buckets never reach the file, however full.
    m_store->setValue(0, QStringLiteral("zero"), QStringLiteral("1"));
    m_store->setValue(128, QStringLiteral("status"), QStringLiteral("1"));
    m_store->setValue(151, QStringLiteral("status"), QStringLiteral("1"));

    QCOMPARE(m_store->save(), 0);
    QCOMPARE(readFile(QStringLiteral("Buckets.ps")).toHex(), expectedPersistenceFile(entries).toHex());
}

void TestBucketMaster::save_failureKeepsPreviousFile()
{
    m_store->setValue(1, QStringLiteral("a"), QStringLiteral("b"));
    QCOMPARE(m_store->save(), 0);
    const QByteArray previous = readFile(QStringLiteral("Buckets.ps"));
    QVERIFY(!previous.isEmpty());

    const QString big(200000, QLatin1Char('x'));
    for (int i = 0; i < 10; ++i)
        m_store->setValue(2, QString::number(i), big);

    int result = 0;
    {
        const FileSizeLimit limit(64 * 1024);
        result = m_store->save();
    }
    QVERIFY(result != 0);
    QCOMPARE(readFile(QStringLiteral("Buckets.ps")), previous);

    // The store itself is untouched and a later save succeeds.
    QCOMPARE(m_store->getValue(2, QStringLiteral("9")), big);
    QCOMPARE(m_store->save(), 0);
    QVERIFY(readFile(QStringLiteral("Buckets.ps")).size() > 2000000);
}

void TestBucketMaster::checkPersistenceFile()
{
    QVERIFY(m_store->checkPersistenceFile() != 0);
    QCOMPARE(m_store->save(), 0);
    QCOMPARE(m_store->checkPersistenceFile(), 0);
}

QTEST_GUILESS_MAIN(TestBucketMaster)
#include "tst_bucketmaster.moc"
