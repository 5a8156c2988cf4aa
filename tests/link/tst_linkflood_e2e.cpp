#include "EndToEndRig.h"
#include "WaitUntil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// The built engine under a flood of well-framed junk from its controller
// connection: its memory stays flat, the watchdog is kept alive on time and
// a synchronisation right after the flood completes.
class tst_LinkFloodEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void floodLeavesMemoryKeepAliveAndSyncIntact();
};

namespace {

constexpr int KeepAliveMs = 5000;
// An LkSpeak header (layout 0) with function code 200, which no part of the
// engine handles: every one goes the whole way to the screen thread.
const QString JunkPacket = QStringLiteral("0000000e 00 01 c8 0000 32 0000 01 00");
constexpr int JunkPackets = 1500000;
const QString KeepAlive = QStringLiteral("call svc.watchdog keepAlive");

qint64 residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

} // namespace

void tst_LinkFloodEndToEnd::floodLeavesMemoryKeepAliveAndSyncIntact()
{
    EndToEndRig::Options options;
    options.hostServices = true;
    EndToEndRig rig(options);
    // Under the address sanitizer, freed memory is held back for a while to
    // catch late uses; that would hide what the engine itself keeps.
    QProcessEnvironment &environment = rig.engine().environment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":quarantine_size_mb=1"));
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    PanelSimProcess &controller = rig.controller();
    HostServicesProcess &host = rig.hostServices();
    EngineProcess &engine = rig.engine();

    // Settled: the watchdog has been kept alive once.
    int keepAlive = host.waitForLine(KeepAlive, 2 * KeepAliveMs);
    QVERIFY(keepAlive >= 0);
    const qint64 residentBefore = residentKiB(engine.processId());
    QVERIFY(residentBefore > 0);

    QElapsedTimer sinceKeepAlive;
    sinceKeepAlive.start();
    QElapsedTimer flooding;
    flooding.start();
    qint64 longestGap = 0;
    qint64 residentPeak = residentBefore;
    // Watches the engine, keeping this process's events turning so that its
    // log is drained, until the controller reports the line.
    const auto watchUntil = [&](const QString &line, int from) {
        return waitUntil(
                   [&] {
                       const QStringList lines = host.lines();
                       for (int next = keepAlive + 1; next < lines.size(); ++next) {
                           if (lines.at(next).startsWith(KeepAlive)) {
                               longestGap = qMax(longestGap, sinceKeepAlive.restart());
                               keepAlive = next;
                           }
                       }
                       residentPeak = qMax(residentPeak, residentKiB(engine.processId()));
                       return !engine.isRunning() || controller.waitForLine(line, from, 0) >= 0;
                   },
                   180000)
               && engine.isRunning();
    };

    const int from = controller.lineCount();
    controller.command(QStringLiteral("flood %1 1 %2").arg(JunkPackets).arg(JunkPacket));
    const bool floodDone = watchUntil(QStringLiteral("flood done"), from);
    const qint64 floodMs = flooding.elapsed();
    // The connection request waits behind whatever junk the engine still holds.
    const int requestFrom = controller.lineCount();
    controller.command(QStringLiteral("connreq"));
    const bool answered = watchUntil(QStringLiteral("connection-response ok"), requestFrom);
    longestGap = qMax(longestGap, sinceKeepAlive.elapsed());
    qInfo("flood of %d packets: sent in %lld ms, handled in %lld ms; resident %lld KiB before, %lld KiB at most; "
          "keep-alive gap at most %lld ms",
          JunkPackets, floodMs, flooding.elapsed(), residentBefore, residentPeak, longestGap);
    QVERIFY(engine.isRunning());
    QVERIFY2(floodDone, "the flood did not end");
    QVERIFY2(answered, "the connection request after the flood was not answered");
    QVERIFY2(longestGap < KeepAliveMs + 2000, qPrintable(QString::number(longestGap)));
    QVERIFY2(residentPeak - residentBefore < 64 * 1024, qPrintable(QString::number(residentPeak - residentBefore)));
    QVERIFY(engine.standardError().contains(QStringLiteral("more warnings like these in the last second")));

    const int syncFrom = controller.lineCount();
    controller.command(QStringLiteral("sync"));
    const int done = controller.waitForLine(QStringLiteral("sync done"), syncFrom, 60000);
    QVERIFY2(done >= 0, "the synchronisation after the flood did not end");
    QCOMPARE(controller.lines().at(done), QStringLiteral("sync done status=0"));
    QVERIFY2(rig.stop(), qPrintable(rig.failure()));
}

QTEST_GUILESS_MAIN(tst_LinkFloodEndToEnd)
#include "tst_linkflood_e2e.moc"
