#pragma once

#include "widgets/AUK_90001A.h"

class AUK_90002;

// The event-log menu: the event log by status and, for a logged-on user,
// by date and time.
class AUK_30067 final : public AUK_90001A
{
    Q_OBJECT

public:
    explicit AUK_30067(int userLevel, QWidget *parent = nullptr);
    ~AUK_30067() override;

public slots:
    void showEventLogByStatus();
    void showEventLogByDateTime();

private:
    AUK_90002 *m_statusButton;
    AUK_90002 *m_dateTimeButton;
};
