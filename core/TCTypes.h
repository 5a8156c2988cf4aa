#pragma once

#include <QMetaType>
#include <QtGlobal>

// The one-byte vocabulary in which point addresses travel between components.
namespace TC {

// 0 to 99 name a panel; 254 means no panel (system-wide data), 255 every panel
// where an operation takes a panel.
using panel_t = quint8;
using point_t = quint8;
using device_t = quint8;
using zone_t = quint8;
using channelAddressNumerical_t = quint8;
// Widened when carried by signals.
using channelAddress_t = quint32;
// A point-log reply: the record asked for, how many there are, its flag.
using pointLogRequestedRecordId_t = quint8;
using pointLogTotalAvailableRecords_t = quint8;
using pointLogRecordFlag_t = quint8;
// The connected-services figures as the controller reports them.
using cs_configuration = quint8;
using cs_state = quint8;

inline constexpr panel_t cPanelCount = 100;
inline constexpr panel_t cNoPanel = 254;
inline constexpr panel_t cAllPanels = 255;

// Texts are kept per language selection: the panel's first or second
// language.
enum eLanguageSelection : int { eFirstLanguage = 1, eSecondLanguage = 2 };

// One record of a point's log: the panel it was asked of, the panel time,
// the point, and the controller's 13 bytes, passed on as they came.
struct sPointLogRecordDetails_t
{
    panel_t panel = 0;
    quint32 time = 0;
    int loop = 0;
    int point = 0;
    quint8 details[13] = {};
};

// Per-panel tables have room for panels 0 to 99 only.
inline constexpr bool isTablePanel(panel_t panel)
{
    return panel < cPanelCount;
}

} // namespace TC

Q_DECLARE_METATYPE(TC::eLanguageSelection)
