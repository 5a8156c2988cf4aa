#include "paneldata/PointIOForceStatusFilter.h"

#include "paneldata/DataMapPages.h"
#include "paneldata/PointDataMapsConfiguration.h"

PointIOForceStatusFilter::PointIOForceStatusFilter(int ioKind, int selection)
    : m_outputs(ioKind == Outputs)
    , m_selectionA(selection == 1)
    , m_selectionB(selection == 3)
    , m_selectionC(selection == 4)
{
    if (!m_selectionA && !m_selectionB && !m_selectionC)
        m_selectionA = m_selectionB = m_selectionC = true;
}

bool PointIOForceStatusFilter::accept(TC::panel_t panel, const ChannelAddress *channel,
                                      const PointAddressKey *record) const
{
    if (!channel || !record)
        return false;
    const PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    const auto inMap = [&](int page) { return maps->testPoint(page, panel, *channel, record->pointNumber); };
    using namespace DataMapPages;
    if (m_outputs)
        return inMap(Forced) || inMap(ForcedOutputs);
    if (m_selectionB && inMap(ForcedInputsSelectionB))
        return true;
    if (m_selectionC && inMap(ForcedInputsSelectionC))
        return true;
    if (m_selectionA && inMap(ForcedInputsSelectionA))
        return true;
    return m_selectionA && m_selectionB && m_selectionC && inMap(ForcedInputsAll);
}
