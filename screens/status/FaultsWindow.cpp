#include "screens/status/FaultsWindow.h"

#include "eventlog/EventLogQueries.h"
#include "pointmodels/EventLogQueryModel.h"
#include "widgets/AUK_90022.h"

#include <QSqlQuery>

bool FaultsWindow::scrolled(int from, int to)
{
    if (from == to)
        return false;
    m_offset += to - from;
    return true;
}

int FaultsWindow::reload(EventLogQueryModel &model, AUK_90022 *view, int faultsLevel, bool inPointTable, quint8 node)
{
    int total = 0;
    {
        QSqlQuery count;
        if (EventLogQueries::countFilteredEvents(count, faultsLevel, inPointTable, node) && count.next())
            total = count.value(0).toInt();
    }
    if (view)
        view->setTotalCount(total);

    // The window keeps the card before the current one, so that a move back
    // has a card to go to.
    const int start = m_offset <= 1 ? 0 : m_offset - 1;
    QSqlQuery rows;
    if (!EventLogQueries::selectFilteredEvents(rows, faultsLevel, inPointTable, node, start))
        return total;
    model.setQueryFetchingAll(rows);
    if (model.rowCount() > 1) {
        if (view)
            view->scrollToItem(m_offset > 0 ? 1 : 0);
    } else {
        m_offset = 0;
    }
    if (view) {
        view->setCurrentIndex(m_offset);
        view->updateCounter();
    }
    return total;
}
