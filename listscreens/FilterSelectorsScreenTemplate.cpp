#include "listscreens/FilterSelectorsScreenTemplate.h"

#include "core/SC_Timer.h"
#include "listscreens/FilterSelector.h"
#include "widgets/AUK_90006.h"
#include "widgets/PaletteRepository.h"

#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace gui {

FilterSelectorsScreenTemplate::FilterSelectorsScreenTemplate(QWidget *parent)
    : AUK_90001B(parent)
    , m_initialiseTimer(SC_Timer::create(this))
{
    m_initialiseTimer->setSingleShot(true);
    connect(m_initialiseTimer, &SC_Timer::timeout, this, &FilterSelectorsScreenTemplate::initialiseSelector);
}

FilterSelectorsScreenTemplate::~FilterSelectorsScreenTemplate() = default;

void FilterSelectorsScreenTemplate::addFilterSelector(FilterSelector *selector, FilterSelector *before)
{
    if (!selector || !m_filterButtonsLayout)
        return;
    if (m_selectors.isEmpty()) {
        selector->reset(false);
        m_filterButtonsLayout->activate();
        selector->activate();
    } else {
        selector->reset(true);
    }
    int position = m_filterButtonsLayout->count() - 1;
    int chainPosition = m_selectors.size();
    if (before) {
        const int beforeButton = m_filterButtonsLayout->indexOf(before->button());
        const int beforeChain = m_selectors.indexOf(before);
        if (beforeButton >= 0 && beforeChain >= 0) {
            position = beforeButton;
            chainPosition = beforeChain;
        }
    }
    m_filterButtonsLayout->insertWidget(position, selector->button());
    if (stackedWidget()->count() == 0)
        stackedWidget()->addWidget(selector->filterEditor());
    connect(selector, &FilterSelector::activated, this, &FilterSelectorsScreenTemplate::filterActivated);
    connect(selector, &FilterSelector::valueChanged, this, &FilterSelectorsScreenTemplate::resetDownstreamFilters);
    connect(selector, &FilterSelector::valueChanged, this, &FilterSelectorsScreenTemplate::activateNextFilter);
    connect(selector, &FilterSelector::activated, this, [this, selector] { filterSelectorUpdated(selector); });
    m_selectors.insert(chainPosition, selector);
    m_filterButtonsLayout->activate();
    if (m_selectors.size() == 1)
        m_initialiseTimer->start(1);
}

void FilterSelectorsScreenTemplate::buildFilterButtonsLayout()
{
    QPalette palette = filterLink()->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(PaletteRepository::darkGrey()));
    filterLink()->setPalette(palette);
    m_filterButtonsLayout = new QVBoxLayout(filterButtonsContainer());
    m_filterButtonsLayout->setContentsMargins(0, 0, 0, 0);
    m_filterButtonsLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    if (m_hideLozengeBarUntilComplete)
        lozengeBar()->hide();
}

void FilterSelectorsScreenTemplate::alignFilterLink(QWidget *filterButton)
{
    QWidget *link = filterLink();
    const QPoint origin = filterButton->mapTo(this, QPoint(0, 0));
    link->move(link->x(), origin.y() + (filterButton->height() - link->height()) / 2);
    link->setVisible(m_filterLinkVisible);
}

void FilterSelectorsScreenTemplate::setFilterButtonVisible(FilterSelector *selector, bool visible)
{
    if (selector && selector->button())
        selector->button()->setVisible(visible);
}

void FilterSelectorsScreenTemplate::setFilterButtonsDisabled(bool disabled)
{
    for (FilterSelector *selector : qAsConst(m_selectors))
        selector->button()->setDisabled(disabled);
}

void FilterSelectorsScreenTemplate::setFilterLinkVisible(bool visible)
{
    if (visible == m_filterLinkVisible)
        return;
    filterLink()->setVisible(visible);
    m_filterLinkVisible = visible;
}

void FilterSelectorsScreenTemplate::filterActivated()
{
    auto *selector = qobject_cast<FilterSelector *>(sender());
    if (selector)
        activateAsCurrent(selector);
}

void FilterSelectorsScreenTemplate::activateAsCurrent(FilterSelector *selector)
{
    QWidget *editor = selector->filterEditor();
    QStackedWidget *stack = stackedWidget();
    if (stack->indexOf(editor) < 0)
        stack->addWidget(editor);
    stack->setCurrentWidget(editor);
    alignFilterLink(selector->button());
    stack->show();
    filterLink()->setVisible(m_filterLinkVisible);
    for (FilterSelector *each : qAsConst(m_selectors))
        each->setCurrent(false);
    selector->setCurrent(true);
    emit filterCurrentlyActive();
}

void FilterSelectorsScreenTemplate::resetDownstreamFilters(int count)
{
    const int position = m_selectors.indexOf(qobject_cast<FilterSelector *>(sender()));
    if (position < 0)
        return;
    for (int i = position + 1; i < m_selectors.size(); ++i)
        m_selectors.at(i)->reset(!(i == position + 1 && count != 0));
    const bool last = position == m_selectors.size() - 1;
    if ((!last || count == 0) && m_hideLozengeBarUntilComplete)
        lozengeBar()->hide();
}

void FilterSelectorsScreenTemplate::activateNextFilter(int count)
{
    auto *selector = qobject_cast<FilterSelector *>(sender());
    if (count != 1 || !selector || selector->isMultiSelection())
        return;
    if (!selector->autoAdvance()) {
        selector->setAutoAdvance(true);
        return;
    }
    const int position = m_selectors.indexOf(selector);
    if (position < 0 || position == m_selectors.size() - 1)
        return;
    FilterSelector *next = m_selectors.at(position + 1);
    if (next->button()->isVisibleTo(this))
        next->activate();
}

void FilterSelectorsScreenTemplate::filterSelectorUpdated(QObject *selector)
{
    auto *target = qobject_cast<FilterSelector *>(selector);
    if (!target)
        return;
    showScrollButtons(target->usesScrollButtons());
    if (m_scrollTarget)
        disconnectScrollTarget(m_scrollTarget.data());
    connectScrollTarget(target);
    emit updateScrollBarButtons();
    m_scrollTarget = target;
}

void FilterSelectorsScreenTemplate::initialiseSelector()
{
    if (!m_selectors.isEmpty())
        filterSelectorUpdated(m_selectors.first());
}

} // namespace gui
