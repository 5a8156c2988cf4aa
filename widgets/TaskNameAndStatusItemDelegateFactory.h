#pragma once

#include "widgets/AUK_90048_ItemDelegateFactory.h"

// Gives a task list its task rows, sized and skinned from the list.
class TaskNameAndStatusItemDelegateFactory final : public AUK_90048_ItemDelegateFactory
{
    Q_OBJECT

public:
    explicit TaskNameAndStatusItemDelegateFactory(QObject *parent = nullptr);

    QAbstractItemDelegate *createDelegate(AUK_90048 *list) override;
};
