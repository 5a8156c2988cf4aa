#include "listscreens/StatusViewer.h"

#include "widgets/AUK_90033.h"

#include <QButtonGroup>

StatusViewer::StatusViewer(const QString &buttonText, QButtonGroup *group, QObject *parent)
    : StatusViewer(buttonText, group, 0, parent)
{
}

StatusViewer::StatusViewer(const QString &buttonText, QButtonGroup *group, int value, QObject *parent)
    : QObject(parent)
    , m_button(new AUK_90033)
    , m_group(group)
    , m_value(value)
{
    m_button->setAutoExclusive(true);
    m_button->setCheckable(true);
    m_button->setButtonLabel(buttonText);
    m_button->setValueAlignment(Qt::AlignCenter);
    if (m_group)
        m_group->addButton(m_button);
    connect(m_button, &QAbstractButton::clicked, this, &StatusViewer::buttonClicked);
}

StatusViewer::~StatusViewer()
{
    // Once in the host's column the button is the host's; one never placed
    // would otherwise be left behind.
    if (m_button && !m_button->parent())
        delete m_button;
}

AUK_90033 *StatusViewer::button() const
{
    return m_button;
}

void StatusViewer::activate()
{
    if (m_button)
        m_button->setChecked(true);
    emit activated();
}

int StatusViewer::value() const
{
    return m_value;
}

void StatusViewer::buttonClicked()
{
    emit activated();
}
