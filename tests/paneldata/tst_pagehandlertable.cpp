#include "link/SC_PacketHandler.h"
#include "link/SyncClient.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/SC_PageHandlerTable.h"

#include <QtTest>

namespace {

// Pages with a handler of their own, by their number on the wire.
const QList<int> OwnPages{1,  3,  4,  5,  6,  7,  8,  9,  11, 12, 17, 18,  19,  22, 27,
                          28, 29, 30, 31, 36, 37, 38, 39, 40, 41, 42, 139, 147, 148};

// Pages served by the handler of the first page of their group; the point
// maps hold a map for every page of the first two groups.
struct SharedGroup
{
    QList<int> pages;
    bool pointMap;
};
const QList<SharedGroup> SharedGroups{
    {{129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 140, 141, 142, 143, 144, 145, 146, 149, 150}, true},
    {{13, 14, 15, 16, 23, 24, 25, 26, 32, 33, 34, 35}, true},
    {{20, 21}, false},
};

const QList<int> UnservedPages{0, 2, 10, 43, 128, 151, 254, 255};

} // namespace

// The registration the start-up makes: which handler answers each page id.
class tst_PageHandlerTable final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void pageIsServedBy_data();
    void pageIsServedBy();
    void everyHandlerIsTheOneOfItsOwnPage();

private:
    SyncClient *m_client = nullptr;
};

void tst_PageHandlerTable::initTestCase()
{
    m_client = SyncClient::instance();
    SC_PageHandlerTable::registerWith(m_client);
}

void tst_PageHandlerTable::cleanupTestCase()
{
    SyncClient::destroyInstance();
}

void tst_PageHandlerTable::pageIsServedBy_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("servedBy");
    QTest::addColumn<bool>("pointMap");
    for (int page : OwnPages)
        QTest::addRow("own %d", page) << page << page << false;
    for (const SharedGroup &group : SharedGroups) {
        for (int page : group.pages)
            QTest::addRow("shared %d", page) << page << group.pages.first() << group.pointMap;
    }
    for (int page : UnservedPages)
        QTest::addRow("none %d", page) << page << -1 << false;
}

void tst_PageHandlerTable::pageIsServedBy()
{
    QFETCH(int, page);
    QFETCH(int, servedBy);
    QFETCH(bool, pointMap);
    SC_PacketHandler *handler = m_client->packetHandler(page);
    if (servedBy < 0) {
        QCOMPARE(handler, nullptr);
    } else {
        QVERIFY(handler);
        QCOMPARE(handler->pageId(), servedBy);
    }
    const bool hasMap = PointDataMapsConfiguration::instance()->connectMapUpdated(page, this, [] {});
    QCOMPARE(hasMap, pointMap);
}

// A handler is one object however many pages it serves, and no two pages
// of their own share one.
void tst_PageHandlerTable::everyHandlerIsTheOneOfItsOwnPage()
{
    QSet<SC_PacketHandler *> distinct;
    for (int page : OwnPages)
        distinct.insert(m_client->packetHandler(page));
    for (const SharedGroup &group : SharedGroups) {
        for (int page : group.pages)
            QCOMPARE(m_client->packetHandler(page), m_client->packetHandler(group.pages.first()));
        distinct.insert(m_client->packetHandler(group.pages.first()));
    }
    QCOMPARE(distinct.size(), OwnPages.size() + SharedGroups.size());
}

QTEST_GUILESS_MAIN(tst_PageHandlerTable)
#include "tst_pagehandlertable.moc"
