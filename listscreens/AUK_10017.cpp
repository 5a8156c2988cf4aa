#include "listscreens/AUK_10017.h"

#include "listscreens/ListScreenPages.h"
#include "widgets/AUK_90004.h"
#include "widgets/AUK_90006.h"

#include <QCoreApplication>

namespace {

AUK_90004 *makeSummaryStatus(QWidget *page)
{
    auto *pane = new AUK_90004(page);
    pane->setObjectName(QStringLiteral("SummaryStatus"));
    pane->setGeometry(429, 43, 210, 338);
    pane->setEnabledLook(false);
    pane->setProperty("light", true);
    pane->setProperty("disabled", true);
    pane->setMessagesVisible(false);
    pane->setText(QString());
    pane->setTitle(QString());
    pane->setProperty("countersZeroText", QString());
    pane->raise();
    return pane;
}

} // namespace

AUK_10017::AUK_10017(QWidget *parent)
    : gui::FilterSelectorsScreenTemplate(parent)
    , m_summaryStatus(makeSummaryStatus(this))
    , m_form(FilterScreenForm::build(this, "AUK_10017", "stackedWidget"))
{
    m_summaryStatus->hide();
    m_summaryStatus->setText(QCoreApplication::translate("AUK_90004", "_BEFORE_COMMENCING_WALK_TEST_INFOMSG"));
    buildFilterButtonsLayout();
    connectLozengeBarScrollButtons(this);
}

AUK_10017::~AUK_10017() = default;

void AUK_10017::onCancelled()
{
    ListScreenPages::pop(2);
}

void AUK_10017::finishedDlgPopScreen()
{
    ListScreenPages::pop(2);
}

void AUK_10017::finishedDlgPopPopup()
{
    ListScreenPages::pop(1);
}

void AUK_10017::pointsSelectorChanged()
{
    filterSelectorUpdated(sender());
}

void AUK_10017::filterSelectorUpdated(QObject *selector)
{
    gui::FilterSelectorsScreenTemplate::filterSelectorUpdated(selector);
    emit updateLozengeBarButtons();
}

void AUK_10017::setLeftButtonInvisible()
{
    lozengeBar()->setLeftButtonVisible(false);
}
