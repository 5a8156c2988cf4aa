#include "MessageCapture.h"
#include "PacketBytes.h"
#include "SentPackets.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace {

SyncClient *client()
{
    return SyncClient::instance();
}

void receive(const QByteArray &payload)
{
    client()->ReceivedPacket(SyncPacket{SyncClient::LkSpeakChannel, lkPacket(233, payload)});
}

using Request = std::function<void()>;

} // namespace

Q_DECLARE_METATYPE(Request)

class tst_PanelUpdate final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void requests_data();
    void requests();
    void siteList_data();
    void siteList();
    void projectDetailsKeepsTheLaterEntry();
    void updateReply_data();
    void updateReply();
    void overview();
    void digitalEnrolmentFilePath();
    void otherKindsIgnored();
    void shortRepliesDropped_data();
    void shortRepliesDropped();

private:
    std::unique_ptr<MessageCapture> m_messages;
    std::unique_ptr<QSignalSpy> m_sent;
};

void tst_PanelUpdate::init()
{
    m_messages = std::make_unique<MessageCapture>();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
    m_sent = std::make_unique<QSignalSpy>(client(), &SyncClient::SendPacket);
}

void tst_PanelUpdate::cleanup()
{
    m_sent.reset();
    SyncClient::destroyInstance();
    m_messages.reset();
}

void tst_PanelUpdate::requests_data()
{
    QTest::addColumn<Request>("send");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("site list") << Request([] { client()->sendSiteListRequest(); }) << hex("02 00 00");
    QTest::newRow("project details of abc")
        << Request([] { client()->sendProjectDetailsRequest(QStringLiteral("abc")); }) << hex("02 01 03 616263");
    QTest::newRow("update") << Request([] { client()->sendUpdateRequest(4, QStringLiteral("ab"), 0x0102); })
                            << hex("02 02 04 0102 00 02 6162");
    QTest::newRow("progress") << Request([] { client()->sendPanelUpdateRequest(); }) << hex("02 03");
    QTest::newRow("process control") << Request([] { client()->sendUpdateProcessControl(1); }) << hex("02 04 01");
    QTest::newRow("digital enrolment file")
        << Request([] { client()->sendDigitalEnrolmentFileRequest(QStringLiteral("f"), 7); }) << hex("02 05 07 01 66");
}

void tst_PanelUpdate::requests()
{
    QFETCH(Request, send);
    QFETCH(QByteArray, payload);
    send();
    QCOMPARE(lkSpeakSent(*m_sent), QByteArrayList{withLength(hex("00000000 00 00 e9 0000 01 0000 b2 00") + payload)});
}

void tst_PanelUpdate::siteList_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("sites");
    QTest::newRow("none") << hex("03 00 0d 00") << 13 << QStringList{};
    QTest::newRow("two") << hex("03 00 00 02 01 41 02 7231 01 42 02 7232") << 0 << QStringList{"A r1", "B r2"};
}

void tst_PanelUpdate::siteList()
{
    QFETCH(QByteArray, payload);
    QSignalSpy replies(client(), &SyncClient::siteListReply);
    receive(payload);
    QCOMPARE(replies.count(), 1);
    QTEST(int(replies.first().at(0).value<TESK_CONTEXT::ePanelUpdateErrorCodes>()), "error");
    QStringList sites;
    for (const LkSpeak::SiteListData &site : replies.first().at(1).value<QVector<LkSpeak::SiteListData>>())
        sites << site.name + QLatin1Char(' ') + site.reference;
    QTEST(sites, "sites");
}

void tst_PanelUpdate::projectDetailsKeepsTheLaterEntry()
{
    QSignalSpy replies(client(), &SyncClient::projectDetailsReply);
    receive(hex("03 01 00 01 78 00 03  03 01 50 0001  05 01 51 0002  03 01 52 0003"));
    QCOMPARE(replies.count(), 1);
    const auto panels = replies.first().at(1).value<LkSpeak::panelDataMap_t>();
    QCOMPARE(panels.keys(), (QList<quint8>{3, 5}));
    QCOMPARE(panels.value(3).name, QStringLiteral("R"));
    QCOMPARE(panels.value(3).operations, quint16(3));
    QCOMPARE(panels.value(5).name, QStringLiteral("Q"));
}

void tst_PanelUpdate::updateReply_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("status");
    QTest::newRow("done: three bytes") << hex("03 02 00") << 0;
    QTest::newRow("status 5: six bytes") << hex("03 02 05 09 0102") << 5;
}

void tst_PanelUpdate::updateReply()
{
    QFETCH(QByteArray, payload);
    QSignalSpy replies(client(), &SyncClient::panelUpdateReply);
    receive(payload);
    QCOMPARE(replies.count(), 1);
    QTEST(int(replies.first().at(0).value<TESK_CONTEXT::ePanelUpdateErrorCodes>()), "status");
}

void tst_PanelUpdate::overview()
{
    QSignalSpy replies(client(), &SyncClient::panelUpdateOverviewReply);
    receive(hex("03 03 02 0102 03 04 0506 0708 09"));
    QCOMPARE(replies.count(), 1);
    const auto overview = replies.first().at(0).value<LkSpeak::PanelUpdateOverview>();
    QCOMPARE(overview.state, 2u);
    QCOMPARE(overview.valueA, quint16(0x0102));
    QCOMPARE(overview.valueB, quint8(3));
    QCOMPARE(overview.error, 4u);
    QCOMPARE(overview.valueC, quint16(0x0506));
    QCOMPARE(overview.valueD, quint16(0x0708));
    QCOMPARE(overview.valueE, quint8(9));
}

void tst_PanelUpdate::digitalEnrolmentFilePath()
{
    QSignalSpy replies(client(), &SyncClient::digitalEnrolmentFilePathReply);
    receive(hex("03 04 00 05 2f612f6263"));
    QCOMPARE(replies.count(), 1);
    QCOMPARE(replies.first().at(1).toString(), QStringLiteral("/a/bc"));
}

void tst_PanelUpdate::otherKindsIgnored()
{
    QSignalSpy sites(client(), &SyncClient::siteListReply);
    receive(hex("03 05 00 00"));
    receive(hex("03 ff 00 00"));
    QCOMPARE(sites.count(), 0);
    QVERIFY(m_messages->warnings().filter(QStringLiteral("panel update")).isEmpty());
}

void tst_PanelUpdate::shortRepliesDropped_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("site list without count") << hex("03 00 00");
    QTest::newRow("site name cut") << hex("03 00 00 01 05 4142");
    QTest::newRow("project entry cut") << hex("03 01 00 00 00 01 03 01 50 00");
    QTest::newRow("update without its extra bytes") << hex("03 02 05 09");
    QTest::newRow("overview cut") << hex("03 03 02 0102 03 04 0506 0708");
    QTest::newRow("path cut") << hex("03 04 00 05 2f61");
}

void tst_PanelUpdate::shortRepliesDropped()
{
    QFETCH(QByteArray, payload);
    QSignalSpy sites(client(), &SyncClient::siteListReply);
    QSignalSpy details(client(), &SyncClient::projectDetailsReply);
    QSignalSpy update(client(), &SyncClient::panelUpdateReply);
    QSignalSpy overview(client(), &SyncClient::panelUpdateOverviewReply);
    QSignalSpy path(client(), &SyncClient::digitalEnrolmentFilePathReply);
    receive(payload);
    QCOMPARE(sites.count() + details.count() + update.count() + overview.count() + path.count(), 0);
    QVERIFY(m_messages->contains(QStringLiteral("Truncated panel update reply")));
}

QTEST_GUILESS_MAIN(tst_PanelUpdate)
#include "tst_panelupdate.moc"
