#include "MessageCapture.h"
#include "WidgetTest.h"
#include "widgets/ShownTextLog.h"

#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString What = QStringLiteral("Test pane: value");

// The lines the log has of the watched label.
QStringList shownLines(const MessageCapture &capture)
{
    return capture.messages().filter(What + QStringLiteral(" shown at monotonic "));
}

} // namespace

// What a label painted, and when, reaches the log: once for each text it
// shows, only once it is drawn, and never for an empty label.
class tst_ShownTextLog : public WidgetTest
{
    Q_OBJECT

private slots:
    void paintedTextsAreLogged_data();
    void paintedTextsAreLogged();
    void stampFollowsThePainting();
    void hiddenLabelLogsNothing();
};

void tst_ShownTextLog::paintedTextsAreLogged_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("logged");

    QTest::newRow("empty") << QStringList{QString()} << QStringList{};
    QTest::newRow("three lines") << QStringList{QStringLiteral("01/001\nKitchen\nSmoke 1")}
                                 << QStringList{QStringLiteral("01/001 | Kitchen | Smoke 1")};
    QTest::newRow("painted again") << QStringList{QStringLiteral("A"), QStringLiteral("A")}
                                   << QStringList{QStringLiteral("A")};
    QTest::newRow("changed") << QStringList{QStringLiteral("A"), QStringLiteral("B"), QString(), QStringLiteral("B")}
                             << QStringList{QStringLiteral("A"), QStringLiteral("B")};
}

void tst_ShownTextLog::paintedTextsAreLogged()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, logged);

    QLabel label(window());
    label.resize(300, 100);
    new ShownTextLog(&label, What);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    MessageCapture capture;
    for (const QString &text : texts) {
        label.setText(text);
        label.repaint();
    }
    QStringList shown;
    for (const QString &line : shownLines(capture))
        shown << line.section(QStringLiteral(" us: "), 1);
    QCOMPARE(shown, logged);
}

void tst_ShownTextLog::stampFollowsThePainting()
{
    QLabel label(window());
    label.resize(300, 100);
    new ShownTextLog(&label, What);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    MessageCapture capture;
    label.setText(QStringLiteral("Fire"));
    const qint64 before = ShownTextLog::monotonicMicroseconds();
    label.repaint();
    const qint64 after = ShownTextLog::monotonicMicroseconds();

    const QStringList lines = shownLines(capture);
    QCOMPARE(lines.size(), 1);
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Test pane: value shown at monotonic (\\d+) us: Fire$"))
            .match(lines.first());
    QVERIFY2(match.hasMatch(), qPrintable(lines.first()));
    const qint64 stamp = match.captured(1).toLongLong();
    QVERIFY2(stamp >= before && stamp <= after,
             qPrintable(QStringLiteral("%1 not within %2 .. %3").arg(stamp).arg(before).arg(after)));
}

void tst_ShownTextLog::hiddenLabelLogsNothing()
{
    QLabel label(window());
    new ShownTextLog(&label, What);
    MessageCapture capture;
    label.setText(QStringLiteral("Fire"));
    label.hide();
    label.repaint();
    QCoreApplication::processEvents();
    QVERIFY(shownLines(capture).isEmpty());
    // Drawn once shown.
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    label.repaint();
    QCOMPARE(shownLines(capture).size(), 1);
}

QTEST_MAIN(tst_ShownTextLog)
#include "tst_showntextlog.moc"
