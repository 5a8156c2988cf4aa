#include "ConfigurationPages.h"
#include "DemoPointTexts.h"
#include "PacketBytes.h"
#include "ServicePages.h"
#include "SiteConfiguration.h"
#include "SiteTexts.h"
#include "SyncPageBench.h"
#include "TextPages.h"
#include "core/BucketMaster.h"
#include "link/SyncClient.h"
#include "paneldata/IRserviceHandler.h"
#include "paneldata/KeyOrderedDeviceUses.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PanelPointStringsFile.h"
#include "paneldata/PanelsFromLkNetConfiguration.h"
#include "paneldata/PointTextCache.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The file once the names the engine holds in memory are written.
QByteArray fileBytes(quint8 panel)
{
    PointTextCache::instance()->flush();
    QFile file(PanelPointStringsFile(panel).fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

} // namespace

// The emulator's name, text, network and service pages of its demo site,
// read by the engine: every part is taken and lands where the screens look.
class tst_PanelSimPages final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void textsInTheirCodePages_data();
    void textsInTheirCodePages();
    void demoSiteReachesTheEngine_data();
    void demoSiteReachesTheEngine();
    void loopCounters();
    void outputsReEnableTime();
    void demoPrintersReachTheEngine();

private:
    // Every payload as a support packet asking for an acknowledgement; the
    // answers, in order.
    QList<int> receiveAll(const QVector<QByteArray> &payloads, int layout);

    QTemporaryDir m_directory;
    std::unique_ptr<SyncPageBench> m_bench;
    const SiteConfiguration m_site = SiteConfiguration::demo(1);
    const SiteTexts m_texts = SiteTexts::demo();
};

void tst_PanelSimPages::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_PanelSimPages::init()
{
    m_bench = std::make_unique<SyncPageBench>();
    PointTextCache::instance()->clearPanel(255);
}

void tst_PanelSimPages::cleanup()
{
    m_bench.reset();
}

QList<int> tst_PanelSimPages::receiveAll(const QVector<QByteArray> &payloads, int layout)
{
    QList<int> answers;
    for (const QByteArray &payload : payloads) {
        const QByteArray packet = supportPacket(payload);
        m_bench->receive(layout == 1 ? inLayout1(packet) : packet);
        const QByteArrayList sent = m_bench->takeSent();
        answers << (sent.isEmpty() ? -1 : quint8(sent.last().back()));
    }
    return answers;
}

void tst_PanelSimPages::textsInTheirCodePages_data()
{
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("850") << 850 << QStringLiteral("K\u00fcche")
                         << QByteArray("K\x81"
                                       "che");
    QTest::newRow("1251") << 1251 << QStringLiteral("\u041a\u0443\u0445\u043d\u044f")
                          << QByteArray("\xca\xf3\xf5\xed\xff");
    QTest::newRow("866") << 866 << QStringLiteral("\u041a") << QByteArray("\x8a");
}

void tst_PanelSimPages::textsInTheirCodePages()
{
    QFETCH(int, codePage);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    SiteTexts texts;
    texts.secondCodePage = quint16(codePage);
    QCOMPARE(texts.encode(text, 2), bytes);
}

void tst_PanelSimPages::demoSiteReachesTheEngine_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("layout 0") << 0;
    QTest::newRow("layout 1") << 1;
}

void tst_PanelSimPages::demoSiteReachesTheEngine()
{
    QFETCH(int, layout);
    const QVector<QByteArray> pages =
        TextPages::payloads(m_site, m_texts, layout) + ServicePages::payloads(m_site, m_texts);
    const QList<int> answers = receiveAll(pages, layout);
    QCOMPARE(answers.count(0), pages.size());

    // Point names: every panel's file holds all its points, from all parts.
    for (const SitePanel &panel : m_site.panels)
        QCOMPARE(fileBytes(panel.number), expectedPointTextFile(panel, m_texts));
    QCOMPARE(PointTextCache::instance()->pointText(1, ChannelAddress(12, 2, 0), 30, 2),
             m_texts.pointName(m_site.panels.first().channels.at(1).points.at(29)).second);

    const auto value = [this](int bucket, const char *key) { return m_bench->value(bucket, QLatin1String(key)); };
    QCOMPARE(value(6, "2|4|2"), QStringLiteral("K\u00fcche"));
    QCOMPARE(value(6, "3|20|1"), QStringLiteral("Gate house"));
    QCOMPARE(value(11, "200"), QStringLiteral("VIN"));
    QCOMPARE(value(12, "20|2"), QStringLiteral("W\u00e4rmemelder"));
    QCOMPARE(value(18, "1|1|1"), QStringLiteral("Call the fire brigade: 112"));
    QCOMPARE(value(19, "2|2"), QStringLiteral("St\u00f6rung"));
    QCOMPARE(value(28, "3|12|3|2"), QStringLiteral("Ringleitung 3"));

    QCOMPARE(PanelsFromLkNetConfiguration::instance()->panelList(), (QList<quint8>{1, 2, 3}));
    QCOMPARE(m_bench->bucket(39), (QStringList{"1=1", "2=1", "3=1"}));
    QCOMPARE(value(31, "2|2").left(5), QStringLiteral("01110"));
    QCOMPARE(value(36, "2|2|0|2|200|2|0|0|0|0|0|0|"), QStringLiteral("1"));
    QCOMPARE(KeyOrderedDeviceUses::instance()->useGroupSize(3), 3);
    QCOMPARE(value(37, "srvTlSts"), QStringLiteral("0"));
    QCOMPARE(value(9, "2|4|204"), QStringLiteral("1"));
    QCOMPARE(value(27, "3|smplMds|fastLgc"), QStringLiteral("false"));
    QCOMPARE(IRserviceHandler::instance()->irMode(2), IRserviceHandler::NotAvailable);
    QCOMPARE(value(148, "lsr|1|4"), QStringLiteral("1|0|4|30"));
}

void tst_PanelSimPages::loopCounters()
{
    QSignalSpy completed(SyncClient::instance(), &SyncClient::loopScanCompleted);
    const SitePanel &panel = m_site.panels.at(1);
    QCOMPARE(receiveAll({ServicePages::loopCounters(panel, 2)}, 0), QList<int>{0});
    QCOMPARE(m_bench->value(29, QStringLiteral("pld|2|2")), QStringLiteral("3|450|45"));
    QCOMPARE(m_bench->value(29, QStringLiteral("bothresponses|2|2")), QStringLiteral("1"));
    const QString answered = m_bench->value(29, QStringLiteral("both|2|2"));
    QCOMPARE(answered.size(), 254);
    QCOMPARE(answered.count(QLatin1Char('1')), 45);
    QCOMPARE(answered.indexOf(QLatin1Char('1')), 1);
    QCOMPARE(completed.count(), 1);
}

// The time the non-LED outputs options popup shows as the isolation's end.
void tst_PanelSimPages::outputsReEnableTime()
{
    SitePanel panel = m_site.panels.at(1);
    QCOMPARE(receiveAll({ServicePages::commissioning(panel)}, 0), QList<int>{0});
    QCOMPARE(m_bench->value(27, QStringLiteral("2|optReEnbleTmr")), QStringLiteral("0"));
    panel.outputsReEnableTime = 3661;
    QCOMPARE(receiveAll({ServicePages::commissioning(panel)}, 0), QList<int>{0});
    QCOMPARE(m_bench->value(27, QStringLiteral("2|optReEnbleTmr")), QStringLiteral("3661"));
}

// The report destination screen lists a panel's printers from its
// configuration page: the demo site's reach the engine with their names.
void tst_PanelSimPages::demoPrintersReachTheEngine()
{
    const QVector<QByteArray> pages = ConfigurationPages::payloads(m_site, 0);
    const QList<int> answers = receiveAll(pages, 0);
    QCOMPARE(answers.count(0), pages.size());

    PanelConfiguration *configuration = PanelConfiguration::instance();
    const QList<QPair<quint8, QStringList>> expected{
        {1, {"1 Reception desk", "2 Fire control room"}}, {2, {}}, {3, {"1 Gatehouse"}}};
    for (const auto &panel : expected) {
        QStringList printers;
        for (const PrinterEntry &printer : configuration->printers(panel.first))
            printers << QStringLiteral("%1 %2").arg(printer.printerNumber).arg(printer.name1);
        QCOMPARE(printers, panel.second);
    }
    // The page goes on after the printers: the panel's identifier is read.
    QCOMPARE(configuration->panelIdentifier(3), QStringLiteral("SIM-03"));
}

QTEST_GUILESS_MAIN(tst_PanelSimPages)
#include "tst_panelsimpages.moc"
