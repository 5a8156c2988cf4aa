#include "FakeClock.h"
#include "MessageCapture.h"
#include "paneldata/PanelPointStringsFile.h"
#include "paneldata/PointTextCache.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

Q_DECLARE_METATYPE(PanelPointNamesRecord)

namespace {

using Texts = QPair<QString, QString>;

const ChannelAddress Loop3(12, 3, 0);

PanelPointNamesRecord run(quint8 kind, quint8 address, quint8 number, quint8 first, const QVector<Texts> &texts)
{
    const ChannelAddress channel(kind, address, number);
    return PanelPointNamesRecord{channel.byte0(), channel.byte1(), first, quint8(texts.size()), texts};
}

QVector<Texts> namesFrom(int first, int count, const QString &prefix)
{
    QVector<Texts> texts;
    for (int i = 0; i < count; ++i)
        texts.append({QStringLiteral("%1 %2").arg(prefix).arg(first + i), QString()});
    return texts;
}

// What is on disk now.
QByteArray bytesOnDisk(quint8 panel)
{
    QFile file(PanelPointStringsFile(panel).fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// The file once the names held in memory are written.
QByteArray fileBytes(quint8 panel)
{
    PointTextCache::instance()->flush();
    return bytesOnDisk(panel);
}

void writeFileBytes(quint8 panel, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(PanelPointStringsFile::directoryPath(panel)));
    QFile file(PanelPointStringsFile(panel).fileName());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString text(quint8 panel, const ChannelAddress &channel, quint8 point, int language = 1)
{
    return PointTextCache::instance()->pointText(panel, channel, point, language);
}

// Makes the cache read the panel's file again, as after a restart: another
// panel is loaded and the cache emptied, the files stay.
void forgetLoadedTexts()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->storePanelTexts(99, {run(12, 1, 0, 1, {{QStringLiteral("other"), QString()}})});
    cache->clear();
}

} // namespace

// The point names of every panel, cached in memory and kept in one file per
// panel below "strings".
class tst_PointTextCache final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void fileIsWrittenAsGiven_data();
    void fileIsWrittenAsGiven();
    void partsMergeAndTheFileHoldsThemAll();
    void runOutOfRangeEndsThePartKeepingWhatCameBefore();
    void brokenLinesAreSkippedWithAWarning();
    void duplicateLineKeepsTheFirst();
    void anotherPanelIsReadOnceThenCached();
    void secondLanguageOfAOneLanguagePageIsEmpty();
    void fullCacheDropsTheEntryAddedLast();
    void singleTextUpdateRewritesTheFile();
    void clearOnePanelKeepsTheLoadedOther();
    void clearAllRemovesTheDirectory();
    void failedWriteKeepsTheNamesInMemory_data();
    void failedWriteKeepsTheNamesInMemory();
    void partsAreWrittenOnceAfterAQuietTime();
    void anotherPanelsNamesWriteTheHeldOnesFirst();
    void clearedPanelIsNotWrittenLater();
    void missingNameIsCachedUntilItsNamesArrive();
    void namesArrivingReplaceCachedOnes();

private:
    QTemporaryDir m_directory;
    FakeClock m_clock;
};

void tst_PointTextCache::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_PointTextCache::init()
{
    PointTextCache::destroyInstance();
    PointTextCache::instance()->clearPanel(255);
}

void tst_PointTextCache::fileIsWrittenAsGiven_data()
{
    QTest::addColumn<QVector<PanelPointNamesRecord>>("records");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("the example line") << QVector<PanelPointNamesRecord>{run(12, 3, 0, 17, {{"A", "B"}})}
                                      << QByteArray("12;3;0;17;A;B;\n");
    QTest::newRow("one language, two runs")
        << QVector<PanelPointNamesRecord>{run(12, 3, 2, 10, {{"Hall", ""}, {"Stairs", ""}}),
                                          run(2, 0, 1, 255 - 5, {{"Door", ""}})}
        << QByteArray("12;3;2;10;Hall;;\n12;3;2;11;Stairs;;\n2;0;1;250;Door;;\n");
    QTest::newRow("non-ASCII in UTF-8, no byte-order mark")
        << QVector<PanelPointNamesRecord>{run(
               12, 1, 0, 1, {{QStringLiteral("K\u00fcche"), QStringLiteral("\u041a\u0443\u0445\u043d\u044f")}})}
        << QByteArray("12;1;0;1;K\xc3\xbc"
                      "che;\xd0\x9a\xd1\x83\xd1\x85\xd0\xbd\xd1\x8f;\n");
    QTest::newRow("separator, line breaks and the escape are escaped")
        << QVector<PanelPointNamesRecord>{run(12, 1, 0, 7, {{"a;b", "line\nnext\r"}, {"c:\\x", "\\s"}})}
        << QByteArray("12;1;0;7;a\\sb;line\\nnext\\r;\n12;1;0;8;c:\\\\x;\\\\s;\n");
}

void tst_PointTextCache::fileIsWrittenAsGiven()
{
    QFETCH(QVector<PanelPointNamesRecord>, records);
    QFETCH(QByteArray, file);

    PointTextCache::instance()->storePanelTexts(5, records);
    QCOMPARE(fileBytes(5), file);

    // Read back from the file, as after a restart.
    forgetLoadedTexts();
    for (const PanelPointNamesRecord &record : records) {
        const ChannelAddress channel(record.channelByte0, record.channelByte1);
        for (int i = 0; i < record.pointCount; ++i) {
            QCOMPARE(text(5, channel, quint8(record.firstPoint + i), 1), record.texts.at(i).first);
            QCOMPARE(text(5, channel, quint8(record.firstPoint + i), 2), record.texts.at(i).second);
        }
    }
}

// A page's parts each bring some of the panel's names: all of them stay,
// and a name sent again replaces the older one in its place.
void tst_PointTextCache::partsMergeAndTheFileHoldsThemAll()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->storePanelTexts(4, {run(12, 1, 0, 1, namesFrom(1, 2, "Loop 1"))});
    cache->storePanelTexts(4, {run(12, 2, 0, 1, namesFrom(1, 1, "Loop 2")), run(12, 1, 0, 2, {{"Renamed", "Neu"}})});
    QCOMPARE(fileBytes(4), QByteArray("12;1;0;1;Loop 1 1;;\n12;1;0;2;Renamed;Neu;\n12;2;0;1;Loop 2 1;;\n"));
    QCOMPARE(text(4, ChannelAddress(12, 1, 0), 1), QStringLiteral("Loop 1 1"));
    QCOMPARE(text(4, ChannelAddress(12, 2, 0), 1), QStringLiteral("Loop 2 1"));

    // The next page starts afresh.
    cache->clearPanel(4);
    cache->storePanelTexts(4, {run(12, 2, 0, 5, {{"Only", ""}})});
    QCOMPARE(fileBytes(4), QByteArray("12;2;0;5;Only;;\n"));
    QCOMPARE(text(4, ChannelAddress(12, 1, 0), 1), QString());
}

void tst_PointTextCache::runOutOfRangeEndsThePartKeepingWhatCameBefore()
{
    MessageCapture messages;
    PointTextCache::instance()->storePanelTexts(6, {run(12, 1, 0, 1, {{"a", ""}}), run(12, 2, 0, 250, {{"b", ""}}),
                                                    run(12, 3, 0, 251, {{"c", ""}}), run(12, 4, 0, 1, {{"d", ""}})});
    QCOMPARE(fileBytes(6), QByteArray("12;1;0;1;a;;\n12;2;0;250;b;;\n"));
    QCOMPARE(text(6, ChannelAddress(12, 4, 0), 1), QString());
    QVERIFY(messages.contains(QStringLiteral("PointTextCache::storePanelTexts")));
}

void tst_PointTextCache::brokenLinesAreSkippedWithAWarning()
{
    writeFileBytes(8, "12;3;0;1;First;Erste;\n"
                      "12;3;0;2;Cut\n"
                      "\n"
                      "garbage without fields\n"
                      "12;3;0;3;Third;Dritte;\n"
                      "12;3;0;4;Last line;without end;");
    MessageCapture messages;
    QCOMPARE(text(8, Loop3, 1, 2), QStringLiteral("Erste"));
    QCOMPARE(text(8, Loop3, 2), QString());
    QCOMPARE(text(8, Loop3, 3), QStringLiteral("Third"));
    QCOMPARE(text(8, Loop3, 4, 2), QStringLiteral("without end"));
    QVERIFY2(messages.contains(QStringLiteral("damaged lines skipped: 3")), qPrintable(messages.messages().join('\n')));
}

void tst_PointTextCache::duplicateLineKeepsTheFirst()
{
    writeFileBytes(9, "12;3;0;1;First;;\n12;3;0;1;Second;;\n");
    QCOMPARE(text(9, Loop3, 1), QStringLiteral("First"));
}

void tst_PointTextCache::anotherPanelIsReadOnceThenCached()
{
    PointTextCache::instance()->storePanelTexts(3, {run(12, 3, 0, 1, {{"Three", ""}})});
    PointTextCache::instance()->storePanelTexts(7, {run(12, 3, 0, 1, {{"Seven", ""}})});
    QCOMPARE(text(3, Loop3, 1), QStringLiteral("Three"));
    // Cached now: the file is not read again.
    QVERIFY(QFile::remove(PanelPointStringsFile(3).fileName()));
    QCOMPARE(text(7, Loop3, 1), QStringLiteral("Seven"));
    QCOMPARE(text(3, Loop3, 1), QStringLiteral("Three"));
    QCOMPARE(text(3, Loop3, 2), QString());
}

void tst_PointTextCache::secondLanguageOfAOneLanguagePageIsEmpty()
{
    PointTextCache::instance()->storePanelTexts(2, {run(12, 3, 0, 1, {{"Only one", ""}})});
    QCOMPARE(text(2, Loop3, 1, 1), QStringLiteral("Only one"));
    QCOMPARE(text(2, Loop3, 1, 2), QString());
    QCOMPARE(text(2, Loop3, 1, 7), QString());
}

// The cache keeps the names asked for first: a full cache drops the entry
// added just before the new one.
void tst_PointTextCache::fullCacheDropsTheEntryAddedLast()
{
    PointTextCache *cache = PointTextCache::instance();
    QVector<PanelPointNamesRecord> records;
    for (quint8 loop = 1; loop <= 17; ++loop)
        records.append(run(12, loop, 0, 1, namesFrom(1, loop < 17 ? 250 : 1, QStringLiteral("old"))));
    cache->storePanelTexts(1, records);
    cache->flush();
    cache->clear();
    QVector<QPair<ChannelAddress, quint8>> points;
    for (const PanelPointNamesRecord &record : qAsConst(records)) {
        for (int i = 0; i < record.pointCount; ++i)
            points.append({ChannelAddress(record.channelByte0, record.channelByte1), quint8(record.firstPoint + i)});
    }
    QCOMPARE(points.size(), PointTextCache::MaximumCachedTexts + 1);
    for (const auto &point : qAsConst(points))
        QVERIFY(text(1, point.first, point.second).startsWith(QLatin1String("old")));

    // The file changes behind the cache's back; only what is not cached is
    // read from it.
    PanelPointStringsContainer renamed;
    for (const auto &point : qAsConst(points))
        renamed.add(PointTextEntry{point.first, point.second, QStringLiteral("new"), QString()});
    QVERIFY(PanelPointStringsFile(1).writeContainer(renamed));
    cache->storePanelTexts(2, {});
    const int count = points.size();
    QCOMPARE(text(1, points.at(count - 1).first, points.at(count - 1).second), QStringLiteral("old 1"));
    QCOMPARE(text(1, points.at(count - 3).first, points.at(count - 3).second), QStringLiteral("old 249"));
    QCOMPARE(text(1, points.first().first, points.first().second), QStringLiteral("old 1"));
    QCOMPARE(text(1, points.at(count - 2).first, points.at(count - 2).second), QStringLiteral("new"));
}

void tst_PointTextCache::singleTextUpdateRewritesTheFile()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->updatePointText(11, Loop3, 9, QStringLiteral("Zweite"), 2);
    QCOMPARE(fileBytes(11), QByteArray("12;3;0;9;;Zweite;\n"));

    QCOMPARE(text(11, Loop3, 9, 2), QStringLiteral("Zweite"));
    cache->updatePointText(11, Loop3, 9, QStringLiteral("First"), 1);
    cache->updatePointText(11, Loop3, 10, QStringLiteral("Ten"), 1);
    QCOMPARE(fileBytes(11), QByteArray("12;3;0;9;First;Zweite;\n12;3;0;10;Ten;;\n"));
    // The cached entry of the point went with the update.
    QCOMPARE(text(11, Loop3, 9, 1), QStringLiteral("First"));
}

void tst_PointTextCache::clearOnePanelKeepsTheLoadedOther()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->storePanelTexts(7, {run(12, 3, 0, 1, {{"Seven", ""}})});
    cache->storePanelTexts(3, {run(12, 3, 0, 1, {{"Three", ""}})});
    QCOMPARE(text(3, Loop3, 1), QStringLiteral("Three"));
    cache->flush();
    cache->clearPanel(7);
    QVERIFY(!QDir(QStringLiteral("strings/7")).exists());
    QVERIFY(QFile::exists(QStringLiteral("strings/3/output_03.txt")));
    QVERIFY(QFile::remove(QStringLiteral("strings/3/output_03.txt")));
    // Read from the loaded panel, not from its (removed) file.
    QCOMPARE(text(3, Loop3, 1), QStringLiteral("Three"));
    QCOMPARE(text(7, Loop3, 1), QString());
}

void tst_PointTextCache::clearAllRemovesTheDirectory()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->storePanelTexts(7, {run(12, 3, 0, 1, {{"Seven", ""}})});
    cache->storePanelTexts(3, {run(12, 3, 0, 1, {{"Three", ""}})});
    QCOMPARE(text(7, Loop3, 1), QStringLiteral("Seven"));
    cache->clearPanel(255);
    QVERIFY(!QDir(QStringLiteral("strings")).exists());
    QCOMPARE(text(7, Loop3, 1), QString());
    QCOMPARE(text(3, Loop3, 1), QString());
}

void tst_PointTextCache::failedWriteKeepsTheNamesInMemory_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<bool>("blockerIsDirectory");
    QTest::addColumn<QString>("cause");

    QTest::newRow("file name taken by a directory")
        << PanelPointStringsFile(12).fileName() << true << QStringLiteral("Filename refers to a directory");
    QTest::newRow("strings directory taken by a file")
        << QDir::current().filePath(QStringLiteral("strings")) << false << qt_error_string(ENOTDIR);
}

// A file that cannot be written leaves the names in memory, with a warning
// that says why.
void tst_PointTextCache::failedWriteKeepsTheNamesInMemory()
{
    QFETCH(QString, blocker);
    QFETCH(bool, blockerIsDirectory);
    QFETCH(QString, cause);

    QFile blockingFile(blocker);
    QVERIFY(blockerIsDirectory ? QDir().mkpath(blocker) : blockingFile.open(QIODevice::WriteOnly));
    blockingFile.close();
    MessageCapture messages;
    PointTextCache::instance()->storePanelTexts(12, {run(12, 3, 0, 2, {{"Unwritten", ""}})});
    PointTextCache::instance()->flush();
    const QStringList warnings = messages.warnings().filter(QStringLiteral("PanelPointStringsFile::writeContainer"));
    QVERIFY2(!warnings.isEmpty() && warnings.first().contains(cause), qPrintable(warnings.join(QLatin1Char('\n'))));
    QCOMPARE(text(12, Loop3, 2), QStringLiteral("Unwritten"));
    if (!blockerIsDirectory)
        QVERIFY(blockingFile.remove());
}

// A synchronisation brings a panel's names one part per channel: the file
// is written once, with every part's names, when no part has come for a
// while, not once per part.
void tst_PointTextCache::partsAreWrittenOnceAfterAQuietTime()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->storePanelTexts(4, {run(12, 1, 0, 1, namesFrom(1, 2, "Loop 1"))});
    cache->storePanelTexts(4, {run(12, 2, 0, 1, namesFrom(1, 1, "Loop 2"))});
    QCOMPARE(bytesOnDisk(4), QByteArray("(no file)"));
    m_clock.advance(PointTextCache::QuietTimeMs - 1);
    QCOMPARE(bytesOnDisk(4), QByteArray("(no file)"));
    // Another part restarts the quiet time.
    cache->storePanelTexts(4, {run(12, 3, 0, 7, {{"Loop 3", "Schleife 3"}})});
    m_clock.advance(PointTextCache::QuietTimeMs - 1);
    QCOMPARE(bytesOnDisk(4), QByteArray("(no file)"));
    // Held in memory meanwhile.
    QCOMPARE(text(4, ChannelAddress(12, 3, 0), 7, 2), QStringLiteral("Schleife 3"));
    m_clock.advance(1);
    const QByteArray all(
        "12;1;0;1;Loop 1 1;;\n12;1;0;2;Loop 1 2;;\n12;2;0;1;Loop 2 1;;\n12;3;0;7;Loop 3;Schleife 3;\n");
    QCOMPARE(bytesOnDisk(4), all);

    // Written once: a file changed behind the cache's back stays as it is.
    writeFileBytes(4, "changed\n");
    m_clock.advance(10 * PointTextCache::QuietTimeMs);
    cache->flush();
    QCOMPARE(bytesOnDisk(4), QByteArray("changed\n"));
}

// Only one panel's names are held: before another panel's are read or
// stored, the held ones go to their file.
void tst_PointTextCache::anotherPanelsNamesWriteTheHeldOnesFirst()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->storePanelTexts(4, {run(12, 1, 0, 1, {{"Four", ""}})});
    cache->storePanelTexts(5, {run(12, 1, 0, 1, {{"Five", ""}})});
    QCOMPARE(bytesOnDisk(4), QByteArray("12;1;0;1;Four;;\n"));
    QCOMPARE(bytesOnDisk(5), QByteArray("(no file)"));
    QCOMPARE(text(6, ChannelAddress(12, 1, 0), 1), QString());
    QCOMPARE(bytesOnDisk(5), QByteArray("12;1;0;1;Five;;\n"));
    QCOMPARE(text(4, ChannelAddress(12, 1, 0), 1), QStringLiteral("Four"));
    QCOMPARE(text(5, ChannelAddress(12, 1, 0), 1), QStringLiteral("Five"));
}

// Names cleared before they were written leave no file behind.
void tst_PointTextCache::clearedPanelIsNotWrittenLater()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->storePanelTexts(4, {run(12, 1, 0, 1, {{"Four", ""}})});
    cache->clearPanel(4);
    m_clock.advance(PointTextCache::QuietTimeMs);
    cache->flush();
    QVERIFY(!QDir(PanelPointStringsFile::directoryPath(4)).exists());
}

// A screen asks for the name of an event's point on every names part of a
// synchronisation. When that point has no name, the answer is cached, so
// the held panel is not written and read back once per part; names for the
// point end that.
void tst_PointTextCache::missingNameIsCachedUntilItsNamesArrive()
{
    PointTextCache *cache = PointTextCache::instance();
    const ChannelAddress loop1(12, 1, 0);
    cache->storePanelTexts(4, {run(12, 1, 0, 1, {{"Four", ""}})});
    QCOMPARE(text(6, loop1, 9), QString());
    QCOMPARE(bytesOnDisk(4), QByteArray("12;1;0;1;Four;;\n"));

    cache->storePanelTexts(4, {run(12, 1, 0, 2, {{"Four two", ""}})});
    QCOMPARE(text(6, loop1, 9), QString());
    QCOMPARE(bytesOnDisk(4), QByteArray("12;1;0;1;Four;;\n"));

    cache->storePanelTexts(6, {run(12, 1, 0, 9, {{"Six nine", ""}})});
    QCOMPARE(text(6, loop1, 9), QStringLiteral("Six nine"));
    QCOMPARE(bytesOnDisk(4), QByteArray("12;1;0;1;Four;;\n12;1;0;2;Four two;;\n"));
}

// A name sent again in a later part replaces the one a screen has cached.
void tst_PointTextCache::namesArrivingReplaceCachedOnes()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->storePanelTexts(3, {run(12, 3, 0, 1, {{"Old", "Alt"}})});
    QCOMPARE(text(3, Loop3, 1), QStringLiteral("Old"));
    cache->storePanelTexts(3, {run(12, 3, 0, 1, {{"New", "Neu"}})});
    QCOMPARE(text(3, Loop3, 1), QStringLiteral("New"));
    QCOMPARE(text(3, Loop3, 1, 2), QStringLiteral("Neu"));
}

QTEST_GUILESS_MAIN(tst_PointTextCache)
#include "tst_pointtextcache.moc"
