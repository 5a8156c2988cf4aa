#pragma once

#include "pointmodels/FilteredModel.h"

#include <QList>

// The device types met among the points a facade hands it, one row each,
// in the order they are first met.
class FilteredDevicesModel final : public FilteredModel
{
    Q_OBJECT

public:
    explicit FilteredDevicesModel(QObject *parent = nullptr);

    void clearModel() override;
    void addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;

private:
    QList<quint8> m_deviceTypes;
};
