#pragma once

#include "core/ChannelAddress.h"
#include "core/PointAddressKey.h"
#include "core/TCTypes.h"
#include "paneldata/SimplePointFilter.h"

#include <QSharedPointer>
#include <QVector>

class CountModel;

// Keeps one point list in step with the configuration without rebuilding it:
// the list is built whole once, and a change of one point re-walks only that
// point's channel and patches the rows that differ. The rows and their order
// are those a rebuild would give: panels in turn, a panel's channels in the
// order they arrived, a channel's records in list order (a record sent again
// has moved to the end of its channel). A panel that is cleared and filled
// again needs rebuild(), since its channels may arrive in another order.
class PointListUpdater final
{
public:
    // The model's subclass puts its rows in through CountModel::placeRow.
    PointListUpdater(CountModel *model, const QSharedPointer<SimplePointFilter> &head, TC::panel_t panel);

    // Clears the model and fills it from a full walk.
    void rebuild();
    // The point's configuration, or whatever the chain or the rows read of
    // it (its name, its status), changed. Nothing happens before the first
    // rebuild or for a panel the list does not cover.
    void pointChanged(TC::panel_t panel, const ChannelAddress &channel, quint8 point);

private:
    // The accepted records of one channel, as rows of the list.
    struct Block
    {
        TC::panel_t panel;
        int channelIndex;
        QVector<PointAddressKey> records;
    };
    friend class BlockRecorder;

    // Puts the record's row at the row, as a new row or over the old one.
    void placeRow(int row, bool replace, TC::panel_t panel, const ChannelAddress &channel,
                  const PointAddressKey &record);
    void patchRows(int firstRow, const QVector<PointAddressKey> &old, const QVector<PointAddressKey> &fresh,
                   TC::panel_t panel, const ChannelAddress &channel, quint8 point);

    CountModel *m_model;
    QSharedPointer<SimplePointFilter> m_head;
    TC::panel_t m_panel;
    TC::panel_t m_firstPanel = 1;
    TC::panel_t m_lastPanel = 0;
    QVector<Block> m_blocks;
};
