#include "MessageCapture.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogQueries.h"
#include "eventlog/SqlSelectQuery.h"

#include <QtTest>

#include <functional>

namespace {

SqlSelectQuery eventLog()
{
    SqlSelectQuery query;
    query.table = QStringLiteral("EventLog");
    return query;
}

struct BuiltText
{
    const char *name;
    std::function<QString()> build;
    const char *expected;
};

// Every shape of statement the builder writes, with its exact text.
const QVector<BuiltText> &builderCases()
{
    static const QVector<BuiltText> cases{
        {"the documented example",
         [] {
             SqlSelectQuery query = eventLog();
             query.columns << QStringLiteral("COUNT(*)");
             SqlConditionList conditions;
             conditions.add(QStringLiteral("(eventCat & 15)"), SqlOperator::Equal, 4);
             conditions.add(QStringLiteral("restoredEventStatus"), SqlOperator::Equal, QStringLiteral("0"));
             query.setConditions(conditions);
             query.orderBy << SqlOrderItem{QStringLiteral("seqNo"), SqlOrder::Desc};
             return query.toSql();
         },
         "SELECT COUNT(*)  FROM EventLog  WHERE ((eventCat & 15) = 4) AND (restoredEventStatus = 0)  "
         "ORDER BY seqNo DESC "},
        {"a group with a term",
         [] {
             SqlSelectQuery query = eventLog();
             SqlConditionList conditions;
             conditions.add(SqlCondition(QStringLiteral("acceptStatus"), SqlOperator::Equal, QStringLiteral("1"))
                                .addTerm(SqlConjunction::Or, SqlOperator::Equal, QStringLiteral("2")));
             query.setConditions(conditions);
             return query.toSql();
         },
         "SELECT * FROM EventLog  WHERE (acceptStatus = 1 OR acceptStatus = 2) "},
        {"a term with an unknown conjunction",
         [] {
             SqlSelectQuery query = eventLog();
             SqlConditionList conditions;
             conditions.add(SqlCondition(QStringLiteral("zone"), SqlOperator::Greater, 1)
                                .addTerm(7, SqlOperator::Less, QStringLiteral("9")));
             query.setConditions(conditions);
             return query.toSql();
         },
         "SELECT * FROM EventLog  WHERE (zone > 1zone < 9) "},
        {"null tests",
         [] {
             SqlSelectQuery query = eventLog();
             SqlConditionList conditions;
             conditions.add(QStringLiteral("node"), SqlOperator::Equal, QString());
             conditions.add(QStringLiteral("node"), SqlOperator::NotEqual, QString());
             query.setConditions(conditions);
             return query.toSql();
         },
         "SELECT * FROM EventLog  WHERE (node IS NULL) AND (NOT node IS NULL) "},
        {"exists sub-select",
         [] {
             SqlSelectQuery query = eventLog();
             SqlConditionList conditions;
             conditions.add(
                 QStringLiteral("SELECT NULL FROM TempStatTable WHERE EventLog.packedKey=TempStatTable.packedKey"),
                 SqlOperator::Exists, QString());
             query.setConditions(conditions);
             return query.toSql();
         },
         "SELECT * FROM EventLog  WHERE (EXISTS (SELECT NULL FROM TempStatTable WHERE "
         "EventLog.packedKey=TempStatTable.packedKey)) "},
        {"columns, grouping, order and a page",
         [] {
             SqlSelectQuery query = eventLog();
             query.columns << QStringLiteral("node") << QStringLiteral("COUNT(*)");
             SqlConditionList conditions;
             conditions.add(QStringLiteral("node"), SqlOperator::In, QStringLiteral("1,2,-3"));
             query.setConditions(conditions);
             query.groupBy << QStringLiteral("node") << QStringLiteral("zone");
             query.orderBy << SqlOrderItem{QStringLiteral("node"), SqlOrder::Asc}
                           << SqlOrderItem{QStringLiteral("zone"), SqlOrder::Desc};
             query.hasLimit = true;
             query.limit = 3;
             query.offset = 6;
             return query.toSql();
         },
         "SELECT node,COUNT(*)  FROM EventLog  WHERE (node IN (1,2,-3))  GROUP BY node,zone  "
         "ORDER BY node ASC,zone DESC  LIMIT 3 OFFSET 6"},
        {"a negative offset",
         [] {
             SqlSelectQuery query = eventLog();
             SqlConditionList conditions;
             conditions.add(QStringLiteral("zone"), SqlOperator::Equal, 1);
             query.setConditions(conditions);
             query.hasLimit = true;
             query.limit = 4294967295u;
             query.offset = -20;
             return query.toSql();
         },
         "SELECT * FROM EventLog  WHERE (zone = 1)  LIMIT 4294967295 OFFSET -1"},
        {"an order item without a direction is left out",
         [] {
             SqlSelectQuery query = eventLog();
             SqlConditionList conditions;
             conditions.add(QStringLiteral("zone"), SqlOperator::Equal, 1);
             query.setConditions(conditions);
             query.orderBy << SqlOrderItem{QStringLiteral("seqNo"), SqlOrder::Desc}
                           << SqlOrderItem{QStringLiteral("zone"), 2};
             return query.toSql();
         },
         "SELECT * FROM EventLog  WHERE (zone = 1)  ORDER BY seqNo DESC "},
        {"no conditions, no WHERE",
         [] {
             SqlSelectQuery query = eventLog();
             query.orderBy << SqlOrderItem{QStringLiteral("seqNo"), 5};
             return query.toSql();
         },
         "SELECT * FROM EventLog "},
        {"the where clause alone",
         [] {
             SqlSelectQuery query = eventLog();
             SqlConditionList conditions;
             conditions.add(QStringLiteral("zone"), SqlOperator::LessOrEqual, 9);
             query.setConditions(conditions);
             return query.whereClause();
         },
         " WHERE (zone <= 9) "},
    };
    return cases;
}

// The text each executing query ran (the driver keeps it without its
// trailing blank).
QString ranText(const std::function<bool(QSqlQuery &)> &run)
{
    QSqlQuery query;
    if (!run(query))
        return QStringLiteral("<failed>");
    return query.lastQuery();
}

QString outstandingText(bool allCategories, bool count, int selector, quint8 node)
{
    QString text;
    EventLogQueries::outstandingEventsSql(allCategories, count, &text, selector, node);
    return text;
}

// Every text the event-log queries produce.
const QVector<BuiltText> &queryCases()
{
    using namespace EventLogQueries;
    const QDateTime from(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(2024, 1, 2), QTime(12, 30, 15), Qt::UTC);
    static const QVector<BuiltText> cases{
        {"countEvents, page", [=] { return ranText([&](QSqlQuery &q) { return countEvents(q, from, to, 3, false); }); },
         "SELECT * FROM EventLog  WHERE (timeAndDate >= 1009843200) AND (timeAndDate <= 1009974615)  "
         "ORDER BY timeAndDate DESC,seqNo DESC  LIMIT 3 OFFSET 3"},
        {"countEvents, count of all",
         [=] { return ranText([&](QSqlQuery &q) { return countEvents(q, from, to, -1, true); }); },
         "SELECT COUNT(*)  FROM EventLog  WHERE (timeAndDate >= 1009843200) AND (timeAndDate <= 1009974615)  "
         "ORDER BY timeAndDate DESC,seqNo DESC"},
        {"categoryEvents, all panels",
         [] { return ranText([](QSqlQuery &q) { return categoryEvents(q, 0x118, 0, false, false, 255); }); },
         "SELECT * FROM EventLog  WHERE ((1<<(eventCat & 15)) & (280))  ORDER BY timeAndDate DESC,seqNo DESC  "
         "LIMIT 3 OFFSET 0"},
        {"categoryEvents, unrestored of panel 0, count",
         [] { return ranText([](QSqlQuery &q) { return categoryEvents(q, 256, -1, true, true, 0); }); },
         "SELECT COUNT(*)  FROM EventLog  WHERE ((1<<(eventCat & 15)) & (256)) AND (restoredEventStatus = 0) AND "
         "(node = 0)  ORDER BY timeAndDate DESC,seqNo DESC"},
        {"countFilteredEvents, no filter",
         [] { return ranText([](QSqlQuery &q) { return countFilteredEvents(q, 0, false, 255); }); },
         "SELECT COUNT(*)  FROM EventLog  WHERE ((eventCat & 15) = 4) AND (restoredEventStatus = 0)  "
         "ORDER BY seqNo DESC"},
        {"countFilteredEvents, accepted, panel 7, point table",
         [] { return ranText([](QSqlQuery &q) { return countFilteredEvents(q, 1, true, 7); }); },
         "SELECT COUNT(*)  FROM EventLog  WHERE ((eventCat & 15) = 4) AND (restoredEventStatus = 0) AND "
         "(acceptStatus = 1 OR acceptStatus = 2) AND (node = 7) AND (EXISTS (SELECT NULL FROM TempStatTable WHERE "
         "EventLog.packedKey=TempStatTable.packedKey))  ORDER BY seqNo DESC"},
        {"selectFilteredEvents, unaccepted, page",
         [] { return ranText([](QSqlQuery &q) { return selectFilteredEvents(q, 2, false, 255, 0); }); },
         "SELECT * FROM EventLog  WHERE ((eventCat & 15) = 4) AND (restoredEventStatus = 0) AND "
         "(acceptStatus = 3)  ORDER BY seqNo DESC  LIMIT 3 OFFSET 0"},
        {"selectFilteredEvents, every row",
         [] { return ranText([](QSqlQuery &q) { return selectFilteredEvents(q, 9, false, 255, -1); }); },
         "SELECT * FROM EventLog  WHERE ((eventCat & 15) = 4) AND (restoredEventStatus = 0)  ORDER BY seqNo DESC"},
        {"outstanding warnings", [] { return outstandingText(false, false, 0, 255); },
         "SELECT * FROM EventLog  WHERE (acceptStatus = 3) AND ((eventCat & 15) <> 3 AND (eventCat & 15) <> 4 AND "
         "(eventCat & 15) <> 2 AND (eventCat & 15) <> 8) AND (restoredEventStatus = 0)  ORDER BY seqNo DESC "},
        {"outstanding category 6, count, panel 3", [] { return outstandingText(false, true, 1, 3); },
         "SELECT COUNT(*)  FROM EventLog  WHERE (acceptStatus = 3) AND ((eventCat & 15) = 6) AND (node = 3) AND "
         "(restoredEventStatus = 0)  ORDER BY seqNo DESC "},
        {"outstanding, unknown selector", [] { return outstandingText(false, false, 5, 255); },
         "SELECT * FROM EventLog  WHERE (acceptStatus = 3) AND (restoredEventStatus = 0)  ORDER BY seqNo DESC "},
        {"outstanding, all categories", [] { return outstandingText(true, false, 0, 255); },
         "SELECT * FROM EventLog  WHERE (acceptStatus = 3) AND (restoredEventStatus = 0)  ORDER BY seqNo ASC "},
    };
    return cases;
}

} // namespace

class TestSqlQueryBuilder final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void comparison_data();
    void comparison();
    void onlyNumbersSubstituted_data();
    void onlyNumbersSubstituted();
    void text_data();
    void text();
    void outstanding_withLogicalAddressing();
    void countEvents_invalidDates();

private:
    QTemporaryDir m_dataDir;
};

void TestSqlQueryBuilder::initTestCase()
{
    QVERIFY(m_dataDir.isValid());
    QVERIFY(QDir::setCurrent(m_dataDir.path()));
}

void TestSqlQueryBuilder::init()
{
    EL_EventLogDBbase::destroyInstance();
    QVERIFY(EL_EventLogDBbase::instance());
    QSqlQuery table;
    QVERIFY(table.exec(QStringLiteral("CREATE TEMP TABLE TempStatTable (packedKey INTEGER PRIMARY KEY)")));
}

void TestSqlQueryBuilder::cleanup()
{
    EL_EventLogDBbase::destroyInstance();
    TeskGlobalConfig::instance()->setLogicalAddr(false);
}

void TestSqlQueryBuilder::comparison_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Equal") << int(SqlOperator::Equal) << "5"
                           << "c = 5";
    QTest::newRow("NotEqual") << int(SqlOperator::NotEqual) << "5"
                              << "c <> 5";
    QTest::newRow("Like") << int(SqlOperator::Like) << "5"
                          << "c LIKE 5";
    QTest::newRow("NotLike") << int(SqlOperator::NotLike) << "5"
                             << "NOT c LIKE 5";
    QTest::newRow("Greater") << int(SqlOperator::Greater) << "5"
                             << "c > 5";
    QTest::newRow("GreaterOrEqual") << int(SqlOperator::GreaterOrEqual) << "-5"
                                    << "c >= -5";
    QTest::newRow("Less") << int(SqlOperator::Less) << "5"
                          << "c < 5";
    QTest::newRow("LessOrEqual") << int(SqlOperator::LessOrEqual) << "5"
                                 << "c <= 5";
    QTest::newRow("In") << int(SqlOperator::In) << "1,2"
                        << "c IN (1,2)";
    QTest::newRow("Exists with a value") << int(SqlOperator::Exists) << "5"
                                         << "c5";
    QTest::newRow("BitAnd") << int(SqlOperator::BitAnd) << "280"
                            << "c & (280)";
    QTest::newRow("unknown operator") << 42 << "5"
                                      << "c5";
    QTest::newRow("negative operator") << -1 << "5"
                                       << "c5";
    QTest::newRow("Equal, empty") << int(SqlOperator::Equal) << ""
                                  << "c IS NULL";
    QTest::newRow("NotEqual, empty") << int(SqlOperator::NotEqual) << ""
                                     << "NOT c IS NULL";
    QTest::newRow("Exists, empty") << int(SqlOperator::Exists) << ""
                                   << "EXISTS (c)";
    QTest::newRow("Less, empty") << int(SqlOperator::Less) << ""
                                 << "";
    QTest::newRow("In, empty") << int(SqlOperator::In) << ""
                               << "";
    QTest::newRow("unknown operator, empty") << 42 << ""
                                             << "";
}

void TestSqlQueryBuilder::comparison()
{
    QFETCH(int, op);
    QFETCH(QString, value);

    QTEST(sqlComparison(QStringLiteral("c"), op, value), "expected");
}

void TestSqlQueryBuilder::onlyNumbersSubstituted_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("number") << int(SqlOperator::Equal) << "123" << true;
    QTest::newRow("negative number") << int(SqlOperator::Equal) << "-2147483648" << true;
    QTest::newRow("number list for In") << int(SqlOperator::In) << "1,2,3" << true;
    QTest::newRow("text") << int(SqlOperator::Equal) << "abc" << false;
    QTest::newRow("quoted number") << int(SqlOperator::Equal) << "'1'" << false;
    QTest::newRow("always true") << int(SqlOperator::Equal) << "1 OR 1=1" << false;
    QTest::newRow("second statement") << int(SqlOperator::Equal) << "5; DROP TABLE EventLog" << false;
    QTest::newRow("comment") << int(SqlOperator::Equal) << "5--" << false;
    QTest::newRow("trailing newline") << int(SqlOperator::Equal) << "5\n" << false;
    QTest::newRow("leading blank") << int(SqlOperator::Equal) << " 5" << false;
    QTest::newRow("decimal point") << int(SqlOperator::Equal) << "1.5" << false;
    QTest::newRow("hexadecimal") << int(SqlOperator::Equal) << "0x10" << false;
    QTest::newRow("list outside In") << int(SqlOperator::Equal) << "1,2" << false;
    QTest::newRow("list with blanks") << int(SqlOperator::In) << "1, 2" << false;
    QTest::newRow("sub-select in In") << int(SqlOperator::In) << "SELECT seqNo FROM EventLog" << false;
    QTest::newRow("Arabic-Indic digits") << int(SqlOperator::Equal) << QString::fromUtf8("\u0661\u0662") << false;
}

// A value that is not a number never reaches a statement: the comparison
// is empty and the whole query is refused.
void TestSqlQueryBuilder::onlyNumbersSubstituted()
{
    QFETCH(int, op);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    MessageCapture capture;

    QCOMPARE(isSqlNumberValue(op, value), accepted);
    QCOMPARE(sqlComparison(QStringLiteral("c"), op, value).isEmpty(), !accepted);

    SqlSelectQuery query = eventLog();
    SqlConditionList conditions;
    conditions.add(QStringLiteral("zone"), SqlOperator::Equal, 1);
    conditions.add(SqlCondition(QStringLiteral("node"), SqlOperator::Equal, 1).addTerm(SqlConjunction::Or, op, value));
    query.setConditions(conditions);
    QCOMPARE(query.toSql().isEmpty(), !accepted);
    QCOMPARE(query.whereClause().isEmpty(), !accepted);
    QCOMPARE(capture.contains(QStringLiteral("SqlSelectQuery::toSql")), !accepted);
}

// Every text the builder and the event-log queries write.
void TestSqlQueryBuilder::text_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("index");
    const QVector<const QVector<BuiltText> *> tables{&builderCases(), &queryCases()};
    for (int table = 0; table < tables.size(); ++table) {
        for (int i = 0; i < tables.at(table)->size(); ++i)
            QTest::newRow(tables.at(table)->at(i).name) << table << i;
    }
}

void TestSqlQueryBuilder::text()
{
    QFETCH(int, table);
    QFETCH(int, index);
    const BuiltText &row = (table == 0 ? builderCases() : queryCases()).at(index);

    QCOMPARE(row.build(), QString::fromLatin1(row.expected));
}

void TestSqlQueryBuilder::outstanding_withLogicalAddressing()
{
    TeskGlobalConfig::instance()->setLogicalAddr(true);

    QCOMPARE(outstandingText(false, false, 0, 255),
             QStringLiteral("SELECT * FROM EventLog  WHERE (acceptStatus = 3) AND ((eventCat & 15) = 1 OR "
                            "(eventCat & 15) = 6) AND (restoredEventStatus = 0)  ORDER BY seqNo DESC "));
}

void TestSqlQueryBuilder::countEvents_invalidDates()
{
    MessageCapture capture;
    QSqlQuery query;

    QVERIFY(!EventLogQueries::countEvents(query, QDateTime(), QDateTime::currentDateTimeUtc(), -1, true));

    QVERIFY(!query.isActive());
    QVERIFY(capture.contains(QStringLiteral("EventLogQueries::countEvents")));
}

QTEST_GUILESS_MAIN(TestSqlQueryBuilder)
#include "tst_sqlquerybuilder.moc"
