#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SyncPageBench.h"
#include "link/SyncClient.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/WalkTestHandler.h"

#include <QtTest>

#include <memory>

namespace {

// Counts 1 to 18 in body order, status bits 3, battery status 7.
const char *const Counts = "00 0001 0002 0003 0004 0005 0006 0007 0008 0009 000a 000b 000c 000d 000e 000f "
                           "0010 0011 0012";

QByteArray body(const char *statusAndAfter)
{
    return hex(Counts) + hex(statusAndAfter);
}

QStringList keysOf(int panel, const QString &dayDisabled, const QString &testEquipment, const QString &downInhibit)
{
    const QStringList items{"fireAlrms=2",
                            "dsbldSndrO/Ps=4",
                            "dsbldNonSndrsO/P=5",
                            "fullyDsbldFireZns=6",
                            "prtlyDsbldFireZns=7",
                            "alarmWrngs=8",
                            "actvCtrls=9",
                            "loopDrMntrs=11",
                            "devsNrlyDrty=12",
                            "devsDrty=13",
                            "unrdyDevs=14",
                            "pntsOnTst=15",
                            "coDevsNrlyOld=16",
                            "coDevsOld=17",
                            "pnlEntrdAlrm=18",
                            "btryStat=7",
                            "dayDisbld=" + dayDisabled,
                            "tstEqp=" + testEquipment,
                            "dwnInhib=" + downInhibit};
    QStringList keys;
    for (const QString &item : items)
        keys << QString::number(panel) + '|' + item;
    keys.sort();
    return keys;
}

} // namespace

// Page 5 from byte fixtures: what reaches bucket 5 and PanelCounters, and
// what is refused.
class tst_StatusCountsPage final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void page_data();
    void page();
    void counterUpdatedOnEveryStore();
    void clearEmptiesEveryPanel();
    void selectedWalkTestNode_data();
    void selectedWalkTestNode();

private:
    std::unique_ptr<SyncPageBench> m_bench;
    std::unique_ptr<MessageCapture> m_messages;
};

void tst_StatusCountsPage::init()
{
    m_messages = std::make_unique<MessageCapture>();
    m_bench = std::make_unique<SyncPageBench>();
    PanelCounters::instance()->clear();
}

void tst_StatusCountsPage::cleanup()
{
    m_bench.reset();
    m_messages.reset();
}

void tst_StatusCountsPage::page_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("warning");

    QTest::newRow("all fields") << 3 << syncPagePart(5, 3, 0, 1, body("03 07 0002 05")) << 0 << keysOf(3, "1", "1", "1")
                                << QString();
    QTest::newRow("without the optional fields")
        << 3 << syncPagePart(5, 3, 0, 1, body("02 07")) << 0 << keysOf(3, "0", "0", "1") << QString();
    QTest::newRow("day flags without day disablement")
        << 3 << syncPagePart(5, 3, 0, 1, body("01 07 fffd")) << 0 << keysOf(3, "0", "1", "0") << QString();
    QTest::newRow("system totals") << 254 << syncPagePart(5, 254, 0, 1, body("00 07 0002 fd")) << 0
                                   << keysOf(254, "1", "0", "0") << QString();
    QTest::newRow("panel 99") << 99 << syncPagePart(5, 99, 0, 1, body("00 07")) << 0 << keysOf(99, "0", "0", "0")
                              << QString();
    // Not for this engine: acknowledged, nothing kept.
    QTest::newRow("panel 100 is ignored")
        << 100 << syncPagePart(5, 100, 0, 1, body("00 07")) << 0 << QStringList() << "is not for this engine";
    QTest::newRow("panel 255 is ignored")
        << 255 << syncPagePart(5, 255, 0, 1, body("00 07")) << 0 << QStringList() << "is not for this engine";
    QTest::newRow("cut before the battery status")
        << 3 << syncPagePart(5, 3, 0, 1, body("00")) << 1 << QStringList() << "truncated";
    QTest::newRow("cut inside the counts")
        << 3 << syncPagePart(5, 3, 0, 1, hex("00 0001 0002 00")) << 1 << QStringList() << "truncated";
    QTest::newRow("day flags cut short") << 3 << syncPagePart(5, 3, 0, 1, body("00 07 00")) << 1 << QStringList()
                                         << "truncated";
    QTest::newRow("length field promises more than the frame brings")
        << 3 << withLength(syncPagePart(5, 3, 0, 1, body("00 07")), 22 + 39 + 2) << 1 << QStringList() << "truncated";
    QTest::newRow("bytes after the walk-test node") << 3 << syncPagePart(5, 3, 0, 1, body("00 07 0000 05 aabb")) << 0
                                                    << keysOf(3, "0", "0", "0") << "2 bytes after its fields ignored";
}

void tst_StatusCountsPage::page()
{
    QFETCH(int, panel);
    QFETCH(QByteArray, part);
    QFETCH(int, answer);
    QFETCH(QStringList, keys);
    QFETCH(QString, warning);

    m_bench->receive(part);
    QCOMPARE(m_bench->takeSent(), QByteArrayList{acknowledgement(quint8(answer))});
    QStringList stored = m_bench->bucket(5);
    stored.sort();
    QCOMPARE(stored, keys);
    const PanelCounters *counters = PanelCounters::instance();
    const bool taken = !keys.isEmpty();
    QCOMPARE(counters->disablements(quint8(panel)), taken ? 1 : 0);
    QCOMPARE(counters->faults(quint8(panel)), taken ? 3 : 0);
    QCOMPARE(counters->thirdCounter(quint8(panel)), taken ? 10 : 0);
    if (warning.isEmpty())
        QVERIFY2(m_messages->warnings().isEmpty(), qPrintable(m_messages->warnings().join('\n')));
    else
        QVERIFY2(m_messages->contains(warning), qPrintable(m_messages->warnings().join('\n')));
}

void tst_StatusCountsPage::counterUpdatedOnEveryStore()
{
    QSignalSpy updated(PanelCounters::instance(), &PanelCounters::counterUpdated);
    const QByteArray part = syncPagePart(5, 7, 0, 1, body("00 07"));
    m_bench->receive(part);
    const QStringList first = m_bench->bucket(5);
    m_bench->receive(part);
    QCOMPARE(updated.count(), 6);
    QCOMPARE(m_bench->bucket(5), first);
}

void tst_StatusCountsPage::clearEmptiesEveryPanel()
{
    m_bench->receive(syncPagePart(5, 7, 0, 1, body("00 07")));
    m_bench->receive(syncPagePart(5, 254, 0, 1, body("00 07")));
    QSignalSpy updated(PanelCounters::instance(), &PanelCounters::counterUpdated);
    PanelCounters::instance()->clear();
    QCOMPARE(updated.count(), 1);
    for (quint8 panel : {quint8(7), quint8(254)}) {
        QCOMPARE(PanelCounters::instance()->faults(panel), 0);
        QCOMPARE(PanelCounters::instance()->disablements(panel), 0);
    }
}

void tst_StatusCountsPage::selectedWalkTestNode_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<int>("selected");
    QTest::newRow("node 5") << hex("00 07 0000 05") << 5;
    QTest::newRow("none") << hex("00 07 0000 fe") << 254;
    QTest::newRow("253 keeps the selection") << hex("00 07 0000 fd") << 9;
    QTest::newRow("150 keeps the selection") << hex("00 07 0000 96") << 9;
    QTest::newRow("absent keeps the selection") << hex("00 07") << 9;
}

void tst_StatusCountsPage::selectedWalkTestNode()
{
    QFETCH(QByteArray, tail);
    QFETCH(int, selected);
    WalkTestHandler::instance()->setSelectedNode(9);
    m_bench->receive(syncPagePart(5, 3, 0, 1, hex(Counts) + tail));
    QCOMPARE(int(WalkTestHandler::instance()->selectedNode()), selected);
}

QTEST_GUILESS_MAIN(tst_StatusCountsPage)
#include "tst_statuscountspage.moc"
