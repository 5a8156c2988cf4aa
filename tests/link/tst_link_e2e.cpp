#include "EndToEndRig.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>

// The built engine on a loopback port, with the controller emulator at the
// other end of the link.
class tst_LinkEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void heartbeatConnectionAndSupervision();
    void survivesGarbageAndTruncatedFrames();
    void linkLossAndReconnection();
    void quickReconnectionIsANewLink();

private:
    // Sends one heartbeat and waits for its answer.
    bool heartbeatAnswered();
    int engineLogCount(const QString &text);

    std::unique_ptr<EndToEndRig> m_rig;
};

void tst_LinkEndToEnd::init()
{
    m_rig = std::make_unique<EndToEndRig>();
    QVERIFY2(m_rig->start(), qPrintable(m_rig->failure()));
}

void tst_LinkEndToEnd::cleanup()
{
    QVERIFY2(m_rig->stop(), qPrintable(m_rig->failure()));
    m_rig.reset();
}

int tst_LinkEndToEnd::engineLogCount(const QString &text)
{
    return m_rig->engine().standardError().count(text);
}

bool tst_LinkEndToEnd::heartbeatAnswered()
{
    PanelSimProcess &controller = m_rig->controller();
    const int from = controller.lineCount();
    controller.command(QStringLiteral("beat 2"));
    return controller.waitForLine(QStringLiteral("heartbeat-answer 1"), from) >= 0;
}

void tst_LinkEndToEnd::heartbeatConnectionAndSupervision()
{
    PanelSimProcess &controller = m_rig->controller();
    QVERIFY(heartbeatAnswered());

    controller.command(QStringLiteral("connreq"));
    const int response = controller.waitForLine(QStringLiteral("connection-response"));
    QVERIFY(response >= 0);
    QCOMPARE(controller.lines().at(response), QStringLiteral("connection-response ok key="));

    // A burst: one answer, about 4 s after its last request.
    controller.command(QStringLiteral("supervise 3"));
    QElapsedTimer sinceBurst;
    sinceBurst.start();
    const int answer = controller.waitForLine(QStringLiteral("supervision-answer"), 0, 20000);
    const qint64 elapsed = sinceBurst.elapsed();
    QVERIFY(answer >= 0);
    QVERIFY2(controller.lines().at(answer).startsWith(QStringLiteral("supervision-answer ok")),
             qPrintable(controller.lines().at(answer)));
    QVERIFY2(elapsed >= 3800 && elapsed < 10000, qPrintable(QString::number(elapsed)));

    // Anything of the same burst would have come with the first answer,
    // before the next round trip.
    const int from = controller.lineCount();
    controller.command(QStringLiteral("connreq"));
    QVERIFY(controller.waitForLine(QStringLiteral("connection-response ok"), from) >= 0);
    QCOMPARE(controller.count(QStringLiteral("supervision-answer")), 1);
}

void tst_LinkEndToEnd::survivesGarbageAndTruncatedFrames()
{
    PanelSimProcess &controller = m_rig->controller();
    EngineProcess &engine = m_rig->engine();
    const QStringList abuse = {
        // Bytes with no marker, then a marker split over two writes.
        QStringLiteral("raw 0102030405060708090a0b0c"),
        QStringLiteral("raw 77aa55"),
        QStringLiteral("raw aa55 00 00000001 01"),
        // A frame that promises more than it brings: the next frame's
        // bytes complete it, and the search resumes at the marker after.
        QStringLiteral("raw aa55aa55 01 0000000c 000000"),
        QStringLiteral("send 1 00000010 00 03 f5"),
        // A body length no link carries.
        QStringLiteral("raw aa55aa55 01 7fffffff 00"),
        // LkSpeak packets too short for their header, their sub-code or
        // their fields, and one the engine does not know.
        QStringLiteral("send 1 000000"),
        QStringLiteral("send 1 0000000e 00 01 f5 0000 32 0000 01 00"),
        QStringLiteral("lk 245 19 01 02"),
        QStringLiteral("lk 245 12 00 06"),
        QStringLiteral("lk 200 01 02 03"),
        QStringLiteral("lk 233 03 05"),
        QStringLiteral("send 1 ffffffff 00 01 f5 0000 32 0000 01 00 19"),
        QStringLiteral("send 7 0102"),
        QStringLiteral("send 0 02"),
    };
    for (const QString &command : abuse)
        controller.command(command);

    QVERIFY(heartbeatAnswered());
    QVERIFY(engine.waitForLogged(QStringLiteral("above the limit")));
    QVERIFY(engine.waitForLogged(QStringLiteral("Unhandled function code 200")));
    QVERIFY(engine.waitForLogged(QStringLiteral("Short supervision packet")));
    QVERIFY(engine.waitForLogged(QStringLiteral("shorter than its header")));

    const int from = controller.lineCount();
    controller.command(QStringLiteral("connreq"));
    QVERIFY(controller.waitForLine(QStringLiteral("connection-response ok"), from) >= 0);
    QVERIFY(engine.isRunning());
}

void tst_LinkEndToEnd::linkLossAndReconnection()
{
    PanelSimProcess &controller = m_rig->controller();
    EngineProcess &engine = m_rig->engine();
    controller.command(QStringLiteral("disconnect"));
    QVERIFY(engine.waitForLogged(QStringLiteral("SyncClient::linkStateChanged link down status 2")));

    // The controller comes back, starting up: the engine follows.
    const int from = controller.lineCount();
    controller.command(QStringLiteral("connect"));
    QVERIFY(controller.waitForLine(QStringLiteral("connected"), from) >= 0);
    controller.command(QStringLiteral("beat 1"));
    QVERIFY(controller.waitForLine(QStringLiteral("heartbeat-answer"), from) >= 0);
    QVERIFY(engine.waitForLogged(QStringLiteral("SyncClient::linkStateChanged link up status 1")));
    QVERIFY(heartbeatAnswered());
    QCOMPARE(engineLogCount(QStringLiteral("link down status 2")), 1);
}

// A controller that closes its connection and is back at once has still
// lost its link: the engine goes down, comes up again and takes the new
// connection's configuration instead of ignoring it as a repeat.
void tst_LinkEndToEnd::quickReconnectionIsANewLink()
{
    PanelSimProcess &controller = m_rig->controller();
    EngineProcess &engine = m_rig->engine();
    const QString processed = QStringLiteral("sc_TESKConfiguration processed");
    int from = controller.lineCount();
    controller.command(QStringLiteral("sync"));
    QVERIFY(controller.waitForLine(QStringLiteral("sync done"), from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(engine.standardOutput().count(processed), 1, 30000);

    from = controller.lineCount();
    controller.command(QStringLiteral("reconnect"));
    QVERIFY(controller.waitForLine(QStringLiteral("connected"), from) >= 0);
    QVERIFY(heartbeatAnswered());
    QVERIFY(engine.waitForLogged(QStringLiteral("SyncClient::linkStateChanged link down status 2")));
    from = controller.lineCount();
    controller.command(QStringLiteral("sync"));
    QVERIFY(controller.waitForLine(QStringLiteral("sync done"), from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(engine.standardOutput().count(processed), 2, 30000);
    QCOMPARE(engineLogCount(QStringLiteral("link down status 2")), 1);
}

QTEST_GUILESS_MAIN(tst_LinkEndToEnd)
#include "tst_link_e2e.moc"
