#include "DemoPointTexts.h"
#include "EngineProcess.h"
#include "PanelSimProcess.h"
#include "WaitUntil.h"

#include "FreePort.h"

#include "Site.h"

#include <QtTest>

// The built engine with the controller emulator: the demo site's point
// names reach the per-panel files, a later part is merged into a file read
// back from disk, and a restart starts afresh until the names come again.
class tst_PointTextsEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pointTextFiles();

private:
    bool connectController(int from);
    QString dataDirectory() const;
    QByteArray fileOf(quint8 panel) const;

    std::unique_ptr<EngineProcess> m_engine;
    std::unique_ptr<PanelSimProcess> m_controller;
    quint16 m_port = 0;
    int m_linkUps = 0;
};

void tst_PointTextsEndToEnd::init()
{
    m_port = freePort();
    m_linkUps = 0;
    m_engine = std::make_unique<EngineProcess>();
    m_controller = std::make_unique<PanelSimProcess>();
}

void tst_PointTextsEndToEnd::cleanup()
{
    m_controller.reset();
    if (m_engine && m_engine->isRunning())
        QVERIFY2(m_engine->terminate(), qPrintable(m_engine->standardError()));
    m_engine.reset();
}

QString tst_PointTextsEndToEnd::dataDirectory() const
{
    return QStringLiteral("%1/c:/DESKSIM/DESKSIM 3_6/data%2").arg(m_engine->directory()).arg(m_port);
}

QByteArray tst_PointTextsEndToEnd::fileOf(quint8 panel) const
{
    QFile file(QStringLiteral("%1/strings/%2/output_%3.txt")
                   .arg(dataDirectory())
                   .arg(panel)
                   .arg(panel, 2, 10, QLatin1Char('0')));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

// Waits for the link: a heartbeat answered and the engine's protocol client
// following the link.
bool tst_PointTextsEndToEnd::connectController(int from)
{
    if (m_controller->waitForLine(QStringLiteral("connected"), from) < 0)
        return false;
    const int beat = m_controller->lineCount();
    m_controller->command(QStringLiteral("beat 2"));
    if (m_controller->waitForLine(QStringLiteral("heartbeat-answer"), beat) < 0)
        return false;
    const QString linkUp = QStringLiteral("link up status 2");
    const int before = m_linkUps;
    waitUntil([&] { return m_engine->standardError().count(linkUp) > before; });
    m_linkUps = m_engine->standardError().count(linkUp);
    return m_linkUps > before;
}

void tst_PointTextsEndToEnd::pointTextFiles()
{
    const Site site = Site::demo();
    const SitePanel &panel1 = site.configuration.panels.first();
    QVERIFY(m_engine->start({QStringLiteral("--port=%1").arg(m_port)}));
    QVERIFY(m_controller->start(m_port));
    QVERIFY(connectController(0));

    m_controller->command(QStringLiteral("site"));
    QVERIFY(m_controller->waitForLine(QStringLiteral("site-sent")) >= 0);
    for (const SitePanel &panel : site.configuration.panels)
        QTRY_COMPARE_WITH_TIMEOUT(fileOf(panel.number), expectedPointTextFile(panel, site.texts), 30000);

    // A later part of panel 1's names, loop 2 point 1 renamed in one
    // language: the engine, holding panel 3's names, reads panel 1's file
    // back and merges the part into it.
    m_controller->command(QStringLiteral("lk 245 0a 07 01 01 00000001  01 0001  00 02 01 01 07 52656e616d6564"));
    QByteArray renamed = expectedPointTextFile(panel1, site.texts);
    const SiteTexts::Texts old = site.texts.pointName(panel1.channels.at(1).points.first());
    const QByteArray oldLine = QStringLiteral("12;2;0;1;%1;%2;\n").arg(old.first, old.second).toUtf8();
    QVERIFY(renamed.contains(oldLine));
    renamed.replace(oldLine, "12;2;0;1;Renamed;;\n");
    QTRY_COMPARE_WITH_TIMEOUT(fileOf(1), renamed, 30000);

    // A restarted engine starts without point names: they come again with
    // the controller's pages.
    QVERIFY2(m_engine->terminate(), qPrintable(m_engine->standardError()));
    QVERIFY(m_controller->waitForLine(QStringLiteral("disconnected")) >= 0);
    QCOMPARE(fileOf(1), renamed);
    QVERIFY(m_engine->start({QStringLiteral("--port=%1").arg(m_port)}));
    const int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("connect"));
    QVERIFY(connectController(from));
    QVERIFY(!QFileInfo::exists(dataDirectory() + QStringLiteral("/strings")));
    m_controller->command(QStringLiteral("site"));
    for (const SitePanel &panel : site.configuration.panels)
        QTRY_COMPARE_WITH_TIMEOUT(fileOf(panel.number), expectedPointTextFile(panel, site.texts), 30000);
    QVERIFY(m_engine->isRunning());
}

QTEST_GUILESS_MAIN(tst_PointTextsEndToEnd)
#include "tst_pointtexts_e2e.moc"
