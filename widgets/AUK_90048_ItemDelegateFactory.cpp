#include "widgets/AUK_90048_ItemDelegateFactory.h"

AUK_90048_ItemDelegateFactory::AUK_90048_ItemDelegateFactory(QObject *parent)
    : QObject(parent)
{
}
