#pragma once

#include <QMetaType>
#include <QString>

// A state-store command as the link sends it to BucketMaster. The command
// values travel between components as plain integers, so an unknown one must
// be tolerated by the receiver.
struct BucketCmd
{
    enum Command : int {
        SetValue = 0,
        ClearBucket = 1,
        RemoveKeysWithPrefix = 2,
        PageUpdated = 3,
    };

    int command = SetValue;
    int pageId = 0;
    QString key;
    QString value;
};

Q_DECLARE_METATYPE(BucketCmd)
