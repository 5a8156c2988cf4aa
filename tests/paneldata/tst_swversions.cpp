#include "MessageCapture.h"
#include "paneldata/SWVersions.h"

#include <QtTest>

namespace {

QVector<VersionRecord> versions(quint8 major, quint8 minor, quint8 build)
{
    return {VersionRecord{0, major, minor, build, 1000}, VersionRecord{3, 9, 9, 9, 2000}};
}

QList<int> kindsOf(const QVector<EquipmentRecord> &records)
{
    QList<int> kinds;
    for (const EquipmentRecord &record : records)
        kinds.append(record.kind * 100 + record.subKind * 10 + record.secondAddressByte);
    return kinds;
}

} // namespace

class TestSWVersions final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void versionText_data();
    void versionText();
    void versionTextOf();
    void queries();
    void panelEquipmentType();
    void panelsWithoutTable();
    void clears();
};

void TestSWVersions::init()
{
    SWVersions::instance()->clearAll();
}

void TestSWVersions::versionText_data()
{
    QTest::addColumn<quint8>("major");
    QTest::addColumn<quint8>("minor");
    QTest::addColumn<quint8>("build");
    QTest::addColumn<QString>("text");

    QTest::newRow("no build") << quint8(3) << quint8(1) << quint8(0) << QStringLiteral("v3.1");
    QTest::newRow("build 12") << quint8(3) << quint8(1) << quint8(12) << QStringLiteral("v3.1.12");
    QTest::newRow("zeros") << quint8(0) << quint8(0) << quint8(0) << QStringLiteral("v0.0");
    QTest::newRow("no padding") << quint8(255) << quint8(5) << quint8(1) << QStringLiteral("v255.5.1");
}

void TestSWVersions::versionText()
{
    QFETCH(quint8, major);
    QFETCH(quint8, minor);
    QFETCH(quint8, build);
    QFETCH(QString, text);
    QCOMPARE(SWVersions::versionText(VersionRecord{0, major, minor, build, 0}), text);
}

void TestSWVersions::versionTextOf()
{
    const EquipmentRecord record{1, 2, 0, 0, versions(4, 2, 0)};
    QCOMPARE(SWVersions::versionTextOf(record, 0), QStringLiteral("v4.2"));
    QCOMPARE(SWVersions::versionTextOf(record, 3), QStringLiteral("v9.9.9"));
    QVERIFY(SWVersions::versionTextOf(record, 1).isEmpty());
}

void TestSWVersions::queries()
{
    SWVersions *sw = SWVersions::instance();
    QVERIFY(sw->addEquipment(5, 1, 2, 0, 0, versions(1, 0, 0)));
    QVERIFY(sw->addEquipment(5, 4, 0, 0, 1, versions(2, 0, 0)));
    QVERIFY(sw->addEquipment(5, 4, 0, 0, 2, versions(2, 1, 0)));
    QVERIFY(sw->addEquipment(5, 3, 0, 0, 0, versions(3, 0, 0)));
    QVERIFY(sw->addEquipment(5, 5, 7, 0, 0, versions(5, 0, 0)));
    QVERIFY(sw->addEquipment(5, 2, 1, 0, 0, versions(6, 0, 0)));
    QVERIFY(sw->addEquipment(5, 2, 2, 0, 0, versions(6, 1, 0)));
    QVERIFY(sw->addEquipment(5, 6, 0, 5, 0, versions(7, 0, 0)));
    QVERIFY(sw->addEquipment(5, 4, 0, 0, 2, versions(2, 2, 0)));

    QCOMPARE(kindsOf(sw->panelBoardVersions(5)), QList<int>{120});
    QCOMPARE(kindsOf(sw->loopCardVersions(5, 2)), (QList<int>{402, 402}));
    QCOMPARE(sw->loopCardVersions(5, 2).at(1).versions.first().minor, quint8(2));
    QCOMPARE(kindsOf(sw->loopCardVersions(5, 1)), QList<int>{401});
    QCOMPARE(kindsOf(sw->networkCardVersions(5)), QList<int>{300});
    QCOMPARE(kindsOf(sw->optionCardVersions(5, 7)), QList<int>{570});
    QVERIFY(sw->optionCardVersions(5, 1).isEmpty());
    QCOMPARE(kindsOf(sw->kind2Versions(5)), QList<int>{210});
    QCOMPARE(kindsOf(sw->kind6Versions(5, 5)), QList<int>{600});
    QVERIFY(sw->kind6Versions(5, 1).isEmpty());
    QCOMPARE(kindsOf(sw->recordsOfKind(5, 4)), (QList<int>{401, 402, 402}));
    QCOMPARE(kindsOf(sw->recordsOfKindAndSubKind(5, 2, 2)), QList<int>{220});
    QVERIFY(sw->recordsOfKind(6, 4).isEmpty());
}

void TestSWVersions::panelEquipmentType()
{
    SWVersions *sw = SWVersions::instance();
    sw->addEquipment(1, 4, 9, 0, 1, {});
    QCOMPARE(sw->panelEquipmentType(1), 0);
    sw->addEquipment(1, 1, 6, 0, 0, {});
    sw->addEquipment(1, 1, 3, 0, 0, {});
    QCOMPARE(sw->panelEquipmentType(1), 6);
    QCOMPARE(sw->panelEquipmentType(2), 0);
}

void TestSWVersions::panelsWithoutTable()
{
    SWVersions *sw = SWVersions::instance();
    sw->addEquipment(99, 1, 6, 0, 0, {});
    QVERIFY(!sw->addEquipment(100, 1, 2, 0, 0, {}));
    QVERIFY(!sw->addEquipment(254, 1, 2, 0, 0, {}));
    MessageCapture capture;
    sw->clearPanel(150);
    QVERIFY(capture.contains(QStringLiteral("SWVersions::clearPanel")));
    QVERIFY(sw->recordsOfKind(100, 1).isEmpty());
    QCOMPARE(sw->panelEquipmentType(100), 0);
    QCOMPARE(sw->panelEquipmentType(99), 6);
}

void TestSWVersions::clears()
{
    SWVersions *sw = SWVersions::instance();
    sw->addEquipment(1, 1, 6, 0, 0, {});
    sw->addEquipment(2, 1, 6, 0, 0, {});
    sw->clearPanel(1);
    QVERIFY(sw->panelBoardVersions(1).isEmpty());
    QCOMPARE(sw->panelBoardVersions(2).size(), 1);
    sw->clearAll();
    QVERIFY(sw->panelBoardVersions(2).isEmpty());
}

QTEST_GUILESS_MAIN(TestSWVersions)
#include "tst_swversions.moc"
