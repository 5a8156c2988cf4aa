#include "screens/status/EventsSummaryCommon.h"

#include "app/PageStack.h"
#include "core/SC_Timer.h"
#include "eventlog/EventLogQueries.h"
#include "link/SC_PointsIndividual.h"
#include "link/SyncClient.h"
#include "link/sc_LkEventLog.h"
#include "listscreens/JumpToCard.h"
#include "listscreens/StatusViewer.h"
#include "pointmodels/EventLogQueryModel.h"
#include "pointmodels/model.h"
#include "reports/PrintableModel.h"
#include "screens/popups/AUK_40009.h"
#include "screens/popups/AUK_40062.h"
#include "widgets/AUK_90022.h"

#include <QCoreApplication>
#include <QDebug>
#include <QListView>
#include <QMap>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

constexpr int LoopChannelKind = 12;
constexpr int DisableDirection = 3;

using R = EventLogQueryModel;

} // namespace

EventsSummaryCommon::EventsSummaryCommon(bool trackViewerOnActivate, int accessLevel, int userLevel, int functionMask,
                                         QWidget *parent, bool counterTitleBox)
    : AUK_10014(accessLevel, userLevel, parent, counterTitleBox)
    , m_trackViewerOnActivate(trackViewerOnActivate)
    , m_functionMask(functionMask)
    , m_saveTimer(SC_Timer::create(this))
{
    m_saveTimer->setSingleShot(true);
    connect(m_saveTimer, &SC_Timer::timeout, this, &EventsSummaryCommon::saveEventLog);
    setObjectName(QStringLiteral("EventsSummaryCommon"));
    qRegisterMetaType<TC::eFaultsLevel>("TC::eFaultsLevel");
}

EventsSummaryCommon::~EventsSummaryCommon()
{
    delete m_jumpToCard;
}

void EventsSummaryCommon::setCurrentViewer(StatusViewer *viewer)
{
    m_activeViewer = viewer;
    auto *jump = new JumpToCard(viewer ? viewer->eventViewer() : nullptr);
    if (jump != m_jumpToCard) {
        delete m_jumpToCard;
        m_jumpToCard = jump;
    }
}

void EventsSummaryCommon::viewActivated()
{
    AUK_10014::viewActivated();
    if (m_trackViewerOnActivate)
        setCurrentViewer(qobject_cast<StatusViewer *>(sender()));
}

AUK_90022 *EventsSummaryCommon::cardViewOf(const StatusViewer *viewer)
{
    return viewer ? qobject_cast<AUK_90022 *>(viewer->eventViewer()) : nullptr;
}

QModelIndex EventsSummaryCommon::centreCard(const StatusViewer *viewer)
{
    const AUK_90022 *view = cardViewOf(viewer);
    if (!view || !view->listView()->model())
        return {};
    const int row = view->centreItemRow();
    return row < 0 ? QModelIndex() : view->listView()->model()->index(row, 0);
}

bool EventsSummaryCommon::isLoopPoint(const QModelIndex &card)
{
    return card.isValid() && card.data(R::ChannelRole).toInt() == LoopChannelKind;
}

bool EventsSummaryCommon::isOnShutDownLoop(const QModelIndex &card)
{
    if (!isLoopPoint(card))
        return false;
    return model::instance()->isLoopShutDown(TC::panel_t(card.data(R::PanelNumberRole).toUInt()),
                                             card.data(R::ChannelAddrRole).toInt())
           != 0;
}

void EventsSummaryCommon::setActiveConditions(bool active)
{
    m_yellowOnPanelActivity = active;
}

void EventsSummaryCommon::showWaitPopup(int kind)
{
    qDebug() << "EventsSummaryCommon::showWaitPopup: AUK_40007 of kind" << kind << "is not built yet";
}

void EventsSummaryCommon::showDisableSelection(int kind, const QModelIndex &card, bool flag, int count, int level)
{
    auto *popup = new AUK_40009(kind, QPersistentModelIndex(card), flag, count, TC::eFaultsLevel(level), nullptr);
    if (count >= 0) {
        connect(popup, &AUK_40009::selectedItem, this, &EventsSummaryCommon::buildAndSendIndividualDisablePoints);
        // The progress popup takes the selection's place; when nothing was
        // found to disable there is none, and the selection goes all the same.
        connect(popup, &AUK_40009::selectedItem, popup, [popup] { PageStack::instance()->remove(popup); });
    }
    PageStack::instance()->push(popup);
}

void EventsSummaryCommon::buildAndSendIndividualDisablePoints(const QPersistentModelIndex &index,
                                                              TC::eFaultsLevel faultsLevel, bool single)
{
    if (!index.isValid())
        return;
    // One list per panel, sent in panel order.
    QMap<quint8, SC_PointsIndividual> lists;
    if (single) {
        const QVariant panel = index.data(R::PanelNumberRole);
        const QVariant address = index.data(R::IndividualAddressRole);
        if (panel.isValid() && address.canConvert<PointIndividualAddress>()) {
            const quint8 node = quint8(panel.toUInt());
            SC_PointsIndividual &list = lists[node];
            list.appendPoint(address.value<PointIndividualAddress>());
            list.setPanel(node);
        }
    } else {
        // Only the faults this summary lists: a sounders summary must never
        // disable a faulty detector.
        prepareFaultsQuery();
        QSqlQuery query;
        if (EventLogQueries::selectFilteredEvents(query, faultsLevel, m_functionMask != AllFunctions,
                                                  EventLogQueries::AllPanels, -1)
            && query.next()) {
            const QSqlRecord record = query.record();
            const int node = record.indexOf(QStringLiteral("node"));
            const int channel = record.indexOf(QStringLiteral("channel"));
            const int pointCat = record.indexOf(QStringLiteral("pointCat"));
            const int channelAddr = record.indexOf(QStringLiteral("channelAddr"));
            const int pointNum = record.indexOf(QStringLiteral("pointNum"));
            const auto byteAt = [&query](int column) { return quint8(query.value(column).toUInt()); };
            do {
                const quint8 panel = byteAt(node);
                auto found = lists.find(panel);
                if (found == lists.end()) {
                    found = lists.insert(panel, SC_PointsIndividual());
                    found->setPanel(panel);
                }
                found->addPoint(byteAt(channel), byteAt(channelAddr), byteAt(pointCat), byteAt(pointNum));
            } while (query.next());
        }
    }
    // Nothing found: no request, and no progress popup waiting for replies
    // that never come.
    if (lists.isEmpty())
        return;
    auto *popup = new AUK_40062(DISABLEMENT_DISABLE, false, nullptr, nullptr);
    PageStack::instance()->push(popup);
    QCoreApplication::processEvents();
    for (auto it = lists.cbegin(); it != lists.cend(); ++it)
        popup->sendPoints(DisableDirection, it.value());
}

void EventsSummaryCommon::sendAcceptEvent()
{
    const QModelIndex card = centreCard(m_activeViewer);
    if (!card.isValid()) {
        showWaitPopup(8);
        return;
    }
    if (sc_LkEventLog *log = SyncClient::instance()->getEventLog())
        log->sendAcceptLogEvent(
            quint8(card.data(R::PanelNumberRole).toUInt()), quint8(card.data(R::ChannelRole).toUInt()),
            quint8(card.data(R::ChannelAddrRole).toUInt()), quint16(card.data(R::SeqNoRole).toUInt()),
            quint16(card.data(R::EventCodeRole).toUInt()), quint16(card.data(R::ClientIdRole).toUInt()));
    showWaitPopup(7);
}

void EventsSummaryCommon::saveEventLogLater()
{
    showWaitPopup(12);
    m_saveTimer->start(1);
}

void EventsSummaryCommon::saveFaultsReport(int faultsLevel)
{
    prepareFaultsQuery();
    QSqlQuery query;
    if (!EventLogQueries::selectFilteredEvents(query, faultsLevel, m_functionMask != AllFunctions,
                                               EventLogQueries::AllPanels, -1))
        return;
    QSharedPointer<EventLogQueryModel> rows(new EventLogQueryModel(nullptr, {}));
    rows->setQueryFetchingAll(query);
    saveListReport(rows, EventsKind, false);
}

void EventsSummaryCommon::saveListReport(const QSharedPointer<QAbstractItemModel> &model, int kind, bool defaultRoles)
{
    QSharedPointer<PrintableModel> printable(new PrintableModel(model, true));
    if (defaultRoles)
        printable->setRoles(defaultReportRoles(kind));
    setPrintableModel(printable);
    AUK_10014::print();
}
