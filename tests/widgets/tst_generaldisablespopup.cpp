#include "NamedChild.h"
#include "PageUnderPopups.h"
#include "SentPackets.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointIndividualAddress.h"
#include "screens/popups/AUK_40049.h"
#include "screens/popups/AUK_40064.h"
#include "widgets/AUK_90003.h"

#include <QPointer>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

enum Role : int {
    PanelRole = 33,
    PointNumberRole = 35,
    ChannelAddressRole = 38,
    ChannelNumberRole = 43,
    PointRole = 65,
    ChannelKindRole = 70,
};

constexpr quint8 LoopKind = 12;
constexpr int DisabledMap = 14;
constexpr int ForcedMap = 140;
const QList<int> ActiveMaps{137, 142, 143, 140, 131, 145, 135, 136, 144};

struct Point
{
    int panel;
    quint8 loop;
    quint8 point;
};

// The list of general disablements: the event-log rows' point columns.
std::unique_ptr<QStandardItemModel> disablements(const QVector<Point> &points)
{
    auto model = std::make_unique<QStandardItemModel>();
    for (const Point &p : points) {
        auto *item = new QStandardItem(QStringLiteral("disabled"));
        item->setData(p.panel, PanelRole);
        item->setData(uint(LoopKind), ChannelKindRole);
        item->setData(0u, ChannelNumberRole);
        item->setData(uint(p.loop), ChannelAddressRole);
        item->setData(uint(p.point), PointNumberRole);
        item->setData(QVariant::fromValue(PointIndividualAddress(LoopKind, p.loop, 0, p.point)), PointRole);
        model->appendRow(item);
    }
    return model;
}

void setBit(int page, const Point &p)
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    const ChannelAddress channel(LoopKind, p.loop, 0);
    QBitArray bits = maps->channelPoints(page, quint8(p.panel), LoopKind, 0, p.loop);
    bits.resize(256);
    bits.setBit(p.point);
    maps->setChannelPoints(page, quint8(p.panel), channel, bits);
}

QString topPage()
{
    return PageStack::instance()->pageNames().value(PageStack::instance()->count() - 1);
}

} // namespace

class RefreshingOwner final : public QObject
{
    Q_OBJECT

signals:
    void disablementsRefreshed();
};

// The general disables popup: the normal points it counts, the lists it
// builds per panel and the active-devices warning.
class tst_GeneralDisablesPopup : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;
    QPointer<AUK_40064> m_warning;

    AUK_40049 *pushed(const QModelIndex &index, QObject *owner = nullptr)
    {
        m_warning = new AUK_40064(nullptr, false);
        connect(m_warning, &BasePopup::rightButtonClicked, PageStack::instance(), qOverload<>(&PageStack::pop));
        auto *popup = new AUK_40049(index, owner, m_warning, nullptr, nullptr);
        PageStack::instance()->push(popup);
        return popup;
    }

    static void choose(AUK_40049 *popup, const char *name) { namedChild<AUK_90003>(popup, name)->click(); }

    // Panel 1 loop 1 points 1 to 3, panel 2 loop 1 points 4 and 5; point 2
    // forced on, point 5 in alarm.
    static std::unique_ptr<QStandardItemModel> fiveWithTwoActive()
    {
        const Point active1{1, 1, 2};
        const Point active2{2, 1, 5};
        setBit(137, active1);
        setBit(144, active2);
        return disablements({{1, 1, 1}, active1, {1, 1, 3}, {2, 1, 4}, active2});
    }

private slots:
    void init()
    {
        TeskGlobalConfig::instance()->setConnectionNodeNumber(5);
        TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
        PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
        for (int page : ActiveMaps)
            maps->addMapPage(page);
        maps->addMapPage(DisabledMap);
        for (int page : ActiveMaps + QList<int>{DisabledMap})
            for (quint8 panel = 1; panel <= 2; ++panel)
                maps->setChannelPoints(page, panel, ChannelAddress(LoopKind, 1, 0), QBitArray(256));
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup()
    {
        m_page.reset();
        delete m_warning;
    }

    void countsAndEnablesTheNormalPoints()
    {
        auto model = fiveWithTwoActive();
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40049 *popup = pushed(model->index(0, 0));
        QCOMPARE(namedChild<AUK_90003>(popup, "allNormalItem")->text(),
                 QStringLiteral("_ALL_NORMAL_323_32_BODYTEXTSTYLE (3)"));
        QCOMPARE(popup->leftButtonText(), QStringLiteral("_ENABLE_POPUPSK"));
        choose(popup, "allNormalItem");
        emit popup->leftButtonClicked();
        QCOMPARE(topPage(), QStringLiteral("AUK_40062"));
        const QVector<SentDisablement> requests = disablementsSent(packets);
        QCOMPARE(pointsByPanel(requests), QStringLiteral("1:2 2:1"));
        QCOMPARE(requests.at(0).function, 0);
        QCOMPARE(requests.at(0).direction, 3);
        QCOMPARE(labelText(PageStack::instance(), "pendingCount"), QStringLiteral("0003"));
    }

    // A point that turns active while the choice is open is no longer
    // normal at OK: it is left out of the points enabled.
    void pointActiveMeanwhileIsLeftOut()
    {
        auto model = fiveWithTwoActive();
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40049 *popup = pushed(model->index(0, 0));
        setBit(137, {1, 1, 3});
        choose(popup, "allNormalItem");
        emit popup->leftButtonClicked();
        QCOMPARE(pointsByPanel(disablementsSent(packets)), QStringLiteral("1:1 2:1"));
    }

    void singleChoices_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("choice");
        QTest::addColumn<int>("entries");
        QTest::newRow("selected, normal") << 0 << QByteArray("selectedItem") << 1;
        QTest::newRow("selected, active") << 1 << QByteArray("selectedItem") << 1;
        QTest::newRow("selected if normal, normal") << 3 << QByteArray("selectedNormalItem") << 1;
        QTest::newRow("selected if normal, active: nothing sent") << 1 << QByteArray("selectedNormalItem") << 0;
    }

    void singleChoices()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, choice);
        QFETCH(int, entries);
        auto model = fiveWithTwoActive();
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40049 *popup = pushed(model->index(row, 0));
        choose(popup, choice.constData());
        emit popup->leftButtonClicked();
        QCOMPARE(topPage(), QStringLiteral("AUK_40062"));
        const QVector<SentDisablement> requests = disablementsSent(packets);
        QCOMPARE(requests.size(), entries);
        if (entries == 0)
            return;
        QCOMPARE(requests.first().function, 0);
        QCOMPARE(requests.first().panel, model->index(row, 0).data(PanelRole).toInt());
        QCOMPARE(requests.first().entries, 1);
    }

    // A disabled point that is forced: the warning comes first, and its
    // Cancel sends nothing.
    void flaggedPointWarnsFirst()
    {
        auto model = fiveWithTwoActive();
        setBit(DisabledMap, {1, 1, 3});
        setBit(ForcedMap, {1, 1, 3});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40049 *popup = pushed(model->index(2, 0));
        emit popup->leftButtonClicked();
        QCOMPARE(topPage(), QStringLiteral("AUK_40064"));
        emit m_warning->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
        QVERIFY(lkSpeakSent(packets).isEmpty());
    }

    void rowGoneSendsNothing()
    {
        auto model = fiveWithTwoActive();
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40049 *popup = pushed(model->index(4, 0));
        model->removeRow(4);
        emit popup->leftButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
        QVERIFY(lkSpeakSent(packets).isEmpty());
    }

    void cancelSendsNothing()
    {
        auto model = fiveWithTwoActive();
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40049 *popup = pushed(model->index(0, 0));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
        QVERIFY(lkSpeakSent(packets).isEmpty());
    }

    // The progress popup it opens waits for the list of disablements to
    // show the enabled point before it closes.
    void progressWaitsForTheOwner()
    {
        auto model = fiveWithTwoActive();
        RefreshingOwner owner;
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        AUK_40049 *popup = pushed(model->index(0, 0), &owner);
        emit popup->leftButtonClicked();
        QCOMPARE(sent.count(), 1);
        emit SyncClient::instance()->PointCommandReply(sent.last().at(0).value<quint8>(), 0, 1, 0);
        auto *progress = PageStack::instance()->findChild<BasePopup *>(QStringLiteral("AUK_40062"));
        emit progress->rightButtonClicked();
        QCOMPARE(topPage(), QStringLiteral("AUK_40062"));
        emit owner.disablementsRefreshed();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        auto model = fiveWithTwoActive();
        pushed(model->index(0, 0));
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        WidgetShot::saveForReview(WidgetShot::grab(PageStack::instance()), QStringLiteral("AUK_40049"));
    }
};

QTEST_MAIN(tst_GeneralDisablesPopup)
#include "tst_generaldisablespopup.moc"
