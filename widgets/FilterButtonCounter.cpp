#include "widgets/FilterButtonCounter.h"

FilterButtonCounter::FilterButtonCounter(QWidget *parent, int buttonType)
    : FilterButton(parent, buttonType)
{
}

void FilterButtonCounter::setButtonCounterProperty(const QString &counter)
{
    setButtonCounter(counter, 3, QLatin1Char('0'));
}
