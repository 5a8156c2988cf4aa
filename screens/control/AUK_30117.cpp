#include "screens/control/AUK_30117.h"

#include "app/PageStack.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "screens/control/AUK_30067.h"
#include "screens/control/MenuIconButton.h"
#include "screens/status/AUK_30073.h"
#include "widgets/AUK_90002.h"
#include "widgets/EventLogIcons.h"

#include <QDebug>

namespace {

constexpr int LogsMenuTitle = 23;
constexpr int EventLogText = 24;
constexpr int PointLogText = 46;
constexpr int AdvancedStatsText = 2;

} // namespace

AUK_30117::AUK_30117(int userLevel, QWidget *parent)
    : AUK_90001A(parent)
    , m_userLevel(userLevel)
{
    setObjectName(QStringLiteral("AUK_30117"));
    resize(640, 480);
    setEventLogIcons(this);
    m_eventsLogButton = addMenuIconButton(this, "eventsLogButton", "AUK_80060_eventlog_lrg_white.png", EventLogText);
    m_pointsLogButton = addMenuIconButton(this, "pointsLogButton", "AUK_80220_point_lrg_white.png", PointLogText);
    m_advancedStatsButton =
        addMenuIconButton(this, "advancedStatsButton", "AUK_80307_advanced_stats_icon.png", AdvancedStatsText);
    connect(m_eventsLogButton, &BaseButton::clicked, this, &AUK_30117::showEventsLogMenu);
    connect(m_pointsLogButton, &BaseButton::clicked, this, &AUK_30117::showPointsLog);
    connect(m_advancedStatsButton, &BaseButton::clicked, this, &AUK_30117::showAdvancedStatsMenu);
    setTitleById(LogsMenuTitle);
    m_advancedStatsButton->setVisible(TeskGlobalConfig::instance()->getConnectionNodeNumber() >= AdvancedStatsLevel);
    // The point log and the advanced statistics come with later work.
    m_pointsLogButton->setEnabled(false);
    m_advancedStatsButton->setEnabled(false);
    arrangeIconButtons();
}

AUK_30117::~AUK_30117() = default;

Page *AUK_30117::eventLogScreen(int userLevel, QWidget *parent)
{
    // Without the panel link there is no menu: the bus log is the event log.
    if (SystemState::instance()->guiMode() > 1)
        return new AUK_30073(QString(), 0, false, parent);
    return new AUK_30067(userLevel, nullptr);
}

void AUK_30117::showEventsLogMenu()
{
    PageStack::instance()->push(eventLogScreen(m_userLevel, this));
}

void AUK_30117::showPointsLog()
{
    qDebug() << "AUK_30117::showPointsLog: AUK_30118 is not built yet";
}

void AUK_30117::showAdvancedStatsMenu()
{
    qDebug() << "AUK_30117::showAdvancedStatsMenu: AUK_30120 is not built yet";
}
