#include "EndToEndRig.h"

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

    std::unique_ptr<EndToEndRig> m_rig;
};

void tst_SyncPagesEndToEnd::init()
{
    m_rig = std::make_unique<EndToEndRig>();
    QVERIFY2(m_rig->start(), qPrintable(m_rig->failure()));
}

void tst_SyncPagesEndToEnd::cleanup()
{
    QVERIFY2(m_rig->stop(), qPrintable(m_rig->failure()));
    m_rig.reset();
}

Signatures tst_SyncPagesEndToEnd::askSignatures()
{
    PanelSimProcess &controller = m_rig->controller();
    const int from = controller.lineCount();
    controller.command(QStringLiteral("sigs"));
    const int reply = controller.waitForLine(QStringLiteral("rx signature-transfer-reply"), from);
    return reply < 0 ? Signatures{{QStringLiteral("no reply"), {}}} : transferred(controller.lines().at(reply));
}

void tst_SyncPagesEndToEnd::synchronisation()
{
    PanelSimProcess &controller = m_rig->controller();
    EngineProcess &engine = m_rig->engine();
    controller.command(QStringLiteral("sync"));
    const int done = controller.waitForLine(QStringLiteral("sync done"));
    QVERIFY2(done >= 0, qPrintable(controller.lines().join('\n')));
    const QStringList lines = controller.lines();
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
    int from = controller.lineCount();
    controller.command(QStringLiteral("page 44 1 0 0102"));
    const int unhandled = controller.waitForLine(QStringLiteral("ack page=44"), from);
    QVERIFY(unhandled >= 0);
    QVERIFY(controller.lines().at(unhandled).endsWith(QLatin1String("status=2")));
    QCOMPARE(askSignatures(), stored);

    // A later count change reaches the engine's counters.
    from = controller.lineCount();
    controller.command(QStringLiteral("count 2 faults 7"));
    QVERIFY(controller.waitForLine(QStringLiteral("ack page=5 panel=254"), from) >= 0);
    QVERIFY(engine.waitForLogged(QStringLiteral("PanelCounters::setFaults panel 2: 7")));

    // A controller that starts again: the status counts and their
    // signatures go; the other pages keep theirs.
    from = controller.lineCount();
    controller.command(QStringLiteral("beat 1"));
    QVERIFY(controller.waitForLine(QStringLiteral("heartbeat-answer"), from) >= 0);
    QVERIFY(engine.waitForLogged(QStringLiteral("SyncClient::linkStateChanged link up status 1")));
    const Signatures afterRestart = askSignatures();
    QCOMPARE(afterRestart.keys(), stored.keys());
    for (auto it = afterRestart.cbegin(); it != afterRestart.cend(); ++it) {
        if (it.key().endsWith(QLatin1String("/5")))
            QCOMPARE(it.value(), QStringList{"00000000"});
        else
            QCOMPARE(it.value(), stored.value(it.key()));
    }
    QVERIFY(engine.isRunning());
}

QTEST_GUILESS_MAIN(tst_SyncPagesEndToEnd)
#include "tst_syncpages_e2e.moc"
