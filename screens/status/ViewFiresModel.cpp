#include "screens/status/ViewFiresModel.h"

#include "core/GlobalConstants.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "paneldata/DateTime.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString FiresInZoneField = QStringLiteral("firesInZone");
const QString FirstFireTimeField = QStringLiteral("minTimeAndDate");

} // namespace

ViewFiresModel::ViewFiresModel()
    : EventLogQueryModel(nullptr, {})
{
}

ViewFiresModel::~ViewFiresModel() = default;

void ViewFiresModel::load(const QString &statement)
{
    // The log opens its database on first use.
    EL_EventLogDBbase::instance();
    QSqlQuery query;
    query.exec(statement);
    setQueryFetchingAll(query);
}

QVariant ViewFiresModel::data(const QModelIndex &index, int role) const
{
    // The query's own row: the model's record() asks data() for each field.
    QSqlQuery rowQuery = query();
    if (!index.isValid() || !rowQuery.seek(index.row()))
        return EventLogQueryModel::data(index, role);
    const QSqlRecord row = rowQuery.record();
    const bool zoneRow = row.contains(FiresInZoneField);
    switch (role) {
    case FirstFireTimeRole: {
        const quint32 seconds = row.contains(FirstFireTimeField) ? row.value(FirstFireTimeField).toUInt() : 0;
        return DateTime::formatDateTime(DateTime::fromPanelSeconds(seconds),
                                        QLatin1String(GlobalConstants::dateTimeFormat));
    }
    case FiresInZoneRole:
        return zoneRow ? row.value(FiresInZoneField) : EventLogQueryModel::data(index, role);
    case DeviceRole:
    case AddressRole:
        return zoneRow ? QVariant(QStringLiteral("-")) : EventLogQueryModel::data(index, role);
    default:
        return EventLogQueryModel::data(index, role);
    }
}
