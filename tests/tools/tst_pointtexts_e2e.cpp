#include "DemoPointTexts.h"
#include "EndToEndRig.h"
#include "Site.h"

#include <QtTest>

#include <memory>

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
    QString dataDirectory() const;
    QByteArray fileOf(quint8 panel) const;

    std::unique_ptr<EndToEndRig> m_rig;
};

void tst_PointTextsEndToEnd::init()
{
    m_rig = std::make_unique<EndToEndRig>();
}

void tst_PointTextsEndToEnd::cleanup()
{
    QVERIFY2(m_rig->stop(), qPrintable(m_rig->failure()));
    m_rig.reset();
}

QString tst_PointTextsEndToEnd::dataDirectory() const
{
    return QStringLiteral("%1/c:/DESKSIM/DESKSIM 3_6/data%2").arg(m_rig->engine().directory()).arg(m_rig->port());
}

QByteArray tst_PointTextsEndToEnd::fileOf(quint8 panel) const
{
    QFile file(QStringLiteral("%1/strings/%2/output_%3.txt")
                   .arg(dataDirectory())
                   .arg(panel)
                   .arg(panel, 2, 10, QLatin1Char('0')));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

void tst_PointTextsEndToEnd::pointTextFiles()
{
    const Site site = Site::demo();
    const SitePanel &panel1 = site.configuration.panels.first();
    PanelSimProcess &controller = m_rig->controller();
    QVERIFY2(m_rig->start(), qPrintable(m_rig->failure()));

    controller.command(QStringLiteral("site"));
    QVERIFY(controller.waitForLine(QStringLiteral("site-sent")) >= 0);
    for (const SitePanel &panel : site.configuration.panels)
        QTRY_COMPARE_WITH_TIMEOUT(fileOf(panel.number), expectedPointTextFile(panel, site.texts), 30000);

    // A later part of panel 1's names, loop 2 point 1 renamed in one
    // language: the engine, holding panel 3's names, reads panel 1's file
    // back and merges the part into it.
    controller.command(QStringLiteral("lk 245 0a 07 01 01 00000001  01 0001  00 02 01 01 07 52656e616d6564"));
    QByteArray renamed = expectedPointTextFile(panel1, site.texts);
    const SiteTexts::Texts old = site.texts.pointName(panel1.channels.at(1).points.first());
    const QByteArray oldLine = QStringLiteral("12;2;0;1;%1;%2;\n").arg(old.first, old.second).toUtf8();
    QVERIFY(renamed.contains(oldLine));
    renamed.replace(oldLine, "12;2;0;1;Renamed;;\n");
    QTRY_COMPARE_WITH_TIMEOUT(fileOf(1), renamed, 30000);

    // A restarted engine starts without point names: they come again with
    // the controller's pages.
    QVERIFY2(m_rig->stopEngine(), qPrintable(m_rig->failure()));
    QVERIFY(controller.waitForLine(QStringLiteral("disconnected")) >= 0);
    QCOMPARE(fileOf(1), renamed);
    QVERIFY2(m_rig->startEngine(), qPrintable(m_rig->failure()));
    const int from = controller.lineCount();
    controller.command(QStringLiteral("connect"));
    QVERIFY2(m_rig->waitForLink(from), qPrintable(m_rig->failure()));
    QVERIFY(!QFileInfo::exists(dataDirectory() + QStringLiteral("/strings")));
    controller.command(QStringLiteral("site"));
    for (const SitePanel &panel : site.configuration.panels)
        QTRY_COMPARE_WITH_TIMEOUT(fileOf(panel.number), expectedPointTextFile(panel, site.texts), 30000);
    QVERIFY(m_rig->engine().isRunning());
}

QTEST_GUILESS_MAIN(tst_PointTextsEndToEnd)
#include "tst_pointtexts_e2e.moc"
