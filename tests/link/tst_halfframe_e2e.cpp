#include "InProcessLink.h"
#include "WaitUntil.h"
#include "link/SyncClient.h"

#include <QtTest>

namespace {

// The 42 s heartbeat supervision takes 420 ms; the emulator beats every 150.
constexpr int TimeScale = 100;
constexpr int HeartbeatMs = 150;

bool linkUp()
{
    return SyncClient::instance()->isLinkUp();
}

} // namespace

// The link over a loopback socket, with the controller emulator at the other
// end, when a frame's body never completes.
class tst_HalfFrameEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void heartbeatTimeoutDropsHalfFrame();
};

void tst_HalfFrameEndToEnd::heartbeatTimeoutDropsHalfFrame()
{
    InProcessLink link(TimeScale, HeartbeatMs, TimeScale);
    QVERIFY(link.start());

    // A header that promises the largest body a frame may have, and no body:
    // the heartbeats that follow are taken as that body, so none is answered
    // and the supervision reports the link down.
    // Watched by its signal: the link may be up again before a poll looks.
    QSignalSpy down(SyncClient::instance(), &SyncClient::disconnected);
    link.command(QStringLiteral("raw aa55aa55 01 00100000"));
    QVERIFY(waitUntil([&down] { return !down.isEmpty(); }));

    // The half frame goes with the time-out: the next heartbeat is answered
    // and the link comes back up.
    const int from = link.lineCount();
    QVERIFY(link.said(QStringLiteral("heartbeat-answer"), from));
    QVERIFY(waitUntil(linkUp));
    const int later = link.lineCount();
    link.command(QStringLiteral("connreq"));
    QVERIFY(link.said(QStringLiteral("connection-response ok"), later));
}

QTEST_GUILESS_MAIN(tst_HalfFrameEndToEnd)
#include "tst_halfframe_e2e.moc"
