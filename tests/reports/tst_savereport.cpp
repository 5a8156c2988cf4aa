#include "FileSizeLimit.h"
#include "NamedChild.h"
#include "ReportRig.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "paneldata/PanelConfiguration.h"
#include "reports/PrintableModel.h"
#include "reports/ReportEnvironment.h"
#include "reports/SaveReport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <unistd.h>

namespace {

constexpr int NameRole = 58;
constexpr int ZoneRole = 59;

// Two columns whose widest texts are 5 and 12 characters, a child row, a
// value with a double quote and a value that is a list of strings; then a
// titled list without rows.
QList<QSharedPointer<PrintableModel>> fixtureModels()
{
    const QList<FixtureRow> rows{
        {{{NameRole, QStringLiteral(" ab ")}, {ZoneRole, QStringLiteral("Main hallway")}},
         {{{{NameRole, QStringLiteral("kid")}, {ZoneRole, QStringLiteral("a\"b")}}, {}}}},
        {{{NameRole, QStringLiteral("Hello")}, {ZoneRole, QStringList{QStringLiteral(" x "), QStringLiteral("y ")}}},
         {}},
    };
    auto zones = printable(fixtureModel(rows, {NameRole, ZoneRole}), QStringLiteral("Zones"), {NameRole, ZoneRole});
    auto empty = printable(fixtureModel({}, {NameRole, ZoneRole}), QStringLiteral("Empty list"), {NameRole, ZoneRole});
    for (const auto &model : {zones, empty}) {
        model->setRoleTitle(NameRole, QStringLiteral(" Name "));
        model->setRoleTitle(ZoneRole, QStringLiteral("Zone"));
    }
    return {zones, empty};
}

QByteArray crlf(const QString &lines)
{
    return QString(lines).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8();
}

const QByteArray Bom("\xEF\xBB\xBF");

} // namespace

// The report writer's text and CSV files, the choice of their names, its
// failures, its progress and the ways a save ends.
class tst_SaveReport : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<ReportRig> m_rig;

    void useFormat(int format)
    {
        m_rig.reset();
        m_rig = std::make_unique<ReportRig>(window(), format);
    }

private slots:
    void init() { useFormat(PanelConfiguration::Text); }
    void cleanup() { m_rig.reset(); }

    void bytes_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("expected");
        const QString header = QStringLiteral("Zone list \n"
                                              "Panel 1 \n"
                                              "Site                 North\n"
                                              "Report generated at: Wed 07-Aug-24 13:46:09\n");
        const QString rule = QStringLiteral("---------------------------\n");
        QTest::newRow("text") << int(PanelConfiguration::Text) << "txt"
                              << Bom
                                     + crlf(header + "\nZones\n" + rule + "NAME  | ZONE         | \n" + rule
                                            + "ab    | Main hallway | \n"
                                              "    kid   | a\"b          | \n"
                                              "Hello | x y          | \n"
                                              "\nEmpty list\n"
                                            + rule + "NAME | ZONE | \n" + rule + "End of report\n");
        const QString wideRule = QStringLiteral("-------------------------\n");
        QTest::newRow("text with whitespace")
            << int(PanelConfiguration::TextWithWhiteSpace) << "txt"
            << Bom
                   + crlf(header + "\nZones\n" + wideRule + "NAME , ZONE        , \n" + wideRule
                          + "ab   , Main hallway, \n"
                            "    kid  , a\"b         , \n"
                            "Hello, x y         , \n"
                            "\nEmpty list\n"
                          + wideRule + "NAME, ZONE, \n" + wideRule + "End of report\n");
        QTest::newRow("csv") << int(PanelConfiguration::Csv) << "csv"
                             << Bom
                                    + crlf(QStringLiteral("\"Zone list \"\n"
                                                          "\"Panel 1 \"\n"
                                                          "\"Site North\"\n"
                                                          "\"Report generated at: Wed 07-Aug-24 13:46:09\"\n"
                                                          "\"Zones\"\n"
                                                          "\"NAME\",\"ZONE\"\n"
                                                          "\"ab\",\"Main hallway\"\n"
                                                          "\"kid\",\"a\\\"b\"\n"
                                                          "\"Hello\",\"x y\"\n"
                                                          "\"Empty list\"\n"
                                                          "\"NAME\",\"ZONE\"\n"
                                                          "\"End of report\"\n"));
    }

    void bytes()
    {
        QFETCH(int, format);
        QFETCH(QString, extension);
        QFETCH(QByteArray, expected);
        useFormat(format);
        m_rig->run(m_rig->report(fixtureModels()));
        const QString name = ReportRig::baseName() + "_0." + extension;
        QCOMPARE(m_rig->results, QStringList{"success ../USB/" + name});
        QCOMPARE(ReportRig::usbFiles(), QStringList{name});
        QCOMPARE(ReportRig::readUsbFile(name), expected);
    }

    // One column prints its text alone; the single-blank separator of the
    // system review replaces the format's.
    void oneColumnAndPlainSeparator()
    {
        auto list = printable(columnModel({QStringLiteral("only")}), QString(), {NameRole}, false);
        auto pair = printable(fixtureModel({{{{NameRole, QStringLiteral("a")}, {ZoneRole, QStringLiteral("bc")}}, {}}},
                                           {NameRole, ZoneRole}),
                              QString(), {NameRole, ZoneRole}, false);
        QPointer<SaveReport> save =
            new SaveReport(QStringLiteral("SR"), QStringLiteral("Review"), list, {}, nullptr, true);
        save->addModel(pair);
        m_rig->run(save);
        const QByteArray bytes = ReportRig::readUsbFile(QStringLiteral("SR20240807134609_0.txt"));
        QVERIFY(bytes.contains("\r\nonly\r\na bc \r\nEnd of report\r\n"));
    }

    // A list without a title row continues the section before it; the next
    // titled list is headed by its own title.
    void sectionTitles()
    {
        auto first = printable(columnModel({QStringLiteral("a1")}), QStringLiteral("First"), {NameRole});
        auto untitled = printable(columnModel({QStringLiteral("b1")}), QStringLiteral("Second"), {NameRole}, false);
        auto third = printable(columnModel({QStringLiteral("c1")}), QStringLiteral("Third"), {NameRole});
        for (const auto &model : {first, third})
            model->setRoleTitle(NameRole, QStringLiteral("Name"));
        m_rig->run(m_rig->report({first, untitled, third}));
        const QByteArray bytes = ReportRig::readUsbFile(ReportRig::baseName() + "_0.txt");
        QVERIFY(bytes.contains("\r\nFirst\r\n-------\r\nNAME\r\n-------\r\na1\r\nb1\r\n\r\nThird\r\n"));
        QVERIFY(!bytes.contains("Second"));
    }

    // A report whose lists give no row at all still ends, with its header,
    // the no-records line and the end line.
    void reportWithoutRows_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("text") << int(PanelConfiguration::Text) << "txt"
                              << QByteArray("13:46:09\r\nNo records to print\r\nEnd of report\r\n");
        QTest::newRow("csv") << int(PanelConfiguration::Csv) << "csv"
                             << QByteArray("13:46:09\"\r\n\"No records to print\"\r\n\"End of report\"\r\n");
    }

    void reportWithoutRows()
    {
        QFETCH(int, format);
        QFETCH(QString, extension);
        QFETCH(QByteArray, tail);
        useFormat(format);
        m_rig->run(
            m_rig->report({printable(fixtureModel({}, {NameRole}), QStringLiteral("Nothing"), {NameRole}, false)}));
        const QString name = ReportRig::baseName() + "_0." + extension;
        QCOMPARE(m_rig->results, QStringList{"success ../USB/" + name});
        QVERIFY(ReportRig::readUsbFile(name).endsWith(tail));
    }

    void names_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("result");
        const QString base = ReportRig::baseName();
        QTest::newRow("first") << QStringList{} << "success ../USB/" + base + "_0.txt";
        QTest::newRow("after five") << QStringList{base + "_0.txt", base + "_1.txt", base + "_2.txt", base + "_3.txt",
                                                   base + "_4.txt"}
                                    << "success ../USB/" + base + "_5.txt";
        QTest::newRow("any letter case") << QStringList{QStringLiteral("wt20240807134609_0.TXT")}
                                         << "success ../USB/" + base + "_1.txt";
        QTest::newRow("gap") << QStringList{base + "_0.txt", base + "_2.txt"} << "success ../USB/" + base + "_1.txt";
        QTest::newRow("other extension") << QStringList{base + "_0.pdf"} << "success ../USB/" + base + "_0.txt";
        QStringList all;
        for (int number = 0; number < 10; ++number)
            all << QStringLiteral("%1_%2.txt").arg(base).arg(number);
        QTest::newRow("all ten taken") << all << "failure 5";
    }

    void names()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, result);
        for (const QString &name : present) {
            QFile file(QDir(ReportRig::usbDirectory()).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        m_rig->run(m_rig->report(fixtureModels()));
        QCOMPARE(m_rig->results, QStringList{result});
        // A failed choice adds no file.
        QCOMPARE(ReportRig::usbFiles().size(), present.size() + (result.startsWith("success") ? 1 : 0));
    }

    // Two saves started in the same second each take a name of their own.
    void twoSavesInOneSecond()
    {
        QPointer<SaveReport> first = m_rig->report(fixtureModels());
        QPointer<SaveReport> second = m_rig->report(fixtureModels());
        first->start();
        second->start();
        m_rig->runUntilGone({first, second});
        const QString base = ReportRig::baseName();
        QCOMPARE(ReportRig::usbFiles(), (QStringList{base + "_0.txt", base + "_1.txt"}));
        QCOMPARE(ReportRig::readUsbFile(base + "_0.txt"), ReportRig::readUsbFile(base + "_1.txt"));
    }

    void directoryFailures_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("usb");
        QTest::addColumn<int>("failure");
        QTest::newRow("prefix with a separator") << "W/T"
                                                 << "folder" << 1;
        QTest::newRow("no USB folder") << "WT"
                                       << "missing" << 3;
        QTest::newRow("USB is a file") << "WT"
                                       << "file" << 3;
        QTest::newRow("read-only USB folder") << "WT"
                                              << "read-only" << 4;
    }

    void directoryFailures()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, usb);
        QFETCH(int, failure);
        const QString directory = ReportRig::usbDirectory();
        if (usb != QLatin1String("folder"))
            QVERIFY(QDir(directory).removeRecursively());
        if (usb == QLatin1String("file")) {
            QFile file(directory);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        if (usb == QLatin1String("read-only")) {
            if (geteuid() == 0) {
                QTest::qSkip("root writes into a read-only folder all the same", __FILE__, __LINE__);
                return;
            }
            QVERIFY(QDir().mkpath(directory));
            QVERIFY(QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner));
        }
        m_rig->run(m_rig->report(fixtureModels(), prefix));
        QCOMPARE(m_rig->results, QStringList{QStringLiteral("failure %1").arg(failure)});
        if (QFileInfo(directory).isDir())
            QCOMPARE(ReportRig::usbFiles(), QStringList());
    }

    // A disk that fills half-way through the save fails it, and neither the
    // report nor its partial content stays.
    void writeFailsHalfWay_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("text") << int(PanelConfiguration::Text);
        QTest::newRow("csv") << int(PanelConfiguration::Csv);
    }

    void writeFailsHalfWay()
    {
        QFETCH(int, format);
        useFormat(format);
        QStringList texts;
        for (int row = 0; row < 3000; ++row)
            texts << QStringLiteral("Detector %1 in the plant room").arg(row);
        {
            const FileSizeLimit limit(32 * 1024);
            m_rig->run(m_rig->report({printable(columnModel(texts), QString(), {NameRole})}));
        }
        QCOMPARE(m_rig->results, QStringList{QStringLiteral("failure 8")});
        QCOMPARE(ReportRig::usbFiles(), QStringList());
    }

    // 250 rows are collected 100 at a time; the layout and the writing
    // follow, each from 0.
    void progress()
    {
        QStringList texts;
        for (int row = 0; row < 250; ++row)
            texts << QString::number(row);
        SaveReport *save = m_rig->report({printable(columnModel(texts), QString(), {NameRole}, false)});
        QStringList seen;
        connect(save, &SaveReport::updateStage, this,
                [&seen](AUK_40048::eSaveStage stage) { seen << QStringLiteral("stage %1").arg(stage); });
        connect(save, &SaveReport::saveProgress, this, [&seen](int percent) { seen << QString::number(percent); });
        m_rig->run(save);
        QCOMPARE(seen, (QStringList{"stage 0", "0", "40", "80", "100", "stage 1", "0", "20", "40", "60", "80", "100",
                                    "stage 2", "0"}));
        QCOMPARE(m_rig->results.size(), 1);
    }

    // Text reports write 500 rows a step: the percentage follows each chunk.
    void writingProgress()
    {
        QStringList texts;
        for (int row = 0; row < 1200; ++row)
            texts << QString::number(row);
        SaveReport *save = m_rig->report({printable(columnModel(texts), QString(), {NameRole}, false)});
        QList<int> writing;
        bool inWriting = false;
        connect(save, &SaveReport::updateStage, this,
                [&inWriting](AUK_40048::eSaveStage stage) { inWriting = stage == AUK_40048::WritingFile; });
        connect(save, &SaveReport::saveProgress, this, [&](int percent) {
            if (inWriting)
                writing << percent;
        });
        m_rig->run(save);
        QCOMPARE(writing, (QList<int>{0, 41, 83}));
    }

    // The user cancels while the file is written: the partial file goes and
    // no result is shown.
    void cancelWhileWriting_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("text") << int(PanelConfiguration::Text);
        QTest::newRow("csv") << int(PanelConfiguration::Csv);
        QTest::newRow("pdf") << int(PanelConfiguration::Pdf);
    }

    void cancelWhileWriting()
    {
        QFETCH(int, format);
        useFormat(format);
        QStringList texts;
        for (int row = 0; row < 2500; ++row)
            texts << QString::number(row);
        SaveReport *save = m_rig->report({printable(columnModel(texts), QString(), {NameRole})});
        bool cancelled = false;
        connect(save, &SaveReport::saveProgress, this, [&](int percent) {
            auto *popup = PageStack::instance()->findChild<AUK_40048 *>();
            if (percent > 0 && !cancelled && popup
                && namedChild<QLabel>(popup, "middleLabel")->text() == "Saving report") {
                cancelled = true;
                emit popup->rightButtonClicked();
            }
        });
        m_rig->run(save);
        QVERIFY(cancelled);
        QCOMPARE(m_rig->results, QStringList());
        QCOMPARE(ReportRig::usbFiles(), QStringList());
        QCOMPARE(PageStack::instance()->pageNames(), QStringList{QStringLiteral("AUK_90001A")});
    }

    // Cancelled while the rows are collected: nothing is written.
    void cancelWhileCollecting()
    {
        QStringList texts;
        for (int row = 0; row < 250; ++row)
            texts << QString::number(row);
        SaveReport *save = m_rig->report({printable(columnModel(texts), QString(), {NameRole})});
        connect(save, &SaveReport::saveProgress, save, [save](int percent) {
            if (percent == 40)
                save->cancel();
        });
        QSignalSpy stages(save, &SaveReport::updateStage);
        m_rig->run(save);
        QCOMPARE(stages.count(), 1);
        QCOMPARE(m_rig->results, QStringList());
        QCOMPARE(ReportRig::usbFiles(), QStringList());
    }

    // The progress popup follows the save and shows its result; another
    // page on top gets a result popup of its own.
    void resultPopup_data()
    {
        QTest::addColumn<bool>("pageOnTop");
        QTest::addColumn<QStringList>("pages");
        const QString base = QStringLiteral("AUK_90001A");
        const QString popup = QStringLiteral("AUK_40048");
        QTest::newRow("popup on top") << false << QStringList{base, popup};
        QTest::newRow("another page on top") << true << QStringList{base, popup, base, popup};
    }

    void resultPopup()
    {
        QFETCH(bool, pageOnTop);
        QFETCH(QStringList, pages);
        SaveReport *save = m_rig->report(fixtureModels());
        if (pageOnTop) {
            connect(save, &SaveReport::updateStage, this, [](AUK_40048::eSaveStage stage) {
                if (stage == AUK_40048::WritingFile)
                    PageStack::instance()->push(new AUK_90001A);
            });
        }
        m_rig->run(save);
        QCOMPARE(PageStack::instance()->pageNames(), pages);
        const QString path = "../USB/" + ReportRig::baseName() + "_0.txt";
        QCOMPARE(m_rig->results, pageOnTop ? QStringList() : QStringList{"success " + path});
        const QList<AUK_40048 *> popups = PageStack::instance()->findChildren<AUK_40048 *>();
        AUK_40048 *result = popups.last();
        QVERIFY(PageStack::instance()->isTop(result));
        QCOMPARE(result->title(), QStringLiteral("Save"));
        QCOMPARE(namedChild<QLabel>(result, "bottomLabel")->text(), path);
        QVERIFY(result->leftButtonVisible());
        QVERIFY(!result->rightButtonVisible());
    }

    // Without a page stack to show it on, a save does not begin.
    void noEnvironment()
    {
        ReportEnvironment::install(nullptr);
        QPointer<SaveReport> save = m_rig->report(fixtureModels());
        m_rig->run(save);
        QVERIFY(save.isNull());
        QCOMPARE(ReportRig::usbFiles(), QStringList());
    }
};

QTEST_MAIN(tst_SaveReport)
#include "tst_savereport.moc"
