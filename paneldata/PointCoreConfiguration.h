#pragma once

#include "core/SC_Singleton.h"
#include "core/TCTypes.h"
#include "paneldata/PanelPointCore.h"
#include "paneldata/PointCoreIterator.h"

#include <QObject>

#include <array>
#include <memory>

// Which points each panel (0 to 99) has, per channel, with their zone,
// device type, attributes, function flags and logical point number, and how
// many points each zone counts. Filled by the point core configuration page;
// every list of points walks it through pointIterator(). Panels 100 to 254
// have no table: they store nothing and read as empty.
class PointCoreConfiguration final
    : public QObject
    , public SC_Singleton<PointCoreConfiguration>
{
    Q_OBJECT

public:
    ~PointCoreConfiguration() override;

    // 255 empties every panel.
    void clearPanel(quint8 panel);

    void reserveChannels(quint8 panel, int count);
    // Makes sure the panel lists the channel, with room for recordCount more
    // records. False for a panel without a table.
    bool addChannel(quint8 panel, const ChannelAddress &key, int recordCount);
    void addPoint(quint8 panel, const ChannelAddress &key, const PointAddressKey &record);

    PointCoreIterator *pointIterator(quint8 panel);
    // A look-up that leaves the shared iterator where it is; null when the
    // panel has no such point.
    const PointAddressKey *findPoint(quint8 panel, const ChannelAddress &channel, quint8 point) const;
    quint16 channelValue(quint8 panel, quint8 zone) const;
    // The panel's channels in arrival order, the order every walk takes;
    // empty for a panel without a table.
    const QVector<ChannelPoints> &channels(quint8 panel) const;

    // Emitted by the page handler once a part of the panel's page is stored.
    void notifyPointCoreUpdated(TC::panel_t panel);

signals:
    void pointCoreUpdated(TC::panel_t panel);

private:
    friend class SC_Singleton<PointCoreConfiguration>;

    PointCoreConfiguration();

    PanelPointCore *core(quint8 panel, const char *method);
    const PanelPointCore *core(quint8 panel) const;

    std::array<PanelPointCore, TC::cPanelCount> m_panels;
    std::unique_ptr<PointCoreIterator> m_iterator;
};
