#pragma once

#include "pointmodels/CountModel.h"

class PointValueFetcher;

// The list of what is disabled: the disabled zones of one panel or of all,
// or disabled points, which the facades hand in one by one. A list is
// refilled, never updated in place.
class DisablementsModel : public CountModel
{
public:
    static constexpr TC::panel_t AllPanels = 255;

    explicit DisablementsModel(QObject *parent = nullptr);

    // The zones whose character in the panel's disabled-zone string is not
    // "0"; all panels in turn for 255, with a count after each.
    void fillDisabledZones(TC::panel_t panel);
    // The disabled inputs and outputs of the panel (255: every panel of the
    // network) in the zone, or in every zone for a zone above 240, of the
    // functions of the mask while the function filter is on; in the order
    // the configuration keeps them, with the count after.
    void fillDisabledPoints(TC::panel_t panel, quint8 zone);

    void addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;

protected:
    // The fetcher each point row gets; none in a plain list.
    virtual PointValueFetcher *rowFetcher();

private:
    void appendDisabledZones(TC::panel_t panel);

    // Where a walk's rows gather while fillDisabledPoints() runs; null
    // otherwise, and rows go straight in.
    QList<QStandardItem *> *m_walkRows = nullptr;
};
