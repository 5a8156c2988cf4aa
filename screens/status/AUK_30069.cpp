#include "screens/status/AUK_30069.h"

#include "app/PageStack.h"
#include "listscreens/PanelSelector.h"
#include "listscreens/StatusSelector.h"
#include "screens/status/AUK_30073.h"
#include "widgets/AUK_90006.h"
#include "widgets/EventLogIcons.h"

#include <QCoreApplication>

namespace {

constexpr int EventLogTitle = 8;
constexpr int ViewKey = 58;

} // namespace

AUK_30069::AUK_30069(QWidget *parent)
    : AUK_10017(parent)
    , m_filterModel(nullptr, false)
    , m_statusSelector(new StatusSelector(&m_filterModel, buttonGroup(), this))
    , m_panelSelector(new PanelSelector(&m_filterModel, buttonGroup(), this))
{
    setObjectName(QStringLiteral("AUK_30069"));
    setTitleById(EventLogTitle);
    setEventLogIcons(this);
    // The view key stands for the whole choice: the bar stays while the
    // filters are built.
    setHideLozengeBarUntilComplete(false);

    m_statusSelector->setShowTestItem(true);
    m_statusSelector->setShowInformationItem(true);
    m_statusSelector->setShowUnrestoredCheckBox(true);
    addFilterSelector(m_statusSelector);

    m_panelSelector->setUseNetworkPanelList(true);
    m_panelSelector->setShowAllPanelsItem(true);
    // The panel list stands from the start, headed by its all-panels row,
    // so the panel the operator picks can be kept through status choices
    // made before or after it.
    m_panelSelector->filterEditor();
    addFilterSelector(m_panelSelector);

    AUK_90006 *bar = lozengeBar();
    bar->setLeftButtonTextById(ViewKey);
    bar->setLeftButtonVisible(false);
    bar->setMiddleButtonVisible(false);
    bar->setRightButtonVisible(false);
    bar->setScrollButtonsVisible(true);

    connect(m_statusSelector, &FilterSelector::valueChanged, this, &AUK_30069::updateLozengeBar);
    connect(m_statusSelector, &FilterSelector::valueChanged, this, &AUK_30069::setRememberedPanel);
    connect(m_panelSelector, &FilterSelector::valueChanged, this, &AUK_30069::rememberSelectedPanel);
    connect(bar, &AUK_90006::leftButtonClicked, this, &AUK_30069::sendSlot);
    connect(m_statusSelector, &StatusSelector::unRestoredCheckBoxActivated, this,
            &AUK_30069::unRestoredCheckBoxValueChanged);
    bar->show();
}

AUK_30069::~AUK_30069() = default;

void AUK_30069::updateLozengeBar(int value)
{
    lozengeBar()->setLeftButtonVisible(value > 0);
}

void AUK_30069::rememberSelectedPanel()
{
    if (!m_panelSelector->hasAllPanelsItem())
        return;
    quint8 panel = PanelSelector::AllPanels;
    if (!m_panelSelector->selectedPanel(&panel))
        panel = PanelSelector::AllPanels;
    m_rememberedPanel = panel;
}

// A new status choice rebuilds the panel list; the operator's panel stays.
void AUK_30069::setRememberedPanel()
{
    if (m_panelSelector->hasAllPanelsItem())
        m_panelSelector->selectPanel(m_rememberedPanel);
}

void AUK_30069::unRestoredCheckBoxValueChanged(bool checked)
{
    if (checked)
        m_unrestoredOnly = true;
}

void AUK_30069::sendSlot()
{
    m_unrestoredOnly = m_statusSelector->isUnrestoredChecked();
    quint8 panel = PanelSelector::AllPanels;
    if (!m_panelSelector->hasAllPanelsItem() || !m_panelSelector->selectedPanel(&panel))
        panel = PanelSelector::AllPanels;
    PageStack::instance()->push(new AUK_30073(QCoreApplication::translate("AUK_30069", "_STATUS_LOGTITLE"),
                                              m_filterModel.statusMask, m_unrestoredOnly, panel, nullptr));
    m_unrestoredOnly = false;
}
