#include "widgets/RolesDelegate.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

// A caption: the key, then either %1 filled with a number or a plain suffix.
struct Caption
{
    int role;
    const char *key;
    int argument;
    const char *suffix;
};

constexpr int NoArgument = -1;
constexpr int NameRole = 59;

// Sorted by role, for the lookup.
constexpr Caption kCaptions[] = {
    {33, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_PANEL_SYSSTATUSTITLE"), NoArgument, ""},
    {34, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ZONE_SYSSTATUSTITLE"), NoArgument, ""},
    {56, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DATE_TIME_STATUSTITLE"), NoArgument, ""},
    {58, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ZONE_SYSSTATUSTITLE"), NoArgument, ""},
    {NameRole, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_NAME_SYSSTATUSTITLE"), NoArgument, ""},
    {60, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DEVICE_SYSSTATUSTITLE"), NoArgument, ""},
    {61, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_REAL_STATUSTITLE"), NoArgument, ""},
    {62, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ADDRESS_SYSSTATUSTITLE"), NoArgument, ""},
    {63, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_EVENT_TYPE_STATUSTITLE"), NoArgument, ""},
    {64, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_INFORMATION_STATUSTITLE"), NoArgument, ""},
    {65, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ADDRESS_SYSSTATUSTITLE"), NoArgument, ""},
    {73, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_EVENT_STATUS_STATUSTITLE"), NoArgument, ""},
    {76, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_OUTPUT_STATUSTITLE"), NoArgument, ""},
    {77, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_OUTPUT_STATE_SYSSTATUSTITLE"), NoArgument, ""},
    {78, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_OUTPUT_FORCED_SYSSTATUSTITLE"), NoArgument, ""},
    {79, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_OUTPUT_DISABLED_SYSSTATUSTITLE"), NoArgument, ""},
    {80, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_INPUT_STATUSTITLE"), NoArgument, ""},
    {81, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_INPUT_STATE_SYSSTATUSTITLE"), NoArgument, ""},
    {82, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_INPUT_FORCED_SYSSTATUSTITLE"), NoArgument, ""},
    {83, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_INPUT_DISABLED_SYSSTATUSTITLE"), NoArgument, ""},
    {85, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ANALOGUE_TYPE_SYSSTATUSTITLE"), 0, ""},
    {86, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ANALOGUE_VALUE_SYSSTATUSTITLE"), 0, ""},
    {88, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ANALOGUE_TYPE_SYSSTATUSTITLE"), 1, ""},
    {89, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ANALOGUE_VALUE_SYSSTATUSTITLE"), 1, ""},
    {91, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ANALOGUE_TYPE_SYSSTATUSTITLE"), 2, ""},
    {92, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ANALOGUE_VALUE_SYSSTATUSTITLE"), 2, ""},
    {95, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DIRTINESS_SYSSTATUSTITLE"), NoArgument, ""},
    {97, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TOTAL_POINTS_INFOTEXT"), NoArgument, ""},
    {105, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LOOP_STATUS_STATUSTITLE"), NoArgument, ""},
    {106, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LOOP_STATUSTITLE"), NoArgument, ""},
    {108, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_MANUFACTURE_DATE_STATUSTITLE"), NoArgument, ""},
    {109, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_EXPIRY_DATE_STATUSTITLE"), NoArgument, ""},
    {114, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DEVICE_DATE_ACTION_STATUSTITLE"), NoArgument, ""},
    {115, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_INFORMATION_STATUSTITLE"), NoArgument, ""},
    {119, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_FIRES_INFOTEXT"), NoArgument, ""},
    {120, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_FAULTS_20_CHAR"), NoArgument, ""},
    {121, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DISABLES_25_CHAR"), NoArgument, ""},
    {122, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_PANEL_SYSSTATUSTITLE"), NoArgument, ""},
    {123, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_MODE_SUMMARYTITLE"), NoArgument, ""},
    {124, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_WALKTEST_LOCATION_SYSSTATUSTITLE"), NoArgument, ""},
    {125, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DEVICES_IN_TEST_SUMMARYTITLE"), NoArgument, ""},
    {126, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ZONES_IN_TEST_SUMMARYTITLE"), NoArgument, ""},
    {127, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_EXCL/ISOLATED_DEVICES_SUMMARYTITLE"), NoArgument, ""},
    {128, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_BEEN_ACTIVE_SUMMARYTITLE"), NoArgument, ""},
    {129, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_BEEN_CLEAR_SUMMARYTITLE"), NoArgument, ""},
    {130, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_SUCCESSFUL_TESTED_SUMMARYTITLE"), NoArgument, ""},
    {131, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_CURRENTLY_ACTIVE_SUMMARYTITLE"), NoArgument, ""},
    {132, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_START_TIME_SUMMARYTITLE"), NoArgument, ""},
    {133, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LAST_UPDATED_SUMMARYTITLE"), NoArgument, ""},
    {135, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_PREVIOUS_MODE_SUMMARYTITLE"), NoArgument, ""},
    {139, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RSM_LAST_TEST_DATE_STATUSTITLE"), NoArgument, ""},
    {140, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RSM_TEST_STATUS_STATUSTITLE"), NoArgument, ""},
    {145, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DEVICE_LAST_TEST_DATE_SYSSTATUSTITLE"), NoArgument, ""},
    {146, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DEVICE_TEST_STATUS_SYSSTATUSTITLE"), NoArgument, ""},
    {148, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_COMMON_STATUSTITLE"), NoArgument, ""},
    {149, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LEFT_PORT_STATUSTITLE"), NoArgument, ""},
    {150, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RIGHT_PORT_STATUSTITLE"), NoArgument, ""},
    {151, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_GROUND_STATUSTITLE"), NoArgument, ""},
    {152, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DATA_TRANSMISSION_STATUSTITLE"), NoArgument, ""},
    {153, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RING_CONTINUITY_STATUSTITLE"), NoArgument, ""},
    {154, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_NET_COMMS_STATUSTITLE"), NoArgument, ""},
    {155, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LEFT_GOOD_FRAMES_28_CHAR"), NoArgument, ""},
    {156, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LEFT_SERIAL_ERRORS_28_CHAR"), NoArgument, ""},
    {157, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LEFT_FRAME_ERRORS_28_CHAR"), NoArgument, ""},
    {158, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LEFT_CHECKSUM_ERRORS_28_CHAR"), NoArgument, ""},
    {159, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RIGHT_GOOD_FRAMES_28_CHAR"), NoArgument, ""},
    {160, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RIGHT_SERIAL_ERRORS_28_CHAR"), NoArgument, ""},
    {161, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RIGHT_FRAME_ERRORS_28_CHAR"), NoArgument, ""},
    {162, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RIGHT_CHECKSUM_ERRORS_28_CHAR"), NoArgument, ""},
    {163, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TOTAL_MSG_SENT_28_CHAR"), NoArgument, ""},
    {164, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TOTAL_MSG_REVEIVED_28_CHAR"), NoArgument, ""},
    {165, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TIME_SINCE_ZEROED_28_CHAR"), NoArgument, ""},
    {166, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TIME_SINCE_STARTUP_28_CHAR"), NoArgument, ""},
    {167, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LEFT_ADC_AVERAGE_28_CHAR"), NoArgument, ""},
    {168, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RIGHT_ADC_AVERAGE_28_CHAR"), NoArgument, ""},
    {169, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_GROUND_ADC_AVERAGE_28_CHAR"), NoArgument, ""},
    {170, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_NEXT_ACTIVE_NODE_28_CHAR"), NoArgument, ""},
    {171, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_FLOW_CONTROL_28_CHAR"), NoArgument, ""},
    {172, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TIMESTAMP_28_CHAR"), NoArgument, ""},
    {173, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_EXTENDED_FAULT_MAP_28_CHAR"), NoArgument, ""},
    {175, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_PANEL_TYPE_STATUSTITLE"), NoArgument, ""},
    {177, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_CONFIGURED_SERIAL_NUMBER_12_CHAR"), NoArgument, ""},
    {178, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_REAL_SERIAL_NUMBER_12_CHAR"), NoArgument, ""},
    {180, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_CONFIGURED_SYSSTATUSTITLE"), NoArgument, ""},
    {182, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_POINT_VALUE_SENSOR_STATUSTITLE"), NoArgument, " A"},
    {183, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_POINT_VALUE_SENSOR_STATUSTITLE"), NoArgument, " B"},
    {184, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_POINT_VALUE_SENSOR_STATUSTITLE"), NoArgument, " C"},
    {185, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LINK_8_CHAR"), NoArgument, ""},
    {187, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RBUS_ADDRESS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {188, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_DURATION_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {189, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TX_POLLS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {190, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TX_PACKETS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {191, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TX_FAILS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {192, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RX_POLLS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {193, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RX_PACKETS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {194, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RX_CSUM_FAILS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {195, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RX_INVALID_REPLIES_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {196, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RX_TIMEOUTS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {197, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_RX_LSR_ERRORS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {198, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ABORT_RECEIVE_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {199, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_ABORT_TRANSMIT_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {200, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_TOTAL_BLOCKS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
    {201, QT_TRANSLATE_NOOP("TESKDelegateRoles", "_BAD_BLOCKS_100_20_BODYTEXTSMALLSTYLE"), NoArgument, ""},
};

constexpr bool sortedByRole()
{
    for (std::size_t i = 1; i < std::size(kCaptions); ++i) {
        if (kCaptions[i - 1].role >= kCaptions[i].role)
            return false;
    }
    return true;
}
static_assert(sortedByRole(), "the captions are looked up by binary search");

const char *const kContext = "TESKDelegateRoles";
const char *const kLocationKey = QT_TRANSLATE_NOOP("TESKDelegateRoles", "_LOCATION_SYSSTATUSTITLE");

} // namespace

bool RolesDelegate::s_locationTitles = false;

RolesDelegate::RolesDelegate(QObject *parent)
    : QItemDelegate(parent)
{
}

RolesDelegate::~RolesDelegate() = default;

QString RolesDelegate::roleTitle(int role)
{
    const Caption *end = std::end(kCaptions);
    const Caption *caption =
        std::lower_bound(std::begin(kCaptions), end, role, [](const Caption &c, int r) { return c.role < r; });
    if (caption == end || caption->role != role)
        return QString();
    const char *key = role == NameRole && s_locationTitles ? kLocationKey : caption->key;
    QString title = QCoreApplication::translate(kContext, key);
    // Checked first, so a missing translation shows its key without a warning.
    if (caption->argument != NoArgument && title.contains(QLatin1String("%1")))
        title = title.arg(caption->argument);
    return title + QLatin1String(caption->suffix);
}

void RolesDelegate::setLocationTitles(bool locationTitles)
{
    s_locationTitles = locationTitles;
}

QList<RoleColumn> RolesDelegate::titledColumns(const QVector<int> &roles)
{
    QList<RoleColumn> columns;
    for (int i = 0; i < roles.size(); ++i)
        columns.append(RoleColumn{i, roles.at(i), roleTitle(roles.at(i))});
    return columns;
}
