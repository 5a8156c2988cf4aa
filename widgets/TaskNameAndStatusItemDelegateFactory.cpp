#include "widgets/TaskNameAndStatusItemDelegateFactory.h"

#include "widgets/AUK_90048.h"
#include "widgets/TaskNameAndStatusItemDelegate.h"

#include <QListView>

TaskNameAndStatusItemDelegateFactory::TaskNameAndStatusItemDelegateFactory(QObject *parent)
    : AUK_90048_ItemDelegateFactory(parent)
{
}

QAbstractItemDelegate *TaskNameAndStatusItemDelegateFactory::createDelegate(AUK_90048 *list)
{
    return new TaskNameAndStatusItemDelegate(list->listView()->width(), list->delegateHeight(),
                                             list->delegateCheckedImage(), list->delegateUncheckedImage(),
                                             list->checkImageSize());
}
