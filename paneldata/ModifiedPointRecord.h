#pragma once

#include <QString>
#include <QtGlobal>

// The latest cached change of one point address.
struct ModifiedPointRecord
{
    enum Kind : int { None = 0, Deleted = 1, Changed = 2 };
    // Of a multi-address change; a single-point change keeps the device
    // use's category here instead, a deletion taken from the configuration 0.
    enum Role : int { SingleAddress = 1, FirstAddress = 2, FurtherAddress = 3 };
    static constexpr quint16 DeletedUse = 0xFFFE;
    static constexpr quint8 NoZone = 254;
    static constexpr quint8 NoLogicalPoint = 251;

    quint8 zone = 0;
    quint16 deviceUse = DeletedUse;
    quint8 logicalPointNumber = 0;
    QString text;
    int role = 0;
    // The device's first address.
    quint8 headPoint = 0;
    // Addresses of the device after this one.
    quint8 remainingAddresses = 0;
    int kind = None;

    bool isDeleted() const { return kind == Deleted; }
    // The same record deleted: no use and no text, the rest kept.
    ModifiedPointRecord deleted() const
    {
        ModifiedPointRecord record = *this;
        record.kind = Deleted;
        record.deviceUse = DeletedUse;
        record.text.clear();
        return record;
    }
};
