#include "FreePort.h"
#include "PanelSimProcess.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_Ethernet.h"
#include "link/SC_LinkLayer.h"
#include "link/SyncClient.h"
#include "paneldata/PanelPointStringsFile.h"
#include "paneldata/PointTextCache.h"
#include "paneldata/SC_PageHandlerTable.h"

#include <QtTest>

#include <memory>

// The engine's protocol client in this process with the controller emulator
// configured for Cyrillic (code page 1251) in the first language and Greek
// (1253) in the second: names sent as those code pages' bytes arrive as the
// right letters, in the state store, in the text cache and in the panel's
// point-text file.

namespace {

constexpr int Timeout = 30000;
constexpr quint8 Panel = 1;

// Bytes C0 C1 in each language's code page.
const QString Cyrillic = QString(QChar(0x0410)) + QChar(0x0411);
const QString Greek = QString(QChar(0x0390)) + QChar(0x0391);

QByteArray pointTextFile(quint8 panel)
{
    QFile file(PanelPointStringsFile(panel).fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

} // namespace

class tst_CodePagesEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void namesInTheConfiguredCodePages();

private:
    QTemporaryDir m_directory;
};

void tst_CodePagesEndToEnd::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_CodePagesEndToEnd::namesInTheConfiguredCodePages()
{
    SyncClient *client = SyncClient::instance();
    SC_PageHandlerTable::registerWith(client);
    client->feedStateStore(BucketMaster::instance());
    const quint16 port = freePort();
    SC_Ethernet transport(port);
    SC_LinkLayer link(&transport);
    client->connectLinkLayer(&link);
    link.Start();
    PanelSimProcess controller;
    QVERIFY(controller.start(port));
    const auto said = [&controller](const QString &start, int from) {
        const int found = controller.waitForLineWithEvents(start, from, Timeout);
        if (found < 0)
            qWarning().noquote() << controller.lines().join(QLatin1Char('\n'));
        return found >= 0;
    };
    QVERIFY(said(QStringLiteral("connected"), 0));

    int from = controller.lineCount();
    controller.command(QStringLiteral("codepage 1 1251"));
    controller.command(QStringLiteral("codepage 2 1253"));
    controller.command(QStringLiteral("sync"));
    QVERIFY(said(QStringLiteral("sync done status=0"), from));
    QCOMPARE(TeskGlobalConfig::instance()->getCodepage(1), quint16(1251));
    QCOMPARE(TeskGlobalConfig::instance()->getCodepage(2), quint16(1253));

    // Zone 5's name (page 6) and loop 1 point 2's name (page 7), in both
    // languages.
    from = controller.lineCount();
    controller.command(QStringLiteral("page 6 1 0 02 05 01 02c0c1 02c0c1"));
    controller.command(QStringLiteral("page 7 1 0 02 0001 0001 02 01 02c0c1 02c0c1"));
    QVERIFY(said(QStringLiteral("ack page=7"), from));
    BucketMaster *store = BucketMaster::instance();
    QTRY_COMPARE_WITH_TIMEOUT(store->getValue(6, QStringLiteral("1|5|1")), Cyrillic, Timeout);
    QCOMPARE(store->getValue(6, QStringLiteral("1|5|2")), Greek);
    PointTextCache *texts = PointTextCache::instance();
    QTRY_COMPARE_WITH_TIMEOUT(texts->pointText(Panel, ChannelAddress(12, 1, 0), 2, 1), Cyrillic, Timeout);
    QCOMPARE(texts->pointText(Panel, ChannelAddress(12, 1, 0), 2, 2), Greek);
    QTRY_COMPARE_WITH_TIMEOUT(pointTextFile(Panel), QStringLiteral("12;1;0;2;%1;%2;\n").arg(Cyrillic, Greek).toUtf8(),
                              Timeout);
}

QTEST_MAIN(tst_CodePagesEndToEnd)
#include "tst_codepages_e2e.moc"
