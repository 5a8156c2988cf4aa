#include "../listscreens/SelectorScreen.h"
#include "../widgets/KeypadPresses.h"
#include "FakeClock.h"
#include "InProcessEngine.h"
#include "PanelSimProcess.h"
#include "TopPopup.h"
#include "WaitUntil.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "listscreens/StatusSelector.h"
#include "paneldata/PanelConfiguration.h"
#include "pointmodels/EventLogQueryModel.h"
#include "reports/AUK_30107.h"
#include "reports/AUK_40057.h"
#include "reports/ReportOutputSelector.h"
#include "reports/SaveReport.h"
#include "screens/status/AUK_30069.h"
#include "screens/status/AUK_30073.h"
#include "widgets/AUK_90002.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90011.h"
#include "widgets/BasePopup.h"

#include <QDir>
#include <QLabel>
#include <QListView>
#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

namespace {

HostChild &s_host = InProcessEngine::host();

bool topIs(const QString &page)
{
    return waitUntil([&page] { return PageStack::instance()->isTopPage(page); });
}

template <typename T> T *topPage()
{
    const QStringList names = PageStack::instance()->pageNames();
    if (names.isEmpty())
        return nullptr;
    const QList<T *> pages = PageStack::instance()->findChildren<T *>(names.last());
    return pages.isEmpty() ? nullptr : pages.last();
}

void tapButton(const char *name)
{
    Page *top = topPage<Page>();
    QVERIFY(top);
    auto *button = top->findChild<AUK_90002 *>(QLatin1String(name));
    QVERIFY2(button, name);
    emit button->clicked(QString());
}

int eventsInTheLog()
{
    QSqlQuery count;
    if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM EventLog WHERE (eventCat & 15) = 4")) || !count.next())
        return -1;
    return count.value(0).toInt();
}

int newestSeqNo()
{
    QSqlQuery newest;
    if (!newest.exec(QStringLiteral("SELECT seqNo FROM EventLog ORDER BY timeAndDate DESC, seqNo DESC LIMIT 1"))
        || !newest.next())
        return -1;
    return newest.value(0).toInt();
}

QString counterOf(const QWidget *screen)
{
    return screen->findChild<QLabel *>(QStringLiteral("counter"))->text();
}

QString usbDirectory()
{
    return QDir::current().absoluteFilePath(QStringLiteral("../USB"));
}

QStringList usbFiles(const QString &pattern)
{
    return QDir(usbDirectory()).entryList({pattern}, QDir::Files, QDir::Name);
}

} // namespace

// The event log as a user reaches it, with the engine in this process, the
// controller emulator at the other end of its link and the host services
// playing its panel front and card reader: a card log-on, the home screen's
// logs entry, the list by status, a card jump, saving as PDF and CSV, and a
// further event. Once the site is in, the engine's timers run on the fake
// clock, so the quiet spell of the list is counted exactly.
class tst_EventLogEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void logOnAndOpenTheListByStatus();
    void counterTapMovesToTheCard();
    void saveWritesThePdf();
    void saveWritesTheCsv();
    void aFurtherEventRefreshesOnceAfterTheQuietSpell();

private:
    // Runs the save's steps until its result shows; the file it wrote.
    QString save(const QString &pattern);

    PanelSimProcess &m_controller = InProcessEngine::controller();
    std::unique_ptr<FakeClock> m_clock;
    QPointer<AUK_30073> m_list;
};

void tst_EventLogEndToEnd::initTestCase()
{
    const int from = m_controller.lineCount();
    m_controller.command(QStringLiteral("sync"));
    const int done = m_controller.waitForLineWithEvents(QStringLiteral("sync done"), from, 120000);
    QVERIFY2(done >= 0, qPrintable(m_controller.lines().mid(from).join('\n')));
    QVERIFY(waitUntil([] { return SystemState::instance()->isEthernetConnected(); }));
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
    QDir(usbDirectory()).removeRecursively();
    QVERIFY(QDir().mkpath(usbDirectory()));
}

void tst_EventLogEndToEnd::cleanupTestCase()
{
    m_clock.reset();
}

void tst_EventLogEndToEnd::logOnAndOpenTheListByStatus()
{
    const int before = eventsInTheLog();
    m_controller.command(QStringLiteral("eventlog raise fault 12"));
    QVERIFY2(waitUntil([before] { return eventsInTheLog() == before + 12; }), qPrintable(QString::number(before)));
    QCOMPARE(before, 0);

    const int from = m_controller.lineCount();
    s_host.command(QStringLiteral("emit svc.rfid RFIDSendBlockData 011111"));
    QVERIFY(m_controller.waitForLineWithEvents(QStringLiteral("operator logon user=1 accepted"), from) >= 0);
    QVERIFY(waitUntil([] { return Security::instance()->accessLevel() >= TESKEnumHolder::EN54_LOGGED_IN; }));
    QVERIFY(topIs(QStringLiteral("AUK_30002")));
    m_clock = std::make_unique<FakeClock>();

    tapButton("logsMenuButton");
    if (PageStack::instance()->isTopPage(QStringLiteral("AUK_30117")))
        tapButton("eventsLogButton");
    QVERIFY2(topIs(QStringLiteral("AUK_30067")), qPrintable(PageStack::instance()->pageNames().join(' ')));
    tapButton("statusButton");
    QVERIFY(topIs(QStringLiteral("AUK_30069")));
    auto *byStatus = topPage<AUK_30069>();
    m_clock->advance(1);
    const int kinds = listOf(byStatus->statusSelector())->model()->rowCount();
    QCOMPARE(kinds, 9);
    for (int row = 0; row < kinds; ++row)
        tapRow(byStatus->statusSelector(), row);
    QVERIFY(byStatus->lozengeBar()->leftButtonVisible());
    emit byStatus->lozengeBar()->leftButtonClicked();

    QVERIFY(topIs(QStringLiteral("AUK_30073")));
    m_list = topPage<AUK_30073>();
    QCOMPARE(m_list->title(), QStringLiteral("_EVENT_LOG_HDR"));
    QCOMPARE(counterOf(m_list), QStringLiteral("001/012"));
    const auto *cards = m_list->findChild<AUK_90011 *>();
    // The current card, the first of the result, is the newest event.
    const QModelIndex first = cards->listView()->model()->index(0, 0);
    QCOMPARE(first.data(EventLogQueryModel::SeqNoRole).toInt(), newestSeqNo());
}

void tst_EventLogEndToEnd::counterTapMovesToTheCard()
{
    QVERIFY(m_list);
    QTest::mouseClick(m_list->findChild<QLabel *>(QStringLiteral("counter")), Qt::LeftButton);
    QVERIFY(topIs(QStringLiteral("AUK_40032")));
    pressKeys(topPopup(), {QStringLiteral("5"), QStringLiteral("OK")});
    QVERIFY(topIs(QStringLiteral("AUK_30073")));
    QCOMPARE(counterOf(m_list), QStringLiteral("005/012"));
}

QString tst_EventLogEndToEnd::save(const QString &pattern)
{
    const QStringList before = usbFiles(pattern);
    emit m_list->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"))->rightButtonClicked();
    QStringList written;
    for (int step = 0; step < 400; ++step) {
        m_clock->advance(1);
        QCoreApplication::processEvents();
        written = usbFiles(pattern);
        if (written.size() > before.size() && PageStack::instance()->isTopPage(QStringLiteral("AUK_40048"))
            && !m_list->findChild<SaveReport *>())
            break;
    }
    for (const QString &name : before)
        written.removeAll(name);
    return written.value(0);
}

void tst_EventLogEndToEnd::saveWritesThePdf()
{
    QVERIFY(m_list);
    const QString file = save(QStringLiteral("EL*_0.pdf"));
    QVERIFY2(QRegularExpression(QStringLiteral("^EL\\d{14}_0\\.pdf$")).match(file).hasMatch(), qPrintable(file));
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QDir(usbDirectory()).filePath(file), QStringLiteral("-")});
    QVERIFY(tool.waitForFinished(30000));
    const QStringList lines =
        QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.size() > 2, qPrintable(lines.join('\n')));
    QCOMPARE(lines.at(0).trimmed(), QStringLiteral("_EVENT_LOG_HDR"));
    QCOMPARE(lines.at(1).trimmed(),
             QStringLiteral("_SAVING_PANEL_25_CHAR %1").arg(TeskGlobalConfig::instance()->getPanelNumber()));
    PageStack::instance()->pop(1);
    QVERIFY(topIs(QStringLiteral("AUK_30073")));
}

void tst_EventLogEndToEnd::saveWritesTheCsv()
{
    QVERIFY(m_list);
    // The printer settings screen chooses a CSV file, and its popup's Close
    // leaves it for the list again.
    PageStack *stack = PageStack::instance();
    auto *settings = new AUK_30107;
    stack->push(settings);
    m_clock->advance(1);
    settings->reportOutputSelector()->selectFormat(PanelConfiguration::Csv);
    QVERIFY(settings->lozengeBar()->leftButtonVisible());
    emit settings->lozengeBar()->leftButtonClicked();
    QCOMPARE(PanelConfiguration::instance()->reportFormat(), PanelConfiguration::Csv);
    QVERIFY(topIs(QStringLiteral("AUK_40057")));
    auto *popup = stack->findChild<AUK_40057 *>();
    QVERIFY(popup);
    emit popup->rightButtonClicked();
    QVERIFY(topIs(QStringLiteral("AUK_30073")));
    const QString file = save(QStringLiteral("EL*_0.csv"));
    QVERIFY2(!file.isEmpty(), qPrintable(usbFiles(QStringLiteral("*")).join(' ')));
    QFile csv(QDir(usbDirectory()).filePath(file));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QStringList rows = lines.filter(QStringLiteral("_UNACCEPTED_INFOTEXT"));
    QCOMPARE(rows.size(), 12);
    for (const QString &row : rows)
        QCOMPARE(row.count(QLatin1Char(',')) + 1, 8);
    PageStack::instance()->pop(1);
    PanelConfiguration::instance()->setReportFormat(PanelConfiguration::Pdf);
}

void tst_EventLogEndToEnd::aFurtherEventRefreshesOnceAfterTheQuietSpell()
{
    QVERIFY(m_list);
    QVERIFY(topIs(QStringLiteral("AUK_30073")));
    QSignalSpy reloads(m_list->findChild<AUK_90011 *>()->listView()->model(), &QAbstractItemModel::modelReset);
    m_controller.command(QStringLiteral("eventlog raise fault 1"));
    QVERIFY(waitUntil([] { return eventsInTheLog() == 13; }));
    m_clock->advance(2999);
    QCOMPARE(counterOf(m_list), QStringLiteral("005/012"));
    QCOMPARE(reloads.count(), 0);
    m_clock->advance(1);
    QCOMPARE(counterOf(m_list), QStringLiteral("005/013"));
    const int once = reloads.count();
    QVERIFY(once > 0);
    m_clock->advance(10000);
    QCOMPARE(reloads.count(), once);
}

int main(int argc, char *argv[])
{
    (void)argc;
    return InProcessEngine::run("tst_eventloglist_e2e", argv[0], [] {
        tst_EventLogEndToEnd test;
        return QTest::qExec(&test, QCoreApplication::arguments().mid(0, 1));
    });
}

#include "tst_eventloglist_e2e.moc"
