#include "pointmodels/PointListUpdater.h"

#include "paneldata/PointCoreConfiguration.h"
#include "pointmodels/CountModel.h"
#include "pointmodels/ModelFacade.h"

#include <algorithm>

namespace {

int channelIndexOf(TC::panel_t panel, const ChannelAddress &key)
{
    const QVector<ChannelPoints> &channels = PointCoreConfiguration::instance()->channels(panel);
    const auto found = std::find_if(channels.cbegin(), channels.cend(),
                                    [&key](const ChannelPoints &entry) { return entry.key == key; });
    return found == channels.cend() ? -1 : int(found - channels.cbegin());
}

} // namespace

// The full walk of a build, noting which channel each accepted row came from.
class BlockRecorder final : public ModelFacade
{
public:
    BlockRecorder(CountModel *model, const QSharedPointer<SimplePointFilter> &head, TC::panel_t panel,
                  QVector<PointListUpdater::Block> *blocks)
        : ModelFacade(model, head, panel)
        , m_blocks(blocks)
    {
    }

    void visit(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override
    {
        if (!chainAccepts(panel, channel, record))
            return;
        if (m_blocks->isEmpty() || panel != m_panel || *channel != m_channel) {
            m_panel = panel;
            m_channel = *channel;
            m_blocks->append({panel, channelIndexOf(panel, *channel), {}});
        }
        m_blocks->last().records.append(*record);
        m_model->addPoint(panel, channel, record);
    }

private:
    QVector<PointListUpdater::Block> *m_blocks;
    TC::panel_t m_panel = 0;
    ChannelAddress m_channel;
};

PointListUpdater::PointListUpdater(CountModel *model, const QSharedPointer<SimplePointFilter> &head, TC::panel_t panel)
    : m_model(model)
    , m_head(head)
    , m_panel(panel)
{
}

void PointListUpdater::rebuild()
{
    m_blocks.clear();
    BlockRecorder recorder(m_model, m_head, m_panel, &m_blocks);
    m_firstPanel = recorder.firstPanel();
    m_lastPanel = recorder.lastPanel();
    recorder.run();
}

void PointListUpdater::pointChanged(TC::panel_t panel, const ChannelAddress &channel, quint8 point)
{
    if (!m_model || !m_head || panel < m_firstPanel || panel > m_lastPanel)
        return;
    const int channelIndex = channelIndexOf(panel, channel);
    if (channelIndex < 0)
        return;
    QVector<PointAddressKey> fresh;
    for (const PointAddressKey &record : PointCoreConfiguration::instance()->channels(panel).at(channelIndex).records) {
        if (m_head->acceptsAll(panel, &channel, &record))
            fresh.append(record);
    }
    const auto block = std::lower_bound(m_blocks.begin(), m_blocks.end(), qMakePair(panel, channelIndex),
                                        [](const Block &entry, const QPair<TC::panel_t, int> &key) {
                                            return qMakePair(entry.panel, entry.channelIndex) < key;
                                        });
    const bool known = block != m_blocks.end() && block->panel == panel && block->channelIndex == channelIndex;
    int firstRow = 0;
    for (auto before = m_blocks.cbegin(); before != block; ++before)
        firstRow += before->records.size();
    patchRows(firstRow, known ? block->records : QVector<PointAddressKey>(), fresh, panel, channel, point);
    if (known && fresh.isEmpty())
        m_blocks.erase(block);
    else if (known)
        block->records = fresh;
    else if (!fresh.isEmpty())
        m_blocks.insert(block, {panel, channelIndex, fresh});
}

void PointListUpdater::placeRow(int row, bool replace, TC::panel_t panel, const ChannelAddress &channel,
                                const PointAddressKey &record)
{
    m_model->setRowPlacement(row, replace);
    m_model->addPoint(panel, &channel, &record);
    m_model->setRowPlacement(-1, false);
}

void PointListUpdater::patchRows(int firstRow, const QVector<PointAddressKey> &old,
                                 const QVector<PointAddressKey> &fresh, TC::panel_t panel,
                                 const ChannelAddress &channel, quint8 point)
{
    // Rows equal at both ends stay; the differing middle is rewritten in
    // place as far as both have rows, and the rest removed or inserted.
    const int shorter = qMin(old.size(), fresh.size());
    int head = 0;
    while (head < shorter && old.at(head) == fresh.at(head))
        ++head;
    int tail = 0;
    while (tail < shorter - head && old.at(old.size() - 1 - tail) == fresh.at(fresh.size() - 1 - tail))
        ++tail;
    const int oldMiddle = old.size() - head - tail;
    const int freshMiddle = fresh.size() - head - tail;
    const int rewritten = qMin(oldMiddle, freshMiddle);
    for (int i = 0; i < rewritten; ++i)
        placeRow(firstRow + head + i, true, panel, channel, fresh.at(head + i));
    if (oldMiddle > freshMiddle)
        m_model->removeRows(firstRow + head + rewritten, oldMiddle - freshMiddle);
    for (int i = rewritten; i < freshMiddle; ++i)
        placeRow(firstRow + head + i, false, panel, channel, fresh.at(head + i));
    // A kept row of the changed point may show something else now.
    for (int i = 0; i < fresh.size(); ++i) {
        const bool kept = i < head || i >= fresh.size() - tail;
        if (kept && fresh.at(i).pointNumber == point)
            placeRow(firstRow + i, true, panel, channel, fresh.at(i));
    }
}
