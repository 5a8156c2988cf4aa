#include "MessageCapture.h"
#include "paneldata/PanelPointStringsFile.h"
#include "paneldata/PointTextCache.h"
#include "paneldata/PointTextLineCodec.h"
#include "paneldata/PointTextLines.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString written(const PanelPointNamesRecord &run)
{
    QString text;
    QTextStream stream(&text);
    stream << run;
    stream.flush();
    return text;
}

QString written(const PanelPointStringsContainer &texts)
{
    QString text;
    QTextStream stream(&text);
    stream << texts;
    stream.flush();
    return text;
}

PanelPointStringsContainer readBack(QString text)
{
    PanelPointStringsContainer texts;
    QTextStream stream(&text);
    stream >> texts;
    return texts;
}

PointTextEntry entry(quint8 kind, quint8 address, quint8 number, quint8 point, const QString &first,
                     const QString &second)
{
    PointTextEntry made;
    made.channel = ChannelAddress(kind, address, number);
    made.point = point;
    made.firstText = first;
    made.secondText = second;
    return made;
}

void writeFile(quint8 panel, const PanelPointStringsContainer &texts)
{
    QVERIFY(QDir().mkpath(PanelPointStringsFile::directoryPath(panel)));
    PanelPointStringsFile file(panel);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream << texts;
}

} // namespace

class TestPointTextLines final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void run_writesOneLinePerPoint();
    void run_neverWritesAWrappedPointNumber();
    void readBack_givesEveryEntry();
    void emptyText_givesEmptyStore();
    void texts_readBackIntact_data();
    void texts_readBackIntact();
    void plainTexts_areWrittenAsTheyAre();
    void unknownEscape_isKeptAsItStands();
    void damagedLines_areSkippedWithOneWarning_data();
    void damagedLines_areSkippedWithOneWarning();
    void samePointTwice_keepsTheFirst();
    void containerOrder_isKept();

    void cache_readsThePanelsFile();
    void cache_panelWithoutFile_keepsLoadedPanel();
    void cache_clearPanel_removesFiles();
    void cache_defaultTexts();
    void file_namesAndDirectories_data();
    void file_namesAndDirectories();

private:
    QTemporaryDir m_dataDirectory;
};

void TestPointTextLines::initTestCase()
{
    QVERIFY(m_dataDirectory.isValid());
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
}

void TestPointTextLines::init()
{
    PointTextCache::instance()->clearPanel(255);
}

void TestPointTextLines::run_writesOneLinePerPoint()
{
    PanelPointNamesRecord run;
    run.channelByte0 = 0x2C;
    run.channelByte1 = 3;
    run.firstPoint = 10;
    run.pointCount = 2;
    run.texts = {{"A", "B"}, {"C", ""}};
    QCOMPARE(written(run), QStringLiteral("12;3;2;10;A;B;\n12;3;2;11;C;;\n"));
}

void TestPointTextLines::run_neverWritesAWrappedPointNumber()
{
    PanelPointNamesRecord run;
    run.channelByte0 = 0x0C;
    run.channelByte1 = 1;
    run.firstPoint = 254;
    run.pointCount = 4;
    run.texts = {{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}};
    MessageCapture capture;
    QCOMPARE(written(run), QStringLiteral("12;1;0;254;a;;\n12;1;0;255;b;;\n"));
    QCOMPARE(capture.warnings().size(), 1);
}

void TestPointTextLines::readBack_givesEveryEntry()
{
    const PanelPointStringsContainer texts = readBack(QStringLiteral("12;3;2;10;A;B;\n12;3;2;11;C;;\n"));
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts.entries().at(0), entry(12, 3, 2, 10, "A", "B"));
    QCOMPARE(texts.entries().at(1), entry(12, 3, 2, 11, "C", ""));
    const PointTextEntry *found = texts.find(ChannelAddress(12, 3, 2), 11);
    QVERIFY(found);
    QCOMPARE(found->firstText, QStringLiteral("C"));
    QVERIFY(found->secondText.isEmpty());
    QVERIFY(!texts.find(ChannelAddress(12, 3, 0), 11));
}

void TestPointTextLines::emptyText_givesEmptyStore()
{
    MessageCapture capture;
    QCOMPARE(readBack(QString()).size(), 0);
    QVERIFY(capture.warnings().isEmpty());
}

void TestPointTextLines::texts_readBackIntact_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("plain") << "Entrance hall"
                           << "Eingangshalle";
    QTest::newRow("semicolon") << "Stair; level 2"
                               << ";";
    QTest::newRow("line feed") << "Plant\nroom"
                               << "\n\n";
    QTest::newRow("carriage return") << "Plant\r\nroom"
                                     << "\r";
    QTest::newRow("escape character") << "C:\\temp\\n"
                                      << "\\";
    QTest::newRow("escape before semicolon") << "\\;"
                                             << "\\s";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Küche ☃") << QString::fromUtf8("厨房");
    QTest::newRow("empty") << ""
                           << "";
}

void TestPointTextLines::texts_readBackIntact()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    PanelPointStringsContainer texts;
    texts.add(entry(12, 4, 0, 7, first, second));
    texts.add(entry(0, 1, 5, 8, second, first));
    const QString text = written(texts);
    QCOMPARE(text.count(QLatin1Char('\n')), 2);
    const PanelPointStringsContainer back = readBack(text);
    QCOMPARE(back.entries(), texts.entries());
}

void TestPointTextLines::plainTexts_areWrittenAsTheyAre()
{
    QCOMPARE(PointTextLineCodec::encode(entry(12, 3, 0, 17, "A", "B")), QStringLiteral("12;3;0;17;A;B;"));
    QCOMPARE(PointTextLineCodec::escape(QStringLiteral("a;b\\c\nd\re")), QStringLiteral("a\\sb\\\\c\\nd\\re"));
}

void TestPointTextLines::unknownEscape_isKeptAsItStands()
{
    QCOMPARE(PointTextLineCodec::unescape(QStringLiteral("a\\qb\\")), QStringLiteral("a\\qb\\"));
}

void TestPointTextLines::damagedLines_areSkippedWithOneWarning_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kept");
    QTest::newRow("five fields") << "12;3;0;17;A\n12;3;0;18;B;C;\n" << 1;
    QTest::newRow("empty line") << "\n12;3;0;18;B;C;\n" << 1;
    QTest::newRow("kind beyond its nibble") << "16;3;0;17;A;B;\n" << 0;
    QTest::newRow("number beyond its nibble") << "12;3;16;17;A;B;\n" << 0;
    QTest::newRow("point beyond a byte") << "12;3;0;256;A;B;\n" << 0;
    QTest::newRow("truncated last line") << "12;3;0;17;A;B;\n12;3" << 1;
}

void TestPointTextLines::damagedLines_areSkippedWithOneWarning()
{
    QFETCH(QString, text);
    QFETCH(int, kept);
    MessageCapture capture;
    QCOMPARE(readBack(text).size(), kept);
    QCOMPARE(capture.warnings().size(), 1);
}

void TestPointTextLines::samePointTwice_keepsTheFirst()
{
    const PanelPointStringsContainer texts = readBack(QStringLiteral("12;3;0;17;first;;\n12;3;0;17;second;;\n"));
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts.find(ChannelAddress(12, 3, 0), 17)->firstText, QStringLiteral("first"));
}

void TestPointTextLines::containerOrder_isKept()
{
    const QString text = QStringLiteral("12;9;0;1;x;;\n0;1;0;200;y;;\n12;2;0;5;z;;\n");
    QCOMPARE(written(readBack(text)), text);
}

void TestPointTextLines::cache_readsThePanelsFile()
{
    PanelPointStringsContainer texts;
    texts.add(entry(12, 3, 0, 17, "Door; east", "Tür"));
    writeFile(5, texts);

    PointTextCache *cache = PointTextCache::instance();
    QCOMPARE(cache->pointText(5, ChannelAddress(12, 3, 0), 17, 1), QStringLiteral("Door; east"));
    QCOMPARE(cache->pointText(5, ChannelAddress(12, 3, 0), 17, 2), QStringLiteral("Tür"));
    QVERIFY(cache->pointText(5, ChannelAddress(12, 3, 0), 18, 1).isEmpty());
    QVERIFY(cache->pointText(6, ChannelAddress(12, 3, 0), 17, 1).isEmpty());
}

void TestPointTextLines::cache_panelWithoutFile_keepsLoadedPanel()
{
    PanelPointStringsContainer texts;
    texts.add(entry(12, 3, 0, 17, "kept", ""));
    writeFile(5, texts);
    PointTextCache *cache = PointTextCache::instance();
    QCOMPARE(cache->pointText(5, ChannelAddress(12, 3, 0), 17, 1), QStringLiteral("kept"));
    // Deleting the file behind the cache's back shows whether it is read again.
    QVERIFY(PanelPointStringsFile(5).remove());
    QVERIFY(cache->pointText(7, ChannelAddress(12, 3, 0), 17, 1).isEmpty());
    QCOMPARE(cache->pointText(5, ChannelAddress(12, 3, 0), 17, 1), QStringLiteral("kept"));
}

void TestPointTextLines::cache_clearPanel_removesFiles()
{
    PanelPointStringsContainer texts;
    texts.add(entry(12, 3, 0, 17, "three", ""));
    writeFile(3, texts);
    writeFile(7, texts);
    PointTextCache *cache = PointTextCache::instance();
    QCOMPARE(cache->pointText(3, ChannelAddress(12, 3, 0), 17, 1), QStringLiteral("three"));

    cache->clearPanel(7);
    QVERIFY(!QDir(PanelPointStringsFile::directoryPath(7)).exists());
    QVERIFY(PanelPointStringsFile(3).exists());
    QVERIFY(PanelPointStringsFile(3).remove());
    QCOMPARE(cache->pointText(3, ChannelAddress(12, 3, 0), 17, 1), QStringLiteral("three"));

    writeFile(3, texts);
    cache->clearPanel(255);
    QVERIFY(!QDir(QStringLiteral("strings")).exists());
    QVERIFY(cache->pointText(3, ChannelAddress(12, 3, 0), 17, 1).isEmpty());
}

void TestPointTextLines::cache_defaultTexts()
{
    PointTextCache *cache = PointTextCache::instance();
    cache->setDefaultTexts(QStringLiteral("No name"), QStringLiteral("Kein Name"));
    QCOMPARE(cache->defaultText(1), QStringLiteral("No name"));
    QCOMPARE(cache->defaultText(2), QStringLiteral("Kein Name"));
    QCOMPARE(cache->defaultText(0), QStringLiteral("Kein Name"));
}

void TestPointTextLines::file_namesAndDirectories_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("path");
    QTest::newRow("5") << 5 << "strings/5/output_05.txt";
    QTest::newRow("12") << 12 << "strings/12/output_12.txt";
    QTest::newRow("100") << 100 << "strings/100/output_100.txt";
    QTest::newRow("254") << 254 << "strings/254/output_254.txt";
}

void TestPointTextLines::file_namesAndDirectories()
{
    QFETCH(int, panel);
    QFETCH(QString, path);
    QCOMPARE(QDir::current().relativeFilePath(PanelPointStringsFile(quint8(panel)).fileName()), path);
}

QTEST_GUILESS_MAIN(TestPointTextLines)
#include "tst_pointtextlines.moc"
