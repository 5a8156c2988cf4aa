#include "BitPositions.h"
#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SyncPageBench.h"
#include "link/SyncClient.h"
#include "paneldata/WalkTestHandler.h"

#include <QtTest>

#include <memory>

namespace {

// Status 2, group mask 1, counters 1 to 6.
const char *const Head = "02 01 0001 0002 0003 0004 0005 0006";

} // namespace

// Page 22 from byte fixtures: the summary WalkTestHandler receives.
class tst_WalkTestPage final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void summary_data();
    void summary();
    void notKept_data();
    void notKept();

private:
    std::unique_ptr<SyncPageBench> m_bench;
    std::unique_ptr<MessageCapture> m_messages;
};

void tst_WalkTestPage::init()
{
    m_messages = std::make_unique<MessageCapture>();
    m_bench = std::make_unique<SyncPageBench>();
    WalkTestHandler::instance()->reset();
}

void tst_WalkTestPage::cleanup()
{
    m_bench.reset();
    m_messages.reset();
}

void tst_WalkTestPage::summary_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<int>("selector");
    QTest::addColumn<int>("zoneArraySize");
    QTest::addColumn<QList<int>>("zones");
    QTest::addColumn<int>("extra");
    QTest::newRow("zones 1 and 8") << hex("fc 01 08 81") << 252 << 256 << QList<int>{1, 8} << 0;
    QTest::newRow("bitmap then extra value")
        << hex("fc 00 0a ff03 2a") << 252 << 256 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 42;
    QTest::newRow("bitmap selector without a bitmap") << hex("fc") << 252 << 0 << QList<int>() << 0;
    QTest::newRow("all zones, extra value") << hex("ff 05") << 255 << 0 << QList<int>() << 5;
    QTest::newRow("one zone") << hex("07") << 7 << 0 << QList<int>() << 0;
    QTest::newRow("bitmap past the zone table")
        << hex("fc fa 10 ffff 07") << 252 << 256 << QList<int>{250, 251, 252, 253, 254, 255} << 7;
}

void tst_WalkTestPage::summary()
{
    QFETCH(QByteArray, tail);
    QFETCH(int, selector);
    QFETCH(int, zoneArraySize);
    QFETCH(QList<int>, zones);
    QFETCH(int, extra);
    QSignalSpy updated(SyncClient::instance(), &SyncClient::walkTestUpdatedReceived);
    m_bench->receive(syncPagePart(22, 4, 0, 1, hex(Head) + tail));
    QCOMPARE(m_bench->takeSent(), QByteArrayList{acknowledgement(0)});
    QCOMPARE(updated.count(), 1);

    const WalkTestSummary &summary = WalkTestHandler::instance()->summary(4);
    QCOMPARE(summary.getStatus(), 2);
    QCOMPARE(summary.groupMask(), quint8(1));
    QCOMPARE(summary.counter1(), quint16(1));
    QCOMPARE(summary.counter6(), quint16(6));
    QCOMPARE(int(summary.zoneSelector()), selector);
    QCOMPARE(summary.zones().size(), zoneArraySize);
    QCOMPARE(setBits(summary.zones()), zones);
    QCOMPARE(summary.extraValue(), extra);
    QVERIFY(WalkTestHandler::instance()->isWalkTestActive());
}

void tst_WalkTestPage::notKept_data()
{
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<int>("answer");
    // Other panels' summaries are acknowledged but not for this engine.
    QTest::newRow("panel 120") << syncPagePart(22, 120, 0, 1, hex(Head) + hex("ff")) << "is not for this engine" << 0;
    QTest::newRow("panel 254") << syncPagePart(22, 254, 0, 1, hex(Head) + hex("ff")) << "is not for this engine" << 0;
    QTest::newRow("counters cut short") << syncPagePart(22, 4, 0, 1, hex("02 01 0001 00")) << "truncated" << 1;
    QTest::newRow("no zone selector") << syncPagePart(22, 4, 0, 1, hex(Head)) << "truncated" << 1;
    QTest::newRow("first zone without a count")
        << syncPagePart(22, 4, 0, 1, hex(Head) + hex("fc 01")) << "truncated" << 1;
    QTest::newRow("bitmap cut short") << syncPagePart(22, 4, 0, 1, hex(Head) + hex("fc 01 10 ff")) << "truncated" << 1;
}

void tst_WalkTestPage::notKept()
{
    QFETCH(QByteArray, part);
    QFETCH(QString, warning);
    QFETCH(int, answer);
    QSignalSpy updated(SyncClient::instance(), &SyncClient::walkTestUpdatedReceived);
    QSignalSpy changed(WalkTestHandler::instance(), &WalkTestHandler::walkTestSummaryChanged);
    m_bench->receive(part);
    QCOMPARE(m_bench->takeSent(), QByteArrayList{acknowledgement(quint8(answer))});
    QCOMPARE(updated.count(), 0);
    QCOMPARE(changed.count(), 0);
    QVERIFY(!WalkTestHandler::instance()->isWalkTestActive());
    QVERIFY2(m_messages->contains(warning), qPrintable(m_messages->warnings().join('\n')));
}

QTEST_GUILESS_MAIN(tst_WalkTestPage)
#include "tst_walktestpage.moc"
