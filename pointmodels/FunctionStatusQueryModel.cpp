#include "pointmodels/FunctionStatusQueryModel.h"

#include "eventlog/EventLogQueries.h"
#include "eventlog/EventLogTable.h"
#include "eventlog/SqlTransaction.h"
#include "pointmodels/EventLogFacade.h"
#include "pointmodels/PointFunctionCfgFilter.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString pointTable()
{
    return QLatin1String(EventLogQueries::PointTable);
}

} // namespace

FunctionStatusQueryModel::FunctionStatusQueryModel(int functionFlags, int mode, QObject *parent)
    : EventLogQueryModel(parent, {})
    , m_functionFlags(functionFlags)
    , m_mode(mode)
{
    QSqlQuery create;
    if (!create.exec(
            QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS %1 (packedKey INTEGER PRIMARY KEY)").arg(pointTable())))
        qWarning() << "FunctionStatusQueryModel::FunctionStatusQueryModel"
                   << "no point table:" << create.lastError().text();
}

void FunctionStatusQueryModel::refresh()
{
    clear();
    if (m_mode != FillingMode)
        return;
    // Faults of an earlier point set must never show as this set's.
    if (!fillPointTable())
        return;
    selectPointEvents(true);
}

// One transaction for the delete and the inserts: a network's worth of keys
// goes in at once, and a failure part-way leaves the table as it was.
bool FunctionStatusQueryModel::fillPointTable()
{
    QSqlDatabase db = QSqlDatabase::database();
    SqlTransaction transaction(db, "FunctionStatusQueryModel::fillPointTable");
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("DELETE FROM %1 ;").arg(pointTable()))) {
        qWarning() << "FunctionStatusQueryModel::fillPointTable"
                   << "could not empty the point table:" << query.lastError().text();
        return false;
    }
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (packedKey) VALUES(?)").arg(pointTable()))) {
        qWarning() << "FunctionStatusQueryModel::fillPointTable"
                   << "could not prepare the insert:" << query.lastError().text();
        return false;
    }
    QVariantList keys;
    {
        EventLogFacade facade(&keys, TC::cAllPanels);
        facade.setFilter(
            QSharedPointer<SimplePointFilter>(new PointFunctionCfgFilter(m_functionFlags, true, 0, false)));
        facade.run();
    }
    if (!keys.isEmpty()) {
        query.addBindValue(keys);
        if (!query.execBatch()) {
            qWarning() << "FunctionStatusQueryModel::fillPointTable"
                       << "could not fill the point table:" << query.lastError().text();
            return false;
        }
    }
    query.finish();
    return !transaction.isBegun() || transaction.commit();
}

void FunctionStatusQueryModel::selectPointEvents(bool faultsOnly)
{
    const QString statement =
        QStringLiteral("SELECT *  FROM %1 WHERE EXISTS (SELECT NULL FROM %2 WHERE %1.packedKey=%2.packedKey)  %3  "
                       "AND restoredEventStatus = 0 ORDER BY timeAndDate DESC, seqNo DESC")
            .arg(QLatin1String(EventLogTable::name), pointTable(),
                 faultsOnly ? QStringLiteral(" AND (eventCat & 15) = 4") : QString());
    QSqlQuery query;
    if (!query.exec(statement)) {
        qWarning() << "FunctionStatusQueryModel::selectPointEvents"
                   << "query failed:" << query.lastError().text();
        return;
    }
    setQueryFetchingAll(query);
}
