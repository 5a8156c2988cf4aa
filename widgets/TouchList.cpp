#include "widgets/TouchList.h"

#include <QListView>

void TouchList::configure(QListView *list, Direction direction)
{
    list->setFrameShape(QFrame::NoFrame);
    list->setFrameShadow(QFrame::Plain);
    list->setLineWidth(1);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setAutoScroll(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    if (direction == Horizontal) {
        list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        list->setFlow(QListView::LeftToRight);
    } else {
        list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        list->setFlow(QListView::TopToBottom);
    }
}
