#pragma once

#include "paneldata/ModifiedPointRecord.h"

#include <QString>
#include <QtGlobal>

// One address's change as the manual point update sends it. The flags say
// which fields travel:
//   bit 7 device use (not for uses 2048 and 2049), bit 6 zone, bit 5
//   logical point number, bit 4 text in the first language, bit 3 text in
//   the second; a deletion carries its device use only.
struct ModifiedPointSetting
{
    enum Flag : quint8 {
        HasDeviceUse = 0x80,
        HasZone = 0x40,
        HasLogicalPoint = 0x20,
        HasFirstLanguageText = 0x10,
        HasSecondLanguageText = 0x08,
    };
    static constexpr quint8 HasText = HasFirstLanguageText | HasSecondLanguageText;

    quint8 flags = 0;
    quint16 deviceUse = 0x0800;
    quint8 zone = 0xFE;
    quint8 logicalPointNumber = 0xFB;
    QString text;

    // Logical addressing and the current language come from the global
    // configuration.
    static ModifiedPointSetting fromRecord(const ModifiedPointRecord &record);
};
