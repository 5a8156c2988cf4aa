#include "widgets/FilterButton.h"

FilterButton::FilterButton(QWidget *parent, int buttonType)
    : BaseButton(parent, buttonType, 0)
    , m_emptyValue(tr("_CLICK_TO_SELECT_SELPROMPT"))
{
}

QString FilterButton::buttonEmptyValue() const
{
    return m_emptyValue;
}

void FilterButton::setButtonEmptyValue(const QString &prompt)
{
    m_emptyValue = prompt;
}

void FilterButton::clearAndDisable()
{
    setButtonValue(QString());
    setEnabled(false);
}

void FilterButton::clearAndEnable()
{
    setButtonValue(QString());
    setEnabled(true);
}

bool FilterButton::showsEmptyValue() const
{
    return m_showsEmptyValue;
}

void FilterButton::setShowsEmptyValue(bool shows)
{
    m_showsEmptyValue = shows;
}
