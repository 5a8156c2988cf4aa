#include "core/BucketKeys.h"

#include <QtTest>

class TestBucketKeys final : public QObject
{
    Q_OBJECT

private slots:
    void keyShapes_data();
    void keyShapes();
    void reading_data();
    void reading();
    void composedValues_data();
    void composedValues();
};

void TestBucketKeys::keyShapes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    using namespace BucketKeys;
    QTest::newRow("panel 7 fire alarms") << panelKey(7, fireAlrms) << QStringLiteral("7|fireAlrms");
    QTest::newRow("panel 0 has no leading zero") << panelKey(0, btryStat) << QStringLiteral("0|btryStat");
    QTest::newRow("panel 99") << panelKey(99, dsbldSndrOPs) << QStringLiteral("99|dsbldSndrO/Ps");
    QTest::newRow("panel prefix") << panelPrefix(12) << QStringLiteral("12|");
    QTest::newRow("commissioning flag") << commissioningFlagKey(3, CommLvlUserLggedIn)
                                        << QStringLiteral("3|smplMds|CommLvlUserLggedIn");
    QTest::newRow("loop status") << loopStatusKey(7, 2) << QStringLiteral("lsr|7|2");
    QTest::newRow("measurement unit") << measureUnitKey(3, 1) << QStringLiteral("measureUnitTyp|3|1");
}

void TestBucketKeys::keyShapes()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(key, expected);
}

void TestBucketKeys::reading_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<uint>("count");
    QTest::addColumn<bool>("flagSet");
    QTest::addColumn<bool>("one");
    QTest::addColumn<bool>("boolean");
    QTest::addColumn<uint>("templateId");

    QTest::newRow("missing") << QString() << 0u << false << false << false << 0u;
    QTest::newRow("0") << QStringLiteral("0") << 0u << false << false << false << 0u;
    QTest::newRow("1") << QStringLiteral("1") << 1u << true << true << true << 1u;
    QTest::newRow("2") << QStringLiteral("2") << 2u << true << false << true << 2u;
    QTest::newRow("template 3 is none") << QStringLiteral("3") << 3u << true << false << true << 0u;
    QTest::newRow("flag weight 64") << QStringLiteral("64") << 64u << true << false << true << 0u;
    QTest::newRow("true") << QStringLiteral("true") << 0u << false << false << true << 0u;
    QTest::newRow("false") << QStringLiteral("false") << 0u << false << false << false << 0u;
    QTest::newRow("garbage") << QStringLiteral("x1") << 0u << false << false << true << 0u;
    QTest::newRow("negative") << QStringLiteral("-4") << 0u << false << false << true << 0u;
}

void TestBucketKeys::reading()
{
    QFETCH(QString, value);
    QTEST(BucketValues::toCount(value), "count");
    QTEST(BucketValues::isFlagSet(value), "flagSet");
    QTEST(BucketValues::isOne(value), "one");
    QTEST(BucketValues::toBool(value), "boolean");
    QTEST(BucketValues::toTemplateId(value), "templateId");
}

void TestBucketKeys::composedValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<uint>>("numbers");

    QTest::newRow("loop status record") << QStringLiteral("1|0|250|3") << QList<uint>{1, 0, 250, 3};
    QTest::newRow("missing") << QString() << QList<uint>{};
    QTest::newRow("garbage field is 0") << QStringLiteral("4|x|5") << QList<uint>{4, 0, 5};
}

void TestBucketKeys::composedValues()
{
    QFETCH(QString, value);
    QFETCH(QList<uint>, numbers);
    QCOMPARE(BucketValues::toNumbers(value), numbers);
}

QTEST_APPLESS_MAIN(TestBucketKeys)
#include "tst_bucketkeys.moc"
