#include "listscreens/StackedSelector.h"

#include <QStackedWidget>

namespace {

constexpr int ButtonHeight = 64;

} // namespace

StackedSelector::StackedSelector(QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, false)
    , m_buttons(new QStackedWidget)
    , m_editors(new QStackedWidget)
{
}

StackedSelector::~StackedSelector()
{
    delete m_buttons.data();
    delete m_editors.data();
}

QWidget *StackedSelector::button()
{
    return m_buttons.data();
}

QWidget *StackedSelector::filterEditor()
{
    return m_editors.data();
}

void StackedSelector::addSelector(FilterSelector *selector)
{
    m_selectors.append(selector);
    // The first one added is shown until the screen picks another; only it
    // is current, so that activation reaches the selector on show.
    if (!m_current)
        show(selector);
    connect(selector, &FilterSelector::activated, this, &FilterSelector::activated);
    connect(selector, &FilterSelector::valueChanged, this, &FilterSelector::valueChanged);
}

void StackedSelector::setCurrentSelector(FilterSelector *selector)
{
    if (!m_selectors.contains(selector))
        return;
    show(selector);
    m_buttons->setMaximumHeight(ButtonHeight);
}

void StackedSelector::show(FilterSelector *selector)
{
    QWidget *button = selector->button();
    QWidget *editor = selector->filterEditor();
    if (m_buttons->indexOf(button) < 0)
        m_buttons->addWidget(button);
    if (m_editors->indexOf(editor) < 0)
        m_editors->addWidget(editor);
    m_buttons->setCurrentWidget(button);
    m_editors->setCurrentWidget(editor);
    m_current = selector;
}

void StackedSelector::reset(bool disableFilterButton)
{
    for (FilterSelector *selector : qAsConst(m_selectors))
        selector->reset(disableFilterButton);
}

void StackedSelector::activate()
{
    if (m_current)
        m_current->activate();
}

void StackedSelector::deactivate()
{
    if (m_current)
        m_current->deactivate();
}
