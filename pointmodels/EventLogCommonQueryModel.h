#pragma once

#include "pointmodels/EventLogQueryModel.h"

#include <QSqlQuery>
#include <QString>

// The outstanding events of one kind (not accepted, not restored), as a
// count and as rows. Both queries are built once and rebuilt only when the
// selector changes; the rows change only when runQuery() is called.
class EventLogCommonQueryModel : public EventLogQueryModel
{
public:
    EventLogCommonQueryModel(int categoryFiltered, int categorySelector, quint8 node, QObject *parent);

    void setCategorySelector(int selector);
    unsigned queryCount();
    void runQuery();

protected:
    // Each subclass constructor calls it last.
    void prepareQueries();

private:
    QString m_rowQuerySql;
    QSqlQuery m_countQuery;
    int m_categoryFiltered;
    quint8 m_node;
    int m_categorySelector;
};
