#include "widgets/AUK_90005.h"

#include "widgets/TextIdTable.h"

namespace {

const LabelButton::Look kLook = {"AUK_90005", BaseButton::BUTTON_BAR, 0,   QSize(220, 64), true, QSize(),
                                 true,        QRect(14, 10, 192, 44), true};

const TextIdTable &softKeyTexts()
{
    static const TextIdTable table("AUK_90005", {
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_ACCEPT_EVENT_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_ACCEPT_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_ADVANCED_DIAGNOSTICS_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_ALARM_ACK_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_APPLY_CHANGES_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_AUTOTEST_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_CALIBRATE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_CANCEL_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_CLEAR_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_CONFIGURE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_DELETE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_DISABLE_IR_MODE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_DISABLE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_DISABLE_OFF_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_DISABLE_ON_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_ENABLE_IR_MODE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_ENABLE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_ENABLE_LOOP_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_ENABLE_ON_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_END_POLLING_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_EVACUATE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_FIRES_IN_ZONE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_FORCE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_INSERT_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_KILL_WALK_TEST_SK"),
                                                    nullptr,
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_LIST_VIEW_SK"),
                                                    nullptr,
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_LOGIN_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_LOGOUT_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_MAIN_MENU_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_MODIFY_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_MOVE_TO_ZONE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_NEXT_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_POLL_DEVICE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_PREVIEW_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_PRINT_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_REFRESH_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_RESTART_NETWORK_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_RESTART_PANEL_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SAVE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SCAN_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SET_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SHOW_ALL_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SHOW_ENABLED_LOOPS_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SHOW_MISMATCHED_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SHOW_SHUTDOWN_LOOPS_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SHUTDOWN_LOOP_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SOUNDER_ON_OFF_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_START_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_STOP_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_STOP_WALK_TEST_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_SUMMARY_VIEW_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_UNFORCE_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_UNTESTED_FAILED_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_UPDATE_SK"),
                                                    nullptr,
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_VIEW_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_VIEW_STATUS_SK"),
                                                    QT_TRANSLATE_NOOP("AUK_90005", "_ZONES_IN_FIRE_SK"),
                                                });
    return table;
}

} // namespace

AUK_90005::AUK_90005(QWidget *parent)
    : LabelButton(parent, kLook)
{
}

void AUK_90005::setTextById(int id)
{
    setText(softKeyTexts().text(id));
}
