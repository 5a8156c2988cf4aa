#pragma once

#include "pointmodels/CountModel.h"

// A count model that lists every point it is given, one row each, with the
// point's address in named roles.
class PointListModel final : public CountModel
{
    Q_OBJECT

public:
    enum Roles {
        PanelRole = 33,
        ZoneRole = 34,
        PointRole = 35,
        ChannelAddressRole = 38,
        ChannelNumberRole = 43,
        ChannelKindRole = 70,
    };

    explicit PointListModel(QObject *parent = nullptr);

    void addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;
    void addPointDetails(int panel, int channelKind, int channelNumber, int channelAddress, int point) override;

    // "panel/kind/number/address/point" of each row, in row order.
    QStringList addresses() const;

    // Run while a point is added, before its row goes in.
    std::function<void()> onAdd;
    // Lets a test show more of a point in its row (a name, a status).
    std::function<void(QStandardItem *row, int panel, const ChannelAddress &channel, const PointAddressKey &record)>
        describe;

private:
    static QStandardItem *rowItem(int panel, int channelKind, int channelNumber, int channelAddress, int point);
};
