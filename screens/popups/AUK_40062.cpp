#include "screens/popups/AUK_40062.h"

#include "app/PageStack.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "widgets/FontRepository.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace {

constexpr int OkPopupKeyId = 10;
constexpr int CancelPopupKeyId = 3;
constexpr int ClosePopupKeyId = 4;
// Below this connection level the controller does not answer disablements.
constexpr int CountingConnectionLevel = 5;

QLabel *formLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(FontRepository::instance()->normal15());
    return label;
}

void addLine(QWidget *parent, int number, int y)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("line_%1").arg(number));
    line->setGeometry(135, y, 370, 16);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
}

QString fourDigits(int value)
{
    return QStringLiteral("%1").arg(value, 4, 10, QLatin1Char('0'));
}

// A count never goes below nothing, whatever the controller answers.
int minus(int total, int count)
{
    return std::max(total - count, 0);
}

} // namespace

AUK_40062::AUK_40062(int function, bool popScreen, QObject *owner, QWidget *parent)
    : AUK_20002(parent)
    , m_owner(owner)
    , m_function(function)
    , m_popScreen(popScreen)
{
    setObjectName(QStringLiteral("AUK_40062"));
    resize(640, 414);
    const QString zero = fourDigits(0);
    formLabel(this, "pendingText", QRect(184, 59, 210, 32), tr("_PENDING_210_32_INFOTEXTSTYLE"));
    m_pendingCount = formLabel(this, "pendingCount", QRect(407, 59, 70, 32), zero);
    addLine(this, 1, 87);
    m_completeText = formLabel(this, "completeText", QRect(184, 99, 210, 32), QString());
    m_completeCount = formLabel(this, "completeCount", QRect(407, 99, 70, 32), zero);
    addLine(this, 2, 127);
    formLabel(this, "deferredPendingText", QRect(184, 139, 210, 32), tr("_DEFERRED_PENDING_210_32_INFOTEXTSTYLE"));
    m_deferredPendingCount = formLabel(this, "deferredPendingCount", QRect(407, 139, 70, 32), zero);
    addLine(this, 3, 167);
    formLabel(this, "deferredText", QRect(184, 179, 210, 32), tr("_DEFERRED_210_32_INFOTEXTSTYLE"));
    m_deferredCount = formLabel(this, "deferredCount", QRect(407, 179, 70, 32), zero);
    addLine(this, 4, 207);
    m_deferredAdviceText = formLabel(this, "deferredAdviceText", QRect(140, 216, 365, 110), QString());
    m_deferredAdviceText->setAlignment(Qt::AlignCenter);
    m_deferredAdviceText->setWordWrap(true);
    m_waitingLabel = formLabel(this, "waitingLabel", QRect(130, 130, 370, 40), QString());
    m_waitingLabel->setAlignment(Qt::AlignCenter);
    m_waitingLabel->setWordWrap(true);

    if (m_function != DISABLEMENT_ENABLE) {
        setTitle(tr("_DISABLE_ON_POPUPTITLE"));
        m_completeText->setText(tr("_DISABLED_210_32_INFOTEXTSTYLE"));
        m_deferredAdviceText->setText(tr("_NONE_DISABLED_365_110_INFOTEXT"));
    } else {
        setTitle(QCoreApplication::translate("BasePopup", "_DISABLE_OFF_POPUPTITLE"));
        m_completeText->setText(tr("_ENABLED_210_32_INFOTEXTSTYLE"));
        m_deferredAdviceText->setText(tr("_NONE_ENABLED_365_110_INFOTEXT"));
    }
    setLeftButtonVisible(false);
    setLeftButtonTextById(OkPopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    connect(this, &BasePopup::leftButtonClicked, this, &AUK_40062::Ok);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40062::Cancel);
    if (countsReplies()) {
        connect(SyncClient::instance(), &SyncClient::disablementSent, this, &AUK_40062::disableRequestSent);
        connect(SyncClient::instance(), &SyncClient::PointCommandReply, this, &AUK_40062::pointCommandReply);
    }
    // The owner's screen class lives on a floor above: its refresh signal is
    // found by name. An owner without it still ends the wait by going away
    // or by the time-out.
    if (m_owner && !connect(m_owner.data(), SIGNAL(disablementsRefreshed()), this, SLOT(ownerRefreshed())))
        qWarning() << "AUK_40062::AUK_40062 the owner" << m_owner->metaObject()->className()
                   << "reports no refresh; Close waits for the time-out";
}

void AUK_40062::sendPoints(int direction, const SC_PointsIndividual &points)
{
    m_direction = direction;
    m_sentIndividualLists.append(points);
    addPending(points.count());
    m_sequence = SyncClient::instance()->sendDisablePoints(quint8(m_direction), DisablementFunctionID(m_function),
                                                           m_sentIndividualLists.constLast(), m_sequence);
    countAtOnce(points.count());
}

void AUK_40062::sendPoints(int direction, const SC_PointsWildCard &points)
{
    m_direction = direction;
    m_sentWildCardLists.append(points);
    addPending(points.count());
    m_sequence = SyncClient::instance()->sendDisableWildCard(quint8(m_direction), DisablementFunctionID(m_function),
                                                             m_sentWildCardLists.constLast(), m_sequence);
    countAtOnce(points.count());
}

// The operator takes the deferred option: every list goes again, for the
// points the controller put off.
void AUK_40062::Ok()
{
    m_deferredAdviceText->hide();
    setLeftButtonVisible(false);
    SyncClient *link = SyncClient::instance();
    for (const SC_PointsIndividual &points : qAsConst(m_sentIndividualLists))
        m_sequence = link->sendDisablePoints(quint8(m_direction), DISABLEMENT_DEFERRED_2, points, m_sequence);
    for (const SC_PointsWildCard &points : qAsConst(m_sentWildCardLists))
        m_sequence = link->sendDisableWildCard(quint8(m_direction), DISABLEMENT_DEFERRED_2, points, m_sequence);
}

// The owner is to show the enabled points before the popup goes: only the
// waiting text stays, and no key.
void AUK_40062::CloseClicked()
{
    if (m_waiting)
        return;
    m_waiting = true;
    static const char *const counting[] = {"line_1",
                                           "line_2",
                                           "line_4",
                                           "pendingText",
                                           "pendingCount",
                                           "completeText",
                                           "completeCount",
                                           "deferredPendingText",
                                           "deferredPendingCount",
                                           "deferredText",
                                           "deferredCount",
                                           "deferredAdviceText"};
    for (const char *name : counting) {
        if (QWidget *child = findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            child->hide();
    }
    setRightButtonVisible(false);
    m_waitingLabel->setText(tr("_WAIT_FOR_ENABLING_POPUPTEXT2INFO"));
    if (!m_owner || m_ownerHasRefreshed) {
        endWait();
        return;
    }
    connect(m_owner.data(), &QObject::destroyed, this, &AUK_40062::endWait);
    m_ownerWait = SC_Timer::create(this);
    m_ownerWait->setSingleShot(true);
    connect(m_ownerWait, &SC_Timer::timeout, this, &AUK_40062::endWait);
    m_ownerWait->start(OwnerWaitMilliseconds);
}

// A refresh before Close counts too: the list already shows the points.
void AUK_40062::ownerRefreshed()
{
    m_ownerHasRefreshed = true;
    if (m_waiting)
        endWait();
}

// Ends the wait once. The popup may have left the stack meanwhile (the
// stack unwound with its owner); then it pops nothing.
void AUK_40062::endWait()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    m_ownerHasRefreshed = false;
    if (m_ownerWait)
        m_ownerWait->stop();
    if (m_owner)
        disconnect(m_owner.data(), nullptr, this, nullptr);
    if (PageStack::instance()->isTop(this))
        Close();
}

void AUK_40062::Cancel()
{
    PageStack::instance()->pop(1);
}

void AUK_40062::Close()
{
    PageStack *stack = PageStack::instance();
    stack->pop(1);
    if (m_popScreen)
        stack->pop(1);
}

void AUK_40062::disableRequestSent(quint8 sequence, quint16 points, DisablementFunctionID function)
{
    m_sentRequests.insert(sequence, SentRequest{points, function});
}

// Each recorded chunk is answered once: a repeated reply finds nothing left
// to count.
void AUK_40062::pointCommandReply(quint8 sequence, quint16, quint16 completed, quint16 deferred)
{
    const auto found = m_sentRequests.find(sequence);
    if (found == m_sentRequests.end())
        return;
    const SentRequest request = found.value();
    m_sentRequests.erase(found);
    switch (request.function) {
    case DISABLEMENT_ENABLE:
    case DISABLEMENT_DISABLE:
        m_pendingTotal = minus(m_pendingTotal, request.points);
        m_completeTotal += completed;
        m_deferredPendingTotal += deferred;
        if (m_deferredPendingTotal != 0) {
            m_deferredAdviceText->setText(tr("_DEFERRED_OPTIONS_365_110_INFOTEXT"));
            m_deferredAdviceText->show();
            setLeftButtonTextById(OkPopupKeyId);
            setLeftButtonVisible(true);
        } else if (m_completeTotal != 0) {
            m_deferredAdviceText->hide();
        }
        break;
    case DISABLEMENT_DEFERRED_1:
    case DISABLEMENT_DEFERRED_2:
        m_deferredPendingTotal = minus(m_deferredPendingTotal, completed);
        m_deferredTotal += completed;
        if (m_deferredTotal != 0) {
            m_deferredAdviceText->setText(tr("_DEFERRED_COMPLETE_365_110_INFOTEXT"));
            m_deferredAdviceText->show();
        }
        break;
    default:
        break;
    }
    showCounts();
    if (m_pendingTotal == 0 && m_deferredPendingTotal == 0)
        switchToClose();
}

bool AUK_40062::countsReplies()
{
    return TeskGlobalConfig::instance()->getConnectionNodeNumber() >= CountingConnectionLevel;
}

void AUK_40062::addPending(int points)
{
    if (!countsReplies())
        return;
    m_pendingTotal += points;
    showCounts();
}

// No reply will come: the points count as done when they are sent.
void AUK_40062::countAtOnce(int points)
{
    if (countsReplies())
        return;
    m_completeTotal += points;
    showCounts();
    m_deferredAdviceText->hide();
    switchToClose();
}

void AUK_40062::showCounts()
{
    m_pendingCount->setText(fourDigits(m_pendingTotal));
    m_completeCount->setText(fourDigits(m_completeTotal));
    m_deferredPendingCount->setText(fourDigits(m_deferredPendingTotal));
    m_deferredCount->setText(fourDigits(m_deferredTotal));
}

void AUK_40062::switchToClose()
{
    setRightButtonTextById(ClosePopupKeyId);
    if (m_closeSwitched)
        return;
    m_closeSwitched = true;
    disconnect(this, &BasePopup::rightButtonClicked, this, &AUK_40062::Cancel);
    if (m_owner && countsReplies())
        connect(this, &BasePopup::rightButtonClicked, this, &AUK_40062::CloseClicked);
    else
        connect(this, &BasePopup::rightButtonClicked, this, &AUK_40062::Close);
}
