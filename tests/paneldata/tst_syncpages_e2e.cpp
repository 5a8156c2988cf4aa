#include "FreePort.h"
#include "EngineProcess.h"
#include "PanelSimProcess.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

// "panel/page" -> the signatures in part order.
using Signatures = QMap<QString, QStringList>;

// The groups of a signature-transfer reply as panelsim prints them.
Signatures transferred(const QString &line)
{
    Signatures held;
    const QRegularExpressionMatch panels = QRegularExpression(QStringLiteral("panels=(\\d+)")).match(line);
    const QRegularExpressionMatch trailing = QRegularExpression(QStringLiteral("trailing=([0-9a-f]*)")).match(line);
    const QByteArray bytes = QByteArray::fromHex(trailing.captured(1).toLatin1());
    int at = 0;
    for (int p = 0; p < panels.captured(1).toInt() && at + 2 <= bytes.size(); ++p) {
        const int panel = quint8(bytes.at(at++));
        const int pages = quint8(bytes.at(at++));
        for (int g = 0; g < pages && at + 2 <= bytes.size(); ++g) {
            const int page = quint8(bytes.at(at++));
            const int count = quint8(bytes.at(at++));
            QStringList &signatures = held[QStringLiteral("%1/%2").arg(panel).arg(page)];
            for (int i = 0; i < count && at + 4 <= bytes.size(); ++i, at += 4)
                signatures << QString::fromLatin1(bytes.mid(at, 4).toHex());
        }
    }
    return held;
}

} // namespace

// The built engine synchronised by the controller emulator over loopback.
class tst_SyncPagesEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void synchronisation();

private:
    // The last signature-transfer reply to a request made now.
    Signatures askSignatures();

    std::unique_ptr<EngineProcess> m_engine;
    std::unique_ptr<PanelSimProcess> m_controller;
};

void tst_SyncPagesEndToEnd::init()
{
    m_engine = std::make_unique<EngineProcess>();
    m_controller = std::make_unique<PanelSimProcess>();
}

void tst_SyncPagesEndToEnd::cleanup()
{
    m_controller.reset();
    if (m_engine && m_engine->isRunning())
        QVERIFY2(m_engine->terminate(), qPrintable(m_engine->standardError()));
    m_engine.reset();
}

Signatures tst_SyncPagesEndToEnd::askSignatures()
{
    const int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("sigs"));
    const int reply = m_controller->waitForLine(QStringLiteral("rx signature-transfer-reply"), from);
    return reply < 0 ? Signatures{{QStringLiteral("no reply"), {}}} : transferred(m_controller->lines().at(reply));
}

void tst_SyncPagesEndToEnd::synchronisation()
{
    const quint16 port = freePort();
    QVERIFY(m_engine->start({QStringLiteral("--port=%1").arg(port)}));
    QVERIFY(m_controller->start(port));
    QVERIFY(m_controller->waitForLine(QStringLiteral("connected")) >= 0);
    m_controller->command(QStringLiteral("beat 2"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("heartbeat-answer 1")) >= 0);
    QVERIFY(m_engine->waitForLogged(QStringLiteral("SyncClient::linkStateChanged link up status 2")));

    m_controller->command(QStringLiteral("sync"));
    const int done = m_controller->waitForLine(QStringLiteral("sync done"));
    QVERIFY2(done >= 0, qPrintable(m_controller->lines().join('\n')));
    const QStringList lines = m_controller->lines();
    QCOMPARE(lines.at(done), QStringLiteral("sync done status=0"));
    QVERIFY(lines.contains(QStringLiteral("connection-response ok key=")));
    // The configuration is answered, then the engine asks for its events.
    const int configured = lines.indexOf(QStringLiteral("sync engine-configuration status=0"));
    const int reSync = lines.indexOf(QStringLiteral("sync eventlog-resync requested"));
    QVERIFY(configured >= 0 && reSync > configured);

    // Every part taken (status 0) is listed with its signature, in part order,
    // and only those.
    Signatures stored;
    const QRegularExpression acknowledged(
        QStringLiteral("^ack page=(\\d+) panel=(\\d+) part=\\d+ signature=([0-9a-f]{8}) status=(\\d+)$"));
    int statusCounts = 0;
    for (const QString &line : lines) {
        const QRegularExpressionMatch ack = acknowledged.match(line);
        if (!ack.hasMatch())
            continue;
        QVERIFY2(ack.captured(4) == QLatin1String("0") || ack.captured(4) == QLatin1String("2"), qPrintable(line));
        if (ack.captured(4) == QLatin1String("0"))
            stored[ack.captured(2) + '/' + ack.captured(1)] << ack.captured(3);
        if (ack.captured(1) == QLatin1String("5")) {
            QCOMPARE(ack.captured(4), QStringLiteral("0"));
            ++statusCounts;
        }
    }
    QCOMPARE(statusCounts, 4);
    QCOMPARE(askSignatures(), stored);

    // A page the engine has no handler for.
    int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("page 44 1 0 0102"));
    const int unhandled = m_controller->waitForLine(QStringLiteral("ack page=44"), from);
    QVERIFY(unhandled >= 0);
    QVERIFY(m_controller->lines().at(unhandled).endsWith(QLatin1String("status=2")));
    QCOMPARE(askSignatures(), stored);

    // A later count change reaches the engine's counters.
    from = m_controller->lineCount();
    m_controller->command(QStringLiteral("count 2 faults 7"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("ack page=5 panel=254"), from) >= 0);
    QVERIFY(m_engine->waitForLogged(QStringLiteral("PanelCounters::setFaults panel 2: 7")));

    // A controller that starts again: the status counts and their
    // signatures go; the other pages keep theirs.
    from = m_controller->lineCount();
    m_controller->command(QStringLiteral("beat 1"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("heartbeat-answer"), from) >= 0);
    QVERIFY(m_engine->waitForLogged(QStringLiteral("SyncClient::linkStateChanged link up status 1")));
    const Signatures afterRestart = askSignatures();
    QCOMPARE(afterRestart.keys(), stored.keys());
    for (auto it = afterRestart.cbegin(); it != afterRestart.cend(); ++it) {
        if (it.key().endsWith(QLatin1String("/5")))
            QCOMPARE(it.value(), QStringList{"00000000"});
        else
            QCOMPARE(it.value(), stored.value(it.key()));
    }
    QVERIFY(m_engine->isRunning());
}

QTEST_GUILESS_MAIN(tst_SyncPagesEndToEnd)
#include "tst_syncpages_e2e.moc"
