#include "MessageCapture.h"
#include "StdoutCapture.h"
#include "core/DOMXMLParser.h"
#include "core/XmlElementTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

namespace {

const QString schemaFailure = QStringLiteral("Error in xml file: schemafile, but continuing.\n");

QString installed(const QString &fileName)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
}

// "name=value" for each entry, in the map's order.
QStringList entries(const QMap<QString, QString> &values)
{
    QStringList list;
    for (auto entry = values.cbegin(); entry != values.cend(); ++entry)
        list << entry.key() + QLatin1Char('=') + entry.value();
    return list;
}

// A document of the table's shape with every element present.
QByteArray everyElement(const XmlElementTables::Element *table, int size, const char *value)
{
    QByteArray xml = QByteArray("<") + table[0].name + ">";
    for (int i = 1; i < size; ++i)
        xml += QByteArray("<") + table[i].name + ">" + value + "</" + table[i].name + ">";
    return xml + "</" + table[0].name + ">";
}

} // namespace

class TestDOMXMLParser final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void loadFile_data();
    void loadFile();
    void schemasAcceptTheirElements_data();
    void schemasAcceptTheirElements();
    void save_writesSortedChildren();
    void save_failureReportsFalse();

private:
    QString write(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dir;
};

void TestDOMXMLParser::init()
{
    QVERIFY(m_dir.isValid());
}

QString TestDOMXMLParser::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void TestDOMXMLParser::loadFile_data()
{
    QTest::addColumn<QByteArray>("xml"); // null: no file
    QTest::addColumn<QString>("schema");
    QTest::addColumn<bool>("schemaFailure");
    QTest::addColumn<QStringList>("elements");

    const QString global = installed(QStringLiteral("globalconfigschema.xsd"));
    QTest::newRow("valid") << QByteArray("<globalConfig><firstLang>5</firstLang>"
                                         "<zoneFiltering>1</zoneFiltering></globalConfig>")
                           << global << false << QStringList{"firstLang=5", "zoneFiltering=1"};
    QTest::newRow("any order, with declaration")
        << QByteArray("<?xml version=\"1.0\"?>\n<globalConfig>\n <zoneFiltering>0</zoneFiltering>\n"
                      " <currentLang>2</currentLang>\n</globalConfig>\n")
        << global << false << QStringList{"currentLang=2", "zoneFiltering=0"};
    QTest::newRow("value out of range is still read")
        << QByteArray("<globalConfig><firstLang>50</firstLang></globalConfig>") << global << true
        << QStringList{"firstLang=50"};
    QTest::newRow("unknown element is still read")
        << QByteArray("<globalConfig><colour>red</colour><firstLang>3</firstLang></globalConfig>") << global << true
        << QStringList{"colour=red", "firstLang=3"};
    QTest::newRow("empty element") << QByteArray(
        "<globalConfig><firstLang></firstLang><secondLang>2</secondLang></globalConfig>")
                                   << global << true << QStringList{"firstLang=", "secondLang=2"};
    QTest::newRow("two roots side by side, the later wins")
        << QByteArray("<all><globalConfig><firstLang>1</firstLang><langUsage>3</langUsage></globalConfig>"
                      "<globalConfig><firstLang>2</firstLang></globalConfig></all>")
        << global << true << QStringList{"firstLang=2", "langUsage=3"};
    QTest::newRow("missing file") << QByteArray() << global << true << QStringList();
    QTest::newRow("empty file") << QByteArray("") << global << true << QStringList();
    QTest::newRow("garbage") << QByteArray("\x00\xff<globalConfig><<>>&&", 21) << global << true << QStringList();
    QTest::newRow("cut short") << QByteArray("<globalConfig><firstLang>5</firstLang><second") << global << true
                               << QStringList();
    QTest::newRow("missing schema") << QByteArray("<globalConfig><firstLang>5</firstLang></globalConfig>")
                                    << m_dir.filePath(QStringLiteral("none.xsd")) << true << QStringList{"firstLang=5"};
    QTest::newRow("garbage schema") << QByteArray("<globalConfig><firstLang>5</firstLang></globalConfig>")
                                    << write(QStringLiteral("bad.xsd"), "<xs:schema nonsense") << true
                                    << QStringList{"firstLang=5"};
    QTest::newRow("too large") << QByteArray("<globalConfig><firstLang>5</firstLang>")
                                      + QByteArray(DOMXMLParser::MaxFileSize, ' ') + QByteArray("</globalConfig>")
                               << global << true << QStringList();
}

void TestDOMXMLParser::loadFile()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, schema);
    QFETCH(bool, schemaFailure);
    QFETCH(QStringList, elements);

    const QString path =
        xml.isNull() ? m_dir.filePath(QStringLiteral("absent.xml")) : write(QStringLiteral("globalconfig.xml"), xml);
    MessageCapture messages;
    StdoutCapture output;
    DOMXMLParser parser;
    QVERIFY(parser.loadFile(path, schema));
    QCOMPARE(output.text().count(::schemaFailure), schemaFailure ? 1 : 0);
    if (schemaFailure && !xml.isEmpty())
        QVERIFY(!messages.warnings().isEmpty());

    QMap<QString, QString> values;
    parser.readElementMap(QStringLiteral("globalConfig"), values);
    QCOMPARE(entries(values), elements);
}

void TestDOMXMLParser::schemasAcceptTheirElements_data()
{
    QTest::addColumn<QString>("schema");
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("valid");

    using namespace XmlElementTables;
    const QString global = installed(QStringLiteral("globalconfigschema.xsd"));
    const QString tesk = installed(QStringLiteral("teskschema.xsd"));
    const QString service = installed(QStringLiteral("teskserviceschema.xsd"));
    QTest::newRow("global configuration")
        << global << everyElement(globalConfig, int(std::size(globalConfig)), "1") << true;
    QTest::newRow("engine configuration") << tesk << everyElement(teskConfig, int(std::size(teskConfig)), "1") << true;
    QTest::newRow("service configuration")
        << service << everyElement(serviceConfig, int(std::size(serviceConfig)), "1") << true;
    QTest::newRow("global configuration, unknown element")
        << global << QByteArray("<globalConfig><panelid>1</panelid></globalConfig>") << false;
    QTest::newRow("engine configuration, mode 4") << tesk << QByteArray("<tesk><mode>4</mode></tesk>") << false;
    QTest::newRow("engine configuration, bus address 16")
        << tesk << QByteArray("<tesk><rbus>16</rbus></tesk>") << false;
    QTest::newRow("service configuration, calibration")
        << service << QByteArray("<service><tscal>true</tscal><userid>7</userid></service>") << true;
    QTest::newRow("service configuration, wrong root")
        << service << QByteArray("<tesk><tscal>true</tscal></tesk>") << false;
    QTest::newRow("installed default") << global << QByteArray() << true;
}

void TestDOMXMLParser::schemasAcceptTheirElements()
{
    QFETCH(QString, schema);
    QFETCH(QByteArray, document);
    QFETCH(bool, valid);

    const QString path = document.isNull() ? installed(QStringLiteral("globalconfig.xml"))
                                           : write(QStringLiteral("document.xml"), document);
    StdoutCapture output;
    DOMXMLParser parser;
    parser.loadFile(path, schema);
    QCOMPARE(output.text().contains(schemaFailure), !valid);
}

void TestDOMXMLParser::save_writesSortedChildren()
{
    const QMap<QString, QString> defaults = {
        {"zoneFiltering", "0"},   {"firstSecondFire", "0"},  {"logicalZones", "0"}, {"logicalAddr", "0"},
        {"currentLang", "1"},     {"firstLang", "0"},        {"secondLang", "0"},   {"langUsage", "129"},
        {"firstCodepage", "850"}, {"secondCodepage", "850"},
    };
    const QString path = m_dir.filePath(QStringLiteral("saved.xml"));
    DOMXMLParser writer(path);
    writer.buildDocument(defaults, QStringLiteral("globalConfig"));
    QVERIFY(writer.save());

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY(bytes.startsWith("<globalConfig>\n <currentLang>1</currentLang>\n"));
    QVERIFY(bytes.endsWith(" <zoneFiltering>0</zoneFiltering>\n</globalConfig>\n"));
    // The installed default is exactly what the engine writes for its defaults.
    QFile installedDefault(installed(QStringLiteral("globalconfig.xml")));
    QVERIFY(installedDefault.open(QIODevice::ReadOnly));
    QCOMPARE(bytes, installedDefault.readAll());

    // Building again replaces the document.
    writer.buildDocument({{"firstLang", "4"}}, QStringLiteral("globalConfig"));
    QVERIFY(writer.save());
    DOMXMLParser reader;
    StdoutCapture output;
    reader.loadFile(path, installed(QStringLiteral("globalconfigschema.xsd")));
    QVERIFY(!output.text().contains(schemaFailure));
    QMap<QString, QString> values;
    reader.readElementMap(QStringLiteral("globalConfig"), values);
    QCOMPARE(entries(values), QStringList{"firstLang=4"});
}

void TestDOMXMLParser::save_failureReportsFalse()
{
    const QString path = m_dir.filePath(QStringLiteral("missing/dir/saved.xml"));
    MessageCapture messages;
    DOMXMLParser writer(path);
    writer.buildDocument({{"firstLang", "4"}}, QStringLiteral("globalConfig"));
    QVERIFY(!writer.save());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(messages.warnings().size(), 1);
    QVERIFY2(messages.warnings().first().contains(qt_error_string(ENOENT)), qPrintable(messages.warnings().first()));
}

QTEST_GUILESS_MAIN(TestDOMXMLParser)
#include "tst_domxmlparser.moc"
