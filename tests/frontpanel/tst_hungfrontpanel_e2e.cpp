#include "EndToEndRig.h"
#include "RecordingService.h"

#include <QElapsedTimer>
#include <QtTest>

// The built engine while another process holds its front-panel service
// name and never answers: the engine starts, keeps its link and
// synchronises as quickly as with a healthy service.
class tst_HungFrontPanelEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void hungServiceHoldsNothing();
};

void tst_HungFrontPanelEndToEnd::hungServiceHoldsNothing()
{
    EndToEndRig rig;
    RecordingService hung(QStringLiteral("svc.frontpanel.p%1").arg(rig.port()));
    QVERIFY(hung.isServing());
    hung.setSilent();

    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY2(rig.start(), qPrintable(rig.failure()));
    const qint64 startMs = elapsed.elapsed();

    PanelSimProcess &controller = rig.controller();
    elapsed.restart();
    controller.command(QStringLiteral("sync"));
    const int done = controller.waitForLine(QStringLiteral("sync done"));
    QVERIFY2(done >= 0, "no end of the synchronisation");
    QCOMPARE(controller.lines().at(done), QStringLiteral("sync done status=0"));
    qInfo("with a hung front-panel service: link up %lld ms after the start, synchronised in %lld ms", startMs,
          elapsed.elapsed());

    // The engine's calls reached the service; it just never answered them.
    QTRY_VERIFY(hung.calls().contains(QStringLiteral("sendPhysicalKeyStatus")));
    QTRY_VERIFY(!hung.calls().filter(QStringLiteral("setPanel")).isEmpty());
    QVERIFY2(rig.stop(), qPrintable(rig.failure()));
}

QTEST_GUILESS_MAIN(tst_HungFrontPanelEndToEnd)
#include "tst_hungfrontpanel_e2e.moc"
