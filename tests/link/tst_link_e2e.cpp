#include "EngineProcess.h"
#include "FreePort.h"
#include "PanelSimProcess.h"

#include <QElapsedTimer>
#include <QtTest>

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

private:
    // Starts the engine and the controller and waits until the link is up;
    // what did not happen, with both sides' logs, or empty.
    QString startBoth();
    QString logs();
    // Sends one heartbeat and waits for its answer.
    bool heartbeatAnswered();
    int engineLogCount(const QString &text);

    std::unique_ptr<EngineProcess> m_engine;
    std::unique_ptr<PanelSimProcess> m_controller;
    quint16 m_port = 0;
};

void tst_LinkEndToEnd::init()
{
    m_port = freePort();
    m_engine = std::make_unique<EngineProcess>();
    m_controller = std::make_unique<PanelSimProcess>();
}

void tst_LinkEndToEnd::cleanup()
{
    m_controller.reset();
    if (m_engine && m_engine->isRunning())
        QVERIFY2(m_engine->terminate(), qPrintable(m_engine->standardError()));
    m_engine.reset();
}

QString tst_LinkEndToEnd::startBoth()
{
    if (!m_engine->start({QStringLiteral("--port=%1").arg(m_port)}))
        return QStringLiteral("The engine did not start");
    if (!m_controller->start(m_port))
        return QStringLiteral("The controller did not start");
    if (m_controller->waitForLine(QStringLiteral("connected")) < 0)
        return QStringLiteral("The controller did not connect\n") + logs();
    m_controller->command(QStringLiteral("beat 2"));
    if (m_controller->waitForLine(QStringLiteral("heartbeat-answer 1")) < 0)
        return QStringLiteral("No heartbeat answer\n") + logs();
    if (!m_engine->waitForLogged(QStringLiteral("SyncClient::linkStateChanged link up status 2")))
        return QStringLiteral("The engine did not report the link up\n") + logs();
    return QString();
}

QString tst_LinkEndToEnd::logs()
{
    return QStringLiteral("controller:\n") + m_controller->lines().join(QLatin1Char('\n'))
           + QStringLiteral("\nengine:\n") + m_engine->standardError();
}

int tst_LinkEndToEnd::engineLogCount(const QString &text)
{
    return m_engine->standardError().count(text);
}

bool tst_LinkEndToEnd::heartbeatAnswered()
{
    const int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("beat 2"));
    return m_controller->waitForLine(QStringLiteral("heartbeat-answer 1"), from) >= 0;
}

void tst_LinkEndToEnd::heartbeatConnectionAndSupervision()
{
    const QString failure = startBoth();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(heartbeatAnswered());

    m_controller->command(QStringLiteral("connreq"));
    const int response = m_controller->waitForLine(QStringLiteral("connection-response"));
    QVERIFY(response >= 0);
    QCOMPARE(m_controller->lines().at(response), QStringLiteral("connection-response ok key="));

    // A burst: one answer, about 4 s after its last request.
    m_controller->command(QStringLiteral("supervise 3"));
    QElapsedTimer sinceBurst;
    sinceBurst.start();
    const int answer = m_controller->waitForLine(QStringLiteral("supervision-answer"), 0, 20000);
    const qint64 elapsed = sinceBurst.elapsed();
    QVERIFY(answer >= 0);
    QVERIFY2(m_controller->lines().at(answer).startsWith(QStringLiteral("supervision-answer ok")),
             qPrintable(m_controller->lines().at(answer)));
    QVERIFY2(elapsed >= 3800 && elapsed < 10000, qPrintable(QString::number(elapsed)));

    // Anything of the same burst would have come with the first answer,
    // before the next round trip.
    const int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("connreq"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("connection-response ok"), from) >= 0);
    QCOMPARE(m_controller->count(QStringLiteral("supervision-answer")), 1);
}

void tst_LinkEndToEnd::survivesGarbageAndTruncatedFrames()
{
    const QString failure = startBoth();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
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
        m_controller->command(command);

    QVERIFY(heartbeatAnswered());
    QVERIFY(m_engine->waitForLogged(QStringLiteral("above the limit")));
    QVERIFY(m_engine->waitForLogged(QStringLiteral("Unhandled function code 200")));
    QVERIFY(m_engine->waitForLogged(QStringLiteral("Short supervision packet")));
    QVERIFY(m_engine->waitForLogged(QStringLiteral("shorter than its header")));

    const int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("connreq"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("connection-response ok"), from) >= 0);
    QVERIFY(m_engine->isRunning());
}

void tst_LinkEndToEnd::linkLossAndReconnection()
{
    const QString failure = startBoth();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    m_controller->command(QStringLiteral("disconnect"));
    QVERIFY(m_engine->waitForLogged(QStringLiteral("SyncClient::linkStateChanged link down status 2")));

    // The controller comes back, starting up: the engine follows.
    const int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("connect"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("connected"), from) >= 0);
    m_controller->command(QStringLiteral("beat 1"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("heartbeat-answer"), from) >= 0);
    QVERIFY(m_engine->waitForLogged(QStringLiteral("SyncClient::linkStateChanged link up status 1")));
    QVERIFY(heartbeatAnswered());
    QCOMPARE(engineLogCount(QStringLiteral("link down status 2")), 1);
}

QTEST_GUILESS_MAIN(tst_LinkEndToEnd)
#include "tst_link_e2e.moc"
