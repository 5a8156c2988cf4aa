#pragma once

#include "widgets/FilterButton.h"

#include <QChar>

// A filter button that also shows a count after its value.
class FilterButtonCounter : public FilterButton
{
    Q_OBJECT
    // Written with field width 3 and fill '0'.
    Q_PROPERTY(QString buttonCounter READ buttonCounter WRITE setButtonCounterProperty)

public:
    explicit FilterButtonCounter(QWidget *parent, int buttonType);

    virtual QString buttonCounter() const = 0;
    virtual void setButtonCounter(const QString &counter, int fieldWidth, QChar fill) = 0;

private:
    void setButtonCounterProperty(const QString &counter);
};
