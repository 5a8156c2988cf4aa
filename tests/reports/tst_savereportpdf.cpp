#include "ReportRig.h"
#include "WidgetTest.h"
#include "app/SystemState.h"
#include "paneldata/PanelConfiguration.h"
#include "reports/PrintableModel.h"
#include "reports/SaveReport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

constexpr int NameRole = 58;
// The rig's header takes 4 lines; a page's number, its blank, a section
// title and a framed title row 6 more.
constexpr int PortraitRows = 82 - 4 - 6;
constexpr int LandscapeRows = 55 - 4 - 6;
constexpr double PointsPerMm = 72 / 25.4;

QString pdfPath()
{
    return QDir(ReportRig::usbDirectory()).filePath(ReportRig::baseName() + "_0.pdf");
}

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfInfo(const QString &key)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdfPath()});
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

// The text of each page, as a reader copies it out of the file.
QStringList pdfPages()
{
    QStringList pages =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath(), QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Rows that name themselves ("row 007"), filled to the width asked.
QStringList numberedRows(int count, int width, const QString &prefix = QStringLiteral("row"))
{
    QStringList rows;
    for (int row = 1; row <= count; ++row)
        rows << QStringLiteral("%1 %2 ").arg(prefix).arg(row, 3, 10, QLatin1Char('0')).leftJustified(width, 'x');
    return rows;
}

QString rowName(int row, const QString &prefix = QStringLiteral("row"))
{
    return QStringLiteral("%1 %2 ").arg(prefix).arg(row, 3, 10, QLatin1Char('0'));
}

QString pagesProblems(const QStringList &pages)
{
    QStringList problems;
    for (int page = 0; page < pages.size(); ++page) {
        if (!pages.at(page).contains(QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages.size())))
            problems << QStringLiteral("page %1 lacks its number").arg(page + 1);
    }
    return problems.join(QLatin1Char('\n'));
}

} // namespace

// PDF reports read back as a reader sees them: the paper, the signature,
// the page numbers, the sections and what each page holds.
class tst_SaveReportPdf : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<ReportRig> m_rig;

private slots:
    void init() { m_rig = std::make_unique<ReportRig>(window(), PanelConfiguration::Pdf); }
    void cleanup()
    {
        m_rig.reset();
        SystemState::instance()->setBrand(0);
    }

    void paper_data()
    {
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<double>("widthMm");
        QTest::addColumn<double>("heightMm");
        QTest::addColumn<int>("rowsPerPage");
        QTest::newRow("108 upright") << 108 << 210.0 << 297.0 << PortraitRows;
        QTest::newRow("109 across") << 109 << 297.0 << 210.0 << LandscapeRows;
        QTest::newRow("159 across") << 159 << 297.0 << 210.0 << LandscapeRows;
        QTest::newRow("200 long paper") << 200 << 367.43 << 210.0 << LandscapeRows;
    }

    // A line of one column is its text and the separator wide; every row
    // of every page reaches the file.
    void paper()
    {
        QFETCH(int, lineWidth);
        QFETCH(double, widthMm);
        QFETCH(double, heightMm);
        QFETCH(int, rowsPerPage);
        const int rows = 2 * rowsPerPage + 5;
        m_rig->run(
            m_rig->report({printable(columnModel(numberedRows(rows, lineWidth - 3)), QString(), {NameRole}, false)}));
        QCOMPARE(m_rig->results, QStringList{"success ../USB/" + ReportRig::baseName() + "_0.pdf"});
        const QRegularExpression size(QStringLiteral("^([\\d.]+) x ([\\d.]+) pts"));
        const QRegularExpressionMatch match = size.match(pdfInfo(QStringLiteral("Page size")));
        QVERIFY2(match.hasMatch(), qPrintable(pdfInfo(QStringLiteral("Page size"))));
        // The file gives its page in whole points.
        QVERIFY(qAbs(match.captured(1).toDouble() - widthMm * PointsPerMm) <= 1);
        QVERIFY(qAbs(match.captured(2).toDouble() - heightMm * PointsPerMm) <= 1);
        const QStringList pages = pdfPages();
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pdfInfo(QStringLiteral("Pages")), QStringLiteral("3"));
        QCOMPARE(pagesProblems(pages), QString());
        QVERIFY(pages.at(0).contains(rowName(rowsPerPage)));
        QVERIFY(pages.at(1).contains(rowName(rowsPerPage + 1)));
        QVERIFY(pages.at(1).contains(rowName(2 * rowsPerPage)));
        QVERIFY(pages.at(2).contains(rowName(rows)));
        QVERIFY(pages.at(2).contains(QStringLiteral("End of report")));
    }

    void tooWide()
    {
        m_rig->run(m_rig->report({printable(columnModel(numberedRows(3, 998)), QString(), {NameRole}, false)}));
        QCOMPARE(m_rig->results, QStringList{QStringLiteral("failure 6")});
        QCOMPARE(ReportRig::usbFiles(), QStringList());
    }

    void creator_data()
    {
        QTest::addColumn<int>("brand");
        QTest::addColumn<QString>("creator");
        QTest::newRow("Vornish") << 0 << "Vornish GUI v3.6";
        QTest::newRow("Saltmarsh") << 1 << "Saltmarsh GUI v3.6";
    }

    void creator()
    {
        QFETCH(int, brand);
        QFETCH(QString, creator);
        SystemState::instance()->setBrand(brand);
        m_rig->run(m_rig->report({printable(columnModel({QStringLiteral("one")}), QString(), {NameRole})}));
        QCOMPARE(pdfInfo(QStringLiteral("Creator")), creator);
    }

    // Each section begins on a page of its own; a section that filled its
    // last page exactly is followed by the next one's page, not an empty one.
    void sections()
    {
        auto first = printable(columnModel(numberedRows(PortraitRows, 20, QStringLiteral("first"))),
                               QStringLiteral("First list"), {NameRole});
        auto second = printable(columnModel(numberedRows(3, 20, QStringLiteral("second"))),
                                QStringLiteral("Second list"), {NameRole});
        m_rig->run(m_rig->report({first, second}));
        const QStringList pages = pdfPages();
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pagesProblems(pages), QString());
        QVERIFY(pages.at(0).contains(QStringLiteral("First list")));
        QVERIFY(pages.at(0).contains(rowName(PortraitRows, QStringLiteral("first"))));
        QVERIFY(!pages.at(0).contains(QStringLiteral("Second list")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Second list")));
        QVERIFY(pages.at(1).contains(rowName(3, QStringLiteral("second"))));
        QVERIFY(!pages.at(1).contains(QStringLiteral("first")));
    }

    // Child rows fill pages too, so the count of pages holds for a tree.
    void treeRows()
    {
        QList<FixtureRow> rows;
        for (int parent = 1; parent <= 20; ++parent) {
            FixtureRow row{{{NameRole, rowName(parent, QStringLiteral("zone"))}}, {}};
            for (int child = 1; child <= 4; ++child)
                row.children << FixtureRow{{{NameRole, rowName(parent * 10 + child, QStringLiteral("point"))}}, {}};
            rows << row;
        }
        m_rig->run(m_rig->report({printable(fixtureModel(rows, {NameRole}), QStringLiteral("Zones"), {NameRole})}));
        const QStringList pages = pdfPages();
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pdfInfo(QStringLiteral("Pages")), QStringLiteral("2"));
        QCOMPARE(pagesProblems(pages), QString());
        // The page that continues the list repeats its title and columns.
        QVERIFY(pages.at(1).contains(QStringLiteral("Zones")));
        QVERIFY(pages.at(1).contains(rowName(204, QStringLiteral("point")).trimmed()));
    }

    // A section without rows says so; a list that fills its page exactly
    // leaves the end line to a page of its own.
    void noRecordsAndEndPage()
    {
        auto empty = printable(fixtureModel({}, {NameRole}), QStringLiteral("Empty list"), {NameRole});
        auto full = printable(columnModel(numberedRows(PortraitRows, 20)), QStringLiteral("Full list"), {NameRole});
        m_rig->run(m_rig->report({empty, full}));
        const QStringList pages = pdfPages();
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pagesProblems(pages), QString());
        QVERIFY(pages.at(0).contains(QStringLiteral("Empty list")));
        QVERIFY(pages.at(0).contains(QStringLiteral("No records to print")));
        QVERIFY(pages.at(1).contains(rowName(PortraitRows)));
        QVERIFY(!pages.at(1).contains(QStringLiteral("End of report")));
        QVERIFY(pages.at(2).contains(QStringLiteral("End of report")));
    }

    // A header that leaves no room on the page still prints a row a page,
    // each page numbered among all.
    void headerFillsThePage()
    {
        QStringList header;
        for (int line = 1; line <= 76; ++line)
            header << QStringLiteral("Header line %1").arg(line);
        QPointer<SaveReport> save = new SaveReport(
            QStringLiteral("WT"), header.join(QStringLiteral("\r\n")),
            printable(columnModel(numberedRows(3, 20)), QString(), {NameRole}, false), {}, nullptr, false);
        m_rig->run(save);
        const QStringList pages = pdfPages();
        QCOMPARE(pages.size(), 4);
        QCOMPARE(pagesProblems(pages), QString());
        for (int row = 1; row <= 3; ++row)
            QVERIFY(pages.at(row - 1).contains(rowName(row)));
        QVERIFY(pages.at(3).contains(QStringLiteral("End of report")));
    }

    void reportWithoutRows()
    {
        m_rig->run(m_rig->report({printable(fixtureModel({}, {NameRole}), QString(), {NameRole}, false)}));
        QCOMPARE(m_rig->results, QStringList{"success ../USB/" + ReportRig::baseName() + "_0.pdf"});
        const QStringList pages = pdfPages();
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages.at(0).contains(QStringLiteral("Page 1 of 1")));
        QVERIFY(pages.at(0).contains(QStringLiteral("No records to print")));
        QVERIFY(pages.at(0).contains(QStringLiteral("End of report")));
    }
};

QTEST_MAIN(tst_SaveReportPdf)
#include "tst_savereportpdf.moc"
