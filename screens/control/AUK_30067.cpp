#include "screens/control/AUK_30067.h"

#include "app/PageStack.h"
#include "screens/control/MenuIconButton.h"
#include "screens/status/AUK_30069.h"
#include "screens/status/AUK_30072.h"
#include "widgets/AUK_90002.h"
#include "widgets/EventLogIcons.h"

namespace {

constexpr int EventLogTitle = 8;
constexpr int StatusText = 63;
constexpr int DateTimeText = 16;
constexpr int DateTimeUserLevel = 2;

} // namespace

AUK_30067::AUK_30067(int userLevel, QWidget *parent)
    : AUK_90001A(parent)
{
    setObjectName(QStringLiteral("AUK_30067"));
    resize(640, 480);
    setEventLogIcons(this);
    m_statusButton = addMenuIconButton(this, "statusButton", "AUK_80074_status_lrg_white.png", StatusText);
    m_dateTimeButton = addMenuIconButton(this, "dateTimeButton", "AUK_80172_date_time_lrg_white.png", DateTimeText);
    connect(m_statusButton, &BaseButton::clicked, this, &AUK_30067::showEventLogByStatus);
    connect(m_dateTimeButton, &BaseButton::clicked, this, &AUK_30067::showEventLogByDateTime);
    setTitleById(EventLogTitle);
    m_dateTimeButton->setVisible(userLevel >= DateTimeUserLevel);
    arrangeIconButtons();
}

AUK_30067::~AUK_30067() = default;

void AUK_30067::showEventLogByStatus()
{
    PageStack::instance()->push(new AUK_30069(nullptr));
}

void AUK_30067::showEventLogByDateTime()
{
    PageStack::instance()->push(new AUK_30072(nullptr));
}
