#pragma once

#include "listscreens/AUK_10017.h"

class DateTimeSelector;

// The event log by date and time: the operator picks a start and an end to
// the minute and views the events between them, the whole end minute
// included, as cards.
class AUK_30072 final : public AUK_10017
{
    Q_OBJECT

public:
    // The end selector names a minute; the range runs to its end.
    static constexpr int EndMinuteSeconds = 60;

    explicit AUK_30072(QWidget *parent = nullptr);
    ~AUK_30072() override;

    DateTimeSelector *startSelector() const { return m_startSelector; }
    DateTimeSelector *endSelector() const { return m_endSelector; }

public slots:
    void sendSlot();

private:
    DateTimeSelector *m_startSelector;
    DateTimeSelector *m_endSelector;
};
