#include "listscreens/JumpToCard.h"

#include "listscreens/ListScreenPages.h"
#include "widgets/CardViewIface.h"

namespace {

constexpr int MoveToCardTitle = 3;
constexpr int CardDigits = 5;

} // namespace

JumpToCard::JumpToCard(QObject *cardView)
    : m_cardView(qobject_cast<CardViewIface *>(cardView))
{
    if (m_cardView)
        connect(m_cardView.data(), &CardViewIface::counterClicked, this, &JumpToCard::showMoveToCardPopup);
}

void JumpToCard::showMoveToCardPopup()
{
    ListScreenPages::openNumberKeypad(MoveToCardTitle, CardDigits, this, [this](quint32 index) { moveToCard(index); });
}

void JumpToCard::moveToCard(quint32 index)
{
    if (!m_cardView || index == 0 || qint64(index) > qint64(m_cardView->totalCount()))
        return;
    m_cardView->goToPosition(int(index));
}
