#include "screens/status/AUK_30072.h"

#include "app/PageStack.h"
#include "listscreens/DateTimeSelector.h"
#include "paneldata/DateTime.h"
#include "screens/status/AUK_30073.h"
#include "widgets/AUK_90006.h"
#include "widgets/EventLogIcons.h"

#include <QCoreApplication>

namespace {

constexpr int EventLogTitle = 8;
constexpr int ViewKey = 58;
// The events lie in the past: the year lists end at this year.
constexpr quint8 ExtraYears = 0;

} // namespace

AUK_30072::AUK_30072(QWidget *parent)
    : AUK_10017(parent)
    , m_startSelector(new DateTimeSelector(buttonGroup(), this, ExtraYears))
    , m_endSelector(new DateTimeSelector(buttonGroup(), this, ExtraYears))
{
    setObjectName(QStringLiteral("AUK_30072"));
    setTitleById(EventLogTitle);
    setEventLogIcons(this);

    m_startSelector->setTitle(QCoreApplication::translate("AUK_30072", "_START_FILTERTITLE"));
    m_startSelector->setDateTime(QDateTime(DateTime::panelDateTime().date(), QTime(0, 0), Qt::UTC));
    addFilterSelector(m_startSelector);
    m_endSelector->setTitle(QCoreApplication::translate("AUK_30072", "_END_FILTERTITLE"));
    addFilterSelector(m_endSelector);

    AUK_90006 *bar = lozengeBar();
    bar->setLeftButtonTextById(ViewKey);
    bar->setMiddleButtonVisible(false);
    bar->setRightButtonVisible(false);
    bar->show();
    connect(bar, &AUK_90006::leftButtonClicked, this, &AUK_30072::sendSlot);
}

AUK_30072::~AUK_30072() = default;

void AUK_30072::sendSlot()
{
    const QDateTime from = m_startSelector->selectedDateTime();
    const QDateTime to = m_endSelector->selectedDateTime().addSecs(EndMinuteSeconds);
    PageStack::instance()->push(
        new AUK_30073(QCoreApplication::translate("AUK_30072", "_DATETIME_LOGTITLE"), from, to, nullptr));
}
