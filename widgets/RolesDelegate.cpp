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
    {33, "_PANEL_SYSSTATUSTITLE", NoArgument, ""},
    {34, "_ZONE_SYSSTATUSTITLE", NoArgument, ""},
    {56, "_DATE_TIME_STATUSTITLE", NoArgument, ""},
    {58, "_ZONE_SYSSTATUSTITLE", NoArgument, ""},
    {NameRole, "_NAME_SYSSTATUSTITLE", NoArgument, ""},
    {60, "_DEVICE_SYSSTATUSTITLE", NoArgument, ""},
    {61, "_REAL_STATUSTITLE", NoArgument, ""},
    {62, "_ADDRESS_SYSSTATUSTITLE", NoArgument, ""},
    {63, "_EVENT_TYPE_STATUSTITLE", NoArgument, ""},
    {64, "_INFORMATION_STATUSTITLE", NoArgument, ""},
    {65, "_ADDRESS_SYSSTATUSTITLE", NoArgument, ""},
    {73, "_EVENT_STATUS_STATUSTITLE", NoArgument, ""},
    {76, "_OUTPUT_STATUSTITLE", NoArgument, ""},
    {77, "_OUTPUT_STATE_SYSSTATUSTITLE", NoArgument, ""},
    {78, "_OUTPUT_FORCED_SYSSTATUSTITLE", NoArgument, ""},
    {79, "_OUTPUT_DISABLED_SYSSTATUSTITLE", NoArgument, ""},
    {80, "_INPUT_STATUSTITLE", NoArgument, ""},
    {81, "_INPUT_STATE_SYSSTATUSTITLE", NoArgument, ""},
    {82, "_INPUT_FORCED_SYSSTATUSTITLE", NoArgument, ""},
    {83, "_INPUT_DISABLED_SYSSTATUSTITLE", NoArgument, ""},
    {85, "_ANALOGUE_TYPE_SYSSTATUSTITLE", 0, ""},
    {86, "_ANALOGUE_VALUE_SYSSTATUSTITLE", 0, ""},
    {88, "_ANALOGUE_TYPE_SYSSTATUSTITLE", 1, ""},
    {89, "_ANALOGUE_VALUE_SYSSTATUSTITLE", 1, ""},
    {91, "_ANALOGUE_TYPE_SYSSTATUSTITLE", 2, ""},
    {92, "_ANALOGUE_VALUE_SYSSTATUSTITLE", 2, ""},
    {95, "_DIRTINESS_SYSSTATUSTITLE", NoArgument, ""},
    {97, "_TOTAL_POINTS_INFOTEXT", NoArgument, ""},
    {105, "_LOOP_STATUS_STATUSTITLE", NoArgument, ""},
    {106, "_LOOP_STATUSTITLE", NoArgument, ""},
    {108, "_MANUFACTURE_DATE_STATUSTITLE", NoArgument, ""},
    {109, "_EXPIRY_DATE_STATUSTITLE", NoArgument, ""},
    {114, "_DEVICE_DATE_ACTION_STATUSTITLE", NoArgument, ""},
    {115, "_INFORMATION_STATUSTITLE", NoArgument, ""},
    {119, "_FIRES_INFOTEXT", NoArgument, ""},
    {120, "_FAULTS_20_CHAR", NoArgument, ""},
    {121, "_DISABLES_25_CHAR", NoArgument, ""},
    {122, "_PANEL_SYSSTATUSTITLE", NoArgument, ""},
    {123, "_MODE_SUMMARYTITLE", NoArgument, ""},
    {124, "_WALKTEST_LOCATION_SYSSTATUSTITLE", NoArgument, ""},
    {125, "_DEVICES_IN_TEST_SUMMARYTITLE", NoArgument, ""},
    {126, "_ZONES_IN_TEST_SUMMARYTITLE", NoArgument, ""},
    {127, "_EXCL/ISOLATED_DEVICES_SUMMARYTITLE", NoArgument, ""},
    {128, "_BEEN_ACTIVE_SUMMARYTITLE", NoArgument, ""},
    {129, "_BEEN_CLEAR_SUMMARYTITLE", NoArgument, ""},
    {130, "_SUCCESSFUL_TESTED_SUMMARYTITLE", NoArgument, ""},
    {131, "_CURRENTLY_ACTIVE_SUMMARYTITLE", NoArgument, ""},
    {132, "_START_TIME_SUMMARYTITLE", NoArgument, ""},
    {133, "_LAST_UPDATED_SUMMARYTITLE", NoArgument, ""},
    {135, "_PREVIOUS_MODE_SUMMARYTITLE", NoArgument, ""},
    {139, "_RSM_LAST_TEST_DATE_STATUSTITLE", NoArgument, ""},
    {140, "_RSM_TEST_STATUS_STATUSTITLE", NoArgument, ""},
    {145, "_DEVICE_LAST_TEST_DATE_SYSSTATUSTITLE", NoArgument, ""},
    {146, "_DEVICE_TEST_STATUS_SYSSTATUSTITLE", NoArgument, ""},
    {148, "_COMMON_STATUSTITLE", NoArgument, ""},
    {149, "_LEFT_PORT_STATUSTITLE", NoArgument, ""},
    {150, "_RIGHT_PORT_STATUSTITLE", NoArgument, ""},
    {151, "_GROUND_STATUSTITLE", NoArgument, ""},
    {152, "_DATA_TRANSMISSION_STATUSTITLE", NoArgument, ""},
    {153, "_RING_CONTINUITY_STATUSTITLE", NoArgument, ""},
    {154, "_NET_COMMS_STATUSTITLE", NoArgument, ""},
    {155, "_LEFT_GOOD_FRAMES_28_CHAR", NoArgument, ""},
    {156, "_LEFT_SERIAL_ERRORS_28_CHAR", NoArgument, ""},
    {157, "_LEFT_FRAME_ERRORS_28_CHAR", NoArgument, ""},
    {158, "_LEFT_CHECKSUM_ERRORS_28_CHAR", NoArgument, ""},
    {159, "_RIGHT_GOOD_FRAMES_28_CHAR", NoArgument, ""},
    {160, "_RIGHT_SERIAL_ERRORS_28_CHAR", NoArgument, ""},
    {161, "_RIGHT_FRAME_ERRORS_28_CHAR", NoArgument, ""},
    {162, "_RIGHT_CHECKSUM_ERRORS_28_CHAR", NoArgument, ""},
    {163, "_TOTAL_MSG_SENT_28_CHAR", NoArgument, ""},
    {164, "_TOTAL_MSG_REVEIVED_28_CHAR", NoArgument, ""},
    {165, "_TIME_SINCE_ZEROED_28_CHAR", NoArgument, ""},
    {166, "_TIME_SINCE_STARTUP_28_CHAR", NoArgument, ""},
    {167, "_LEFT_ADC_AVERAGE_28_CHAR", NoArgument, ""},
    {168, "_RIGHT_ADC_AVERAGE_28_CHAR", NoArgument, ""},
    {169, "_GROUND_ADC_AVERAGE_28_CHAR", NoArgument, ""},
    {170, "_NEXT_ACTIVE_NODE_28_CHAR", NoArgument, ""},
    {171, "_FLOW_CONTROL_28_CHAR", NoArgument, ""},
    {172, "_TIMESTAMP_28_CHAR", NoArgument, ""},
    {173, "_EXTENDED_FAULT_MAP_28_CHAR", NoArgument, ""},
    {175, "_PANEL_TYPE_STATUSTITLE", NoArgument, ""},
    {177, "_CONFIGURED_SERIAL_NUMBER_12_CHAR", NoArgument, ""},
    {178, "_REAL_SERIAL_NUMBER_12_CHAR", NoArgument, ""},
    {180, "_CONFIGURED_SYSSTATUSTITLE", NoArgument, ""},
    {182, "_POINT_VALUE_SENSOR_STATUSTITLE", NoArgument, " A"},
    {183, "_POINT_VALUE_SENSOR_STATUSTITLE", NoArgument, " B"},
    {184, "_POINT_VALUE_SENSOR_STATUSTITLE", NoArgument, " C"},
    {185, "_LINK_8_CHAR", NoArgument, ""},
    {187, "_RBUS_ADDRESS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {188, "_DURATION_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {189, "_TX_POLLS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {190, "_TX_PACKETS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {191, "_TX_FAILS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {192, "_RX_POLLS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {193, "_RX_PACKETS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {194, "_RX_CSUM_FAILS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {195, "_RX_INVALID_REPLIES_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {196, "_RX_TIMEOUTS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {197, "_RX_LSR_ERRORS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {198, "_ABORT_RECEIVE_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {199, "_ABORT_TRANSMIT_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {200, "_TOTAL_BLOCKS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
    {201, "_BAD_BLOCKS_100_20_BODYTEXTSMALLSTYLE", NoArgument, ""},
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
const char *const kLocationKey = "_LOCATION_SYSSTATUSTITLE";

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
