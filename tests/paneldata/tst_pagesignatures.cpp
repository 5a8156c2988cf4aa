#include "MessageCapture.h"
#include "PacketBytes.h"
#include "link/sc_syncPages.h"

#include <QtTest>

namespace {

using Entry = sc_syncPages::SignatureEntry;

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

void writeAll(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// key=signature, with k for kept and c for current.
QStringList listed(const sc_syncPages &pages)
{
    QStringList entries;
    const sc_syncPages::SignatureMap &map = pages.entries();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        entries << QStringLiteral("%1/%2/%3=%4%5%6")
                       .arg(sc_syncPages::panelOf(it.key()))
                       .arg(sc_syncPages::pageOf(it.key()))
                       .arg(sc_syncPages::partOf(it.key()))
                       .arg(it->signature, 0, 16)
                       .arg(it->kept ? " k" : "")
                       .arg(it->current ? " c" : "");
    }
    return entries;
}

} // namespace

class tst_PageSignatures final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lookUp();
    void savedAsKeyAndSignaturePairsInKeyOrder();
    void load_data();
    void load();
    void missingFileKeepsTheSignatures();
    void hostileFiles_data();
    void hostileFiles();
    void clearPageZeroesEveryPartOfThePage();
    void saveThatCannotWriteReportsIt();

private:
    QTemporaryDir m_directory;
    QString m_previous;
};

void tst_PageSignatures::init()
{
    m_previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_directory.path()));
    QFile::remove(QLatin1String(sc_syncPages::FileName));
}

void tst_PageSignatures::cleanup()
{
    QDir::setCurrent(m_previous);
}

void tst_PageSignatures::lookUp()
{
    sc_syncPages pages;
    Entry entry{false, false, 77};
    QVERIFY(!pages.signature(7, 3, 2, entry));
    QCOMPARE(entry.signature, 77u);
    pages.storeSignature(7, 3, 2, {true, true, 0x0a0b0c0d});
    pages.storeSignature(7, 3, 2, {true, true, 0x01020304});
    QVERIFY(pages.signature(7, 3, 2, entry));
    QCOMPARE(entry.signature, 0x01020304u);
    QVERIFY(entry.kept && entry.current);
    // Each number is taken as 8 bits.
    QVERIFY(pages.signature(7 + 256, 3 + 256, 2 + 256, entry));
    QCOMPARE(pages.entries().size(), 1);
}

void tst_PageSignatures::savedAsKeyAndSignaturePairsInKeyOrder()
{
    sc_syncPages pages;
    pages.storeSignature(7, 3, 2, {true, true, 0x0a0b0c0d});
    pages.storeSignature(5, 99, 0, {true, false, 0xffffffff});
    pages.storeSignature(5, 3, 1, {false, true, 0x12345678});
    pages.storeSignature(1, 0, 0, {true, true, 0x00000001});
    QVERIFY(pages.save());
    QCOMPARE(readAll(QLatin1String(sc_syncPages::FileName)),
             hex("00000100 00000001  00030702 0a0b0c0d  00630500 ffffffff"));
}

void tst_PageSignatures::load_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("warned");
    QTest::newRow("empty file") << QByteArray() << QStringList() << false;
    QTest::newRow("two pairs") << hex("00030702 0a0b0c0d 00000100 00000001")
                               << QStringList{"0/1/0=1 k", "3/7/2=a0b0c0d k"} << false;
    QTest::newRow("a later pair replaces the earlier")
        << hex("00030702 0a0b0c0d 00030702 00000009") << QStringList{"3/7/2=9 k"} << false;
    QTest::newRow("pair cut short at the end")
        << hex("00030702 0a0b0c0d 00000100 0000") << QStringList{"3/7/2=a0b0c0d k"} << true;
    QTest::newRow("key beyond any page part")
        << hex("01030702 0a0b0c0d 00000100 00000001") << QStringList{"0/1/0=1 k"} << true;
}

void tst_PageSignatures::load()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    QFETCH(bool, warned);
    writeAll(QLatin1String(sc_syncPages::FileName), file);
    MessageCapture messages;
    sc_syncPages pages;
    pages.storeSignature(8, 1, 1, {true, true, 5});
    pages.load();
    QCOMPARE(listed(pages), entries);
    QCOMPARE(!messages.warnings().isEmpty(), warned);
}

void tst_PageSignatures::missingFileKeepsTheSignatures()
{
    sc_syncPages pages;
    pages.storeSignature(8, 1, 1, {true, true, 5});
    pages.load();
    QCOMPARE(listed(pages), QStringList{"1/8/1=5 k c"});
}

void tst_PageSignatures::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("warning");

    // Every key out of range: one warning with the count, not one per key.
    QByteArray badKeys;
    for (int i = 0; i < 1000; ++i)
        badKeys += hex("ff030702 0a0b0c0d");
    QTest::newRow("a thousand bad keys") << badKeys + hex("00000100 00000001") << QStringList{"0/1/0=1 k"}
                                         << QStringLiteral("1000 entries");
    // One byte over the limit: refused whole, the signatures stay.
    QByteArray large = hex("00000100 00000001").repeated(sc_syncPages::MaximumFileBytes / 8);
    QTest::newRow("above the size limit")
        << large + hex("00") << QStringList{"1/8/1=5 k c"} << QStringLiteral("above the limit");
    QTest::newRow("at the size limit") << large << QStringList{"0/1/0=1 k"} << QString();
}

void tst_PageSignatures::hostileFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    QFETCH(QString, warning);
    writeAll(QLatin1String(sc_syncPages::FileName), file);
    MessageCapture messages;
    sc_syncPages pages;
    pages.storeSignature(8, 1, 1, {true, true, 5});
    pages.load();
    QCOMPARE(listed(pages), entries);
    QCOMPARE(messages.warnings().size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty())
        QVERIFY2(messages.warnings().first().contains(warning), qPrintable(messages.warnings().first()));
}

void tst_PageSignatures::clearPageZeroesEveryPartOfThePage()
{
    sc_syncPages pages;
    pages.storeSignature(7, 0, 0, {true, true, 1});
    pages.storeSignature(7, 4, 3, {true, true, 2});
    pages.storeSignature(7, 99, 1, {false, true, 3});
    pages.storeSignature(8, 4, 0, {true, true, 4});
    pages.clearPage(7);
    QCOMPARE(listed(pages), (QStringList{"0/7/0=0 k", "4/7/3=0 k", "4/8/0=4 k c", "99/7/1=0"}));
    QVERIFY(pages.save());
    QCOMPARE(readAll(QLatin1String(sc_syncPages::FileName)),
             hex("00000700 00000000 00040703 00000000 00040800 00000004"));
}

void tst_PageSignatures::saveThatCannotWriteReportsIt()
{
    sc_syncPages pages;
    pages.storeSignature(7, 0, 0, {true, true, 1});
    QVERIFY(!pages.save(m_directory.filePath(QStringLiteral("no such directory/syncpages.bin"))));
}

QTEST_GUILESS_MAIN(tst_PageSignatures)
#include "tst_pagesignatures.moc"
