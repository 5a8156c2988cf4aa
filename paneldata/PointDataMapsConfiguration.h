#pragma once

#include "core/ChannelAddress.h"
#include "core/SC_Singleton.h"
#include "paneldata/PDMContainer.h"

#include <QBitArray>
#include <QList>
#include <QVector>

#include <array>
#include <memory>

// The point maps of up to 32 pages: per page, panel (0 to 99) and channel,
// one bit per point. Queries on an unregistered page, an absent panel or an
// absent channel answer false, 0 or clear bits.
class PointDataMapsConfiguration final : public SC_Singleton<PointDataMapsConfiguration>
{
public:
    static constexpr int MaxPages = 32;

    ~PointDataMapsConfiguration();

    void addMapPage(int page);
    void setChannelPoints(int page, quint8 panel, const ChannelAddress &channel, const QBitArray &points);
    // Panel 255 empties every panel of every page, whatever the page.
    void clearPanel(int page, quint8 panel);
    void notifyMapUpdated(int page);

    template <typename Slot> bool connectMapUpdated(int page, const QObject *receiver, Slot slot)
    {
        PDMContainer *map = container(page);
        return map && bool(QObject::connect(map, &PDMContainer::pointDataMapUpdated, receiver, slot));
    }

    bool testPoint(int page, quint8 panel, const ChannelAddress &channel, quint8 point) const;
    bool testPointAddress(int page, quint8 panel, quint8 kind, quint8 number, quint8 address, quint8 point) const;
    QBitArray channelPoints(int page, quint8 panel, quint8 kind, quint8 number, quint8 address) const;
    QBitArray channelPointsByKey(int page, quint8 panel, quint16 channelKey) const;
    QList<quint16> channelKeys(int page, quint8 panel) const;
    int channelPointCount(int page, quint8 panel, const ChannelAddress &channel) const;
    int pointCount(int page) const;

private:
    friend class SC_Singleton<PointDataMapsConfiguration>;

    PointDataMapsConfiguration();

    PDMContainer *container(int page) const;
    const PanelPDMContainer *panelMap(int page, quint8 panel) const;

    std::array<std::unique_ptr<PDMContainer>, MaxPages> m_containers;
    QVector<int> m_pages;
};
