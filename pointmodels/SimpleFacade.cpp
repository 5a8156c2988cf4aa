#include "pointmodels/SimpleFacade.h"

#include "paneldata/PointCoreConfiguration.h"
#include "pointmodels/model.h"

#include <QDebug>

namespace {

constexpr TC::panel_t FirstNetworkPanel = 1;
constexpr TC::panel_t LastPanel = TC::cPanelCount - 1;

// Marks a walk of the shared iterator as running for as long as it lives.
class WalkGuard final
{
public:
    WalkGuard()
        : m_first(!s_walking)
    {
        if (m_first)
            s_walking = true;
        else
            qWarning() << "SimpleFacade::run"
                       << " refused: another walk of the points is running";
    }
    ~WalkGuard()
    {
        if (m_first)
            s_walking = false;
    }
    WalkGuard(const WalkGuard &) = delete;
    WalkGuard &operator=(const WalkGuard &) = delete;

    bool isFirst() const { return m_first; }

private:
    static bool s_walking;
    const bool m_first;
};

bool WalkGuard::s_walking = false;

} // namespace

SimpleFacade::SimpleFacade(TC::panel_t panel)
{
    if (model::instance()->localPanel() == 0)
        return;
    if (TC::isTablePanel(panel)) {
        m_firstPanel = panel;
        m_lastPanel = panel;
    } else if (panel == TC::cAllPanels) {
        m_firstPanel = FirstNetworkPanel;
        m_lastPanel = LastPanel;
    }
}

SimpleFacade::~SimpleFacade() = default;

void SimpleFacade::run()
{
    if (hasNoFilter())
        return;
    const WalkGuard guard;
    if (!guard.isFirst())
        return;
    PointCoreConfiguration *configuration = PointCoreConfiguration::instance();
    for (int panel = m_firstPanel; panel <= m_lastPanel; ++panel) {
        PointCoreIterator *iterator = configuration->pointIterator(TC::panel_t(panel));
        while (iterator->next()) {
            const ChannelAddress channel = iterator->currentChannelKey();
            visit(TC::panel_t(panel), &channel, iterator->currentRecord());
        }
    }
}

void SimpleFacade::setFilter(const QSharedPointer<SimplePointFilter> &head)
{
    m_filter = head;
}

bool SimpleFacade::hasNoFilter() const
{
    return m_filter.isNull();
}
