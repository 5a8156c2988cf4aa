#include "frontpanel/rbusEventLog.h"
#include "screens/status/RbusModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {

RbusEvent busEvent(quint8 kind, bool active, const QString &node, const QString &zone, qint32 value, const QString &tag)
{
    RbusEvent e;
    e.kind = kind;
    e.active = active ? 1 : 0;
    e.firstNumber = node;
    e.secondNumber = zone;
    e.value = value;
    for (int i = 0; i < 6; ++i)
        e.texts[size_t(i)] = QStringLiteral("%1 text %2").arg(tag).arg(i);
    return e;
}

// The first text of each row: which events a fill listed, in order.
QStringList rowTags(const QAbstractItemModel &model)
{
    QStringList tags;
    for (int row = 0; row < model.rowCount(); ++row)
        tags << model.index(row, 0).data(56).toString().section(QLatin1Char(' '), 0, 0);
    return tags;
}

} // namespace

// The front-panel bus log as list rows: the roles an event-log row answers,
// and the five fills over the bus log.
class tst_RbusModel final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roleNames();
    void eventRoles_data();
    void eventRoles();
    void deviceRow();
    void fills_data();
    void fills();
    void refillReplacesRows();

private:
    RbusModel *m_model = nullptr;
    QAbstractItemModelTester *m_tester = nullptr;
};

void tst_RbusModel::init()
{
    m_model = RbusModel::create(this);
    m_tester = new QAbstractItemModelTester(m_model, QAbstractItemModelTester::FailureReportingMode::QtTest, this);
    rbusEventLog *log = rbusEventLog::instance();
    log->events = {
        busEvent(RbusEvent::Fire, true, "1", "3", -1, "a"),     busEvent(RbusEvent::Fault, true, "1", "4", 2, "b"),
        busEvent(RbusEvent::Fire, false, "1", "3", -1, "c"),    busEvent(RbusEvent::Warning, true, "2", "5", 7, "d"),
        busEvent(RbusEvent::Fire, true, "2", "3", -1, "e"),     busEvent(RbusEvent::Fault, false, "1", "4", 2, "f"),
        busEvent(RbusEvent::Fire, true, "257", "259", -1, "g"),
    };
    RbusDeviceEntry first{QStringLiteral("x"), QStringLiteral("x text"), 11, 3, 7, 12};
    RbusDeviceEntry second{QStringLiteral("y"), QStringLiteral("y text"), 12, 4, 7, -1};
    log->devices = {first, second};
}

void tst_RbusModel::cleanup()
{
    delete m_tester;
    delete m_model;
    rbusEventLog::instance()->clear();
}

void tst_RbusModel::roleNames()
{
    const QHash<int, QByteArray> names = m_model->roleNames();
    QCOMPARE(QSet<int>(names.keyBegin(), names.keyEnd()), (QSet<int>{56, 58, 62, 59, 60, 63, 73}));
    for (const QByteArray &name : names)
        QVERIFY(name.isEmpty());
}

void tst_RbusModel::eventRoles_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("zoneText");
    QTest::addColumn<QString>("nodeText");
    QTest::newRow("zone 241 is none") << "1"
                                      << "241" << 5 << "-"
                                      << "01";
    QTest::newRow("zone 240, negative value") << "1"
                                              << "240" << -1 << "240 t text 1"
                                              << "01";
    QTest::newRow("value shows in five digits") << "7"
                                                << "3" << 12 << "00012 t text 1"
                                                << "07";
    QTest::newRow("negative value shows the zone") << "7"
                                                   << "3" << -1 << "003 t text 1"
                                                   << "07";
    QTest::newRow("numbers keep their low byte") << "263"
                                                 << "259" << 0 << "00000 t text 1"
                                                 << "07";
    QTest::newRow("a text that is no number is 0") << "x"
                                                   << "-1" << -1 << "000 t text 1"
                                                   << "00";
}

void tst_RbusModel::eventRoles()
{
    QFETCH(QString, node);
    QFETCH(QString, zone);
    QFETCH(int, value);
    QFETCH(QString, zoneText);
    QFETCH(QString, nodeText);
    m_model->insertEvent(busEvent(RbusEvent::Fault, true, node, zone, value, "t"));
    const QModelIndex row = m_model->index(0, 0);
    QCOMPARE(row.data(58).toString(), zoneText);
    QCOMPARE(row.data(176).toString(), nodeText);
    QCOMPARE(row.data(33).toInt(), nodeText.toInt());
    QCOMPARE(row.data(42).toLongLong(), qint64(value));
    QCOMPARE(row.data(56).toString(), QStringLiteral("t text 0"));
    QCOMPARE(row.data(57).toString(), QStringLiteral("t text 0"));
    QCOMPARE(row.data(59).toString(), QStringLiteral("t text 2"));
    QCOMPARE(row.data(60).toString(), QStringLiteral("t text 3"));
    QCOMPARE(row.data(62).toString(), QStringLiteral("t text 4"));
    QCOMPARE(row.data(63).toString(), QStringLiteral("t text 5"));
    // Blank, not missing: a card's or report's column stays empty.
    for (int role : {64, 73}) {
        QVERIFY(row.data(role).isValid());
        QCOMPARE(row.data(role).toString(), QString());
    }
}

void tst_RbusModel::deviceRow()
{
    m_model->fillDevices();
    QCOMPARE(m_model->rowCount(), 2);
    const QModelIndex last = m_model->index(0, 0);
    QCOMPARE(last.data(56).toString(), QStringLiteral("y"));
    QCOMPARE(last.data(59).toString(), QStringLiteral("12"));
    for (int role : {60, 62, 63})
        QCOMPARE(last.data(role).toString(), QStringLiteral("-"));
    QCOMPARE(last.data(58).toString(), QStringLiteral("004 y text"));
    QCOMPARE(last.data(176).toString(), QStringLiteral("07"));
    QCOMPARE(m_model->index(1, 0).data(58).toString(), QStringLiteral("00012 x text"));
}

void tst_RbusModel::fills_data()
{
    QTest::addColumn<QString>("fill");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("faults") << "kind 4" << QStringList{"b"};
    QTest::newRow("warnings") << "kind 1" << QStringList{"d"};
    QTest::newRow("device entries are no kind") << "kind 0" << QStringList();
    QTest::newRow("all") << "all" << QStringList{"a", "b", "c", "d", "e", "f", "g"};
    QTest::newRow("fires") << "fires" << QStringList{"g", "e", "a"};
    // g's numbers, 257 and 259, read as node 1 and zone 3 by their low bytes.
    QTest::newRow("fires in zone 3 of node 1") << "zone 3 1" << QStringList{"g", "a"};
    QTest::newRow("fires in zone 3 of node 2") << "zone 3 2" << QStringList{"e"};
    QTest::newRow("no fire in zone 4") << "zone 4 1" << QStringList();
    QTest::newRow("devices") << "devices" << QStringList{"y", "x"};
}

void tst_RbusModel::fills()
{
    QFETCH(QString, fill);
    QFETCH(QStringList, rows);
    const QStringList words = fill.split(QLatin1Char(' '));
    if (words.first() == QLatin1String("kind")) {
        m_model->fillByKind(words.at(1).toInt());
    } else if (words.first() == QLatin1String("all")) {
        m_model->fillAll();
    } else if (words.first() == QLatin1String("fires")) {
        m_model->fillFires();
    } else if (words.first() == QLatin1String("zone")) {
        m_model->fillFiresInZone(quint8(words.at(1).toInt()), quint8(words.at(2).toInt()));
    } else {
        m_model->fillDevices();
    }
    QCOMPARE(rowTags(*m_model), rows);
}

void tst_RbusModel::refillReplacesRows()
{
    m_model->fillAll();
    QCOMPARE(m_model->rowCount(), 7);
    m_model->fillByKind(RbusEvent::Fault);
    QCOMPARE(rowTags(*m_model), QStringList{"b"});
}

QTEST_GUILESS_MAIN(tst_RbusModel)
#include "tst_rbusmodel.moc"
