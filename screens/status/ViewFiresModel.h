#pragma once

#include "pointmodels/EventLogQueryModel.h"

// The fires of the event log for the fires screen: fire rows as the log
// reads them, or one row per zone in fire, which carries the zone's count
// of fires and the time of its first fire and no device or address.
class ViewFiresModel final : public EventLogQueryModel
{
    Q_OBJECT

public:
    // A zone row's count of fires takes the place of the location.
    enum FireRole : int { FirstFireTimeRole = 57, FiresInZoneRole = LocationRole };

    ViewFiresModel();
    ~ViewFiresModel() override;

    // Runs the statement on the event log and reads every row at once.
    void load(const QString &statement);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
