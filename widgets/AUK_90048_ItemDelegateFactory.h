#pragma once

#include <QObject>

class AUK_90048;
class QAbstractItemDelegate;

// Makes the item delegate of a selector list for screens whose rows are not
// plain selector rows.
class AUK_90048_ItemDelegateFactory : public QObject
{
    Q_OBJECT

public:
    explicit AUK_90048_ItemDelegateFactory(QObject *parent = nullptr);

    // A new delegate; the list takes ownership.
    virtual QAbstractItemDelegate *createDelegate(AUK_90048 *list) = 0;
};
