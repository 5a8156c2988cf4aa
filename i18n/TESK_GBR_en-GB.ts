<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AUK_20001</name>
    <message>
        <source>_LOGIN_POPUPTITLEWIDE</source>
        <translation>Log on</translation>
    </message>
    <message>
        <source>_LOGIN_STARTUP_POPUPTITLEWIDE</source>
        <translation>Log on to start the panel</translation>
    </message>
    <message>
        <source>_MOVE_TO_CARD_POPUPTITLEWIDE</source>
        <translation>Move to card</translation>
    </message>
    <message>
        <source>_MOVE_TO_ZONE_POPUPTITLEWIDE</source>
        <translation>Move to zone</translation>
    </message>
    <message>
        <source>_EVACUATE_POPUPTITLEWIDE</source>
        <translation>Evacuate</translation>
    </message>
    <message>
        <source>_WRITE_RFID_POPUPTITLEWIDE</source>
        <translation>Write RFID tag</translation>
    </message>
</context>
<context>
    <name>AUK_20003</name>
    <message>
        <source>_PLEASE_WAIT_POPUPTITLE</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>_SAVE_POPUPTITLE</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>_ERROR_POPUPTITLE</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>AUK_40026</name>
    <message>
        <source>_FIRE_RESET_IN_PROGRESS_POPUPTITLE</source>
        <translation>Fire reset</translation>
    </message>
    <message>
        <source>_PANEL_SYNC_IN_PROGRESS_POPUPTITLE</source>
        <translation>Synchronising</translation>
    </message>
    <message>
        <source>_PANEL_STARTUP_WAIT_LOGIN_RESPONSE_POPUPTITLE</source>
        <translation>Panel starting</translation>
    </message>
</context>
<context>
    <name>AUK_40001</name>
    <message>
        <source>_USER_ID_SELECTITEM</source>
        <translation>User ID</translation>
    </message>
    <message>
        <source>_USER_PASSWORD_SELECTITEM</source>
        <translation>Passcode</translation>
    </message>
</context>
<context>
    <name>AUK_40008</name>
    <message>
        <source>_PENDING_170_17_INFOTEXTSTYLE</source>
        <translation>Pending</translation>
    </message>
</context>
<context>
    <name>AUK_40062</name>
    <message>
        <source>_DISABLE_ON_POPUPTITLE</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>_PENDING_210_32_INFOTEXTSTYLE</source>
        <translation>Pending</translation>
    </message>
    <message>
        <source>_DISABLED_210_32_INFOTEXTSTYLE</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>_ENABLED_210_32_INFOTEXTSTYLE</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>_DEFERRED_PENDING_210_32_INFOTEXTSTYLE</source>
        <translation>Deferred, pending</translation>
    </message>
    <message>
        <source>_DEFERRED_210_32_INFOTEXTSTYLE</source>
        <translation>Deferred, done</translation>
    </message>
    <message>
        <source>_NONE_DISABLED_365_110_INFOTEXT</source>
        <translation>No point disabled yet.</translation>
    </message>
    <message>
        <source>_NONE_ENABLED_365_110_INFOTEXT</source>
        <translation>No point enabled yet.</translation>
    </message>
    <message>
        <source>_DEFERRED_OPTIONS_365_110_INFOTEXT</source>
        <translation>The panel deferred some points. Press OK to carry them out now.</translation>
    </message>
    <message>
        <source>_DEFERRED_COMPLETE_365_110_INFOTEXT</source>
        <translation>The deferred points have been carried out.</translation>
    </message>
    <message>
        <source>_WAIT_FOR_ENABLING_POPUPTEXT2INFO</source>
        <translation>Waiting for the list of disablements to show the enabled points.</translation>
    </message>
</context>
<context>
    <name>AUK_40009</name>
    <message>
        <source>_DISABLE_ON_POPUPTITLE</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>_SELECTED_POINT_303_32_BODYTEXTSTYLE</source>
        <translation>Selected point</translation>
    </message>
    <message>
        <source>_SELECTED_ZONE_303_32_BODYTEXTSTYLE</source>
        <translation>Selected zone</translation>
    </message>
    <message>
        <source>_SELECTED_PANEL_303_32_BODYTEXTSTYLE</source>
        <translation>Selected panel</translation>
    </message>
    <message>
        <source>_ALL_303_32_BODYTEXTSTYLE</source>
        <translation>All</translation>
    </message>
    <message>
        <source>_FIRES_POPUPTITLE</source>
        <translation>Fires</translation>
    </message>
    <message>
        <source>_GENERAL_FIRE_WARNINGS_POPUPTITLE</source>
        <translation>Fire warnings</translation>
    </message>
    <message>
        <source>_GENERAL_FAULTS_POPUPTITLE</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>_GENERAL_TEST_POPUPTITLE</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>_PANEL_FIRE_WARNINGS_POPUPTITLE</source>
        <translation>Panel fire warnings</translation>
    </message>
    <message>
        <source>_PANEL_MAINS_POPUPTITLE</source>
        <translation>Panel mains</translation>
    </message>
    <message>
        <source>_PANEL_SYSTEM_FAULT_POPUPTITLE</source>
        <translation>Panel system fault</translation>
    </message>
    <message>
        <source>_PANEL_DAYNIGHT_MODE_POPUPTITLE</source>
        <translation>Panel day/night mode</translation>
    </message>
    <message>
        <source>_SOUNDERS_ALL_POPUPTITLE</source>
        <translation>All sounders</translation>
    </message>
    <message>
        <source>_SOUNDERS_ACTIVE_POPUPTITLE</source>
        <translation>Active sounders</translation>
    </message>
    <message>
        <source>_SOUNDERS_FAULTS_POPUPTITLE</source>
        <translation>Sounder faults</translation>
    </message>
    <message>
        <source>_SOUNDERS_DISABLES_POPUPTITLE</source>
        <translation>Disabled sounders</translation>
    </message>
    <message>
        <source>_SIGNALLING_ALL_POPUPTITLE</source>
        <translation>All signalling</translation>
    </message>
    <message>
        <source>_SIGNALLING_ACTIVE_POPUPTITLE</source>
        <translation>Active signalling</translation>
    </message>
    <message>
        <source>_SIGNALLING_FAULTS_POPUPTITLE</source>
        <translation>Signalling faults</translation>
    </message>
    <message>
        <source>_SIGNALLING_DISABLES_POPUPTITLE</source>
        <translation>Disabled signalling</translation>
    </message>
    <message>
        <source>_PROTECTION_ALL_POPUPTITLE</source>
        <translation>All protection</translation>
    </message>
    <message>
        <source>_PROTECTION_ACTIVE_POPUPTITLE</source>
        <translation>Active protection</translation>
    </message>
    <message>
        <source>_PROTECTION_FAULTS_POPUPTITLE</source>
        <translation>Protection faults</translation>
    </message>
    <message>
        <source>_PROTECTION_DISABLES_POPUPTITLE</source>
        <translation>Disabled protection</translation>
    </message>
    <message>
        <source>_CONTROLS_ALL_POPUPTITLE</source>
        <translation>All controls</translation>
    </message>
    <message>
        <source>_CONTROLS_ACTIVE_POPUPTITLE</source>
        <translation>Active controls</translation>
    </message>
    <message>
        <source>_CONTROLS_FAULTS_POPUPTITLE</source>
        <translation>Control faults</translation>
    </message>
    <message>
        <source>_CONTROLS_DISABLES_POPUPTITLE</source>
        <translation>Disabled controls</translation>
    </message>
    <message>
        <source>_ZONE_FIRE_WARNINGS_POPUPTITLE</source>
        <translation>Zone fire warnings</translation>
    </message>
    <message>
        <source>_DEVICE_DATES_POPUPTITLE</source>
        <translation>Device dates</translation>
    </message>
</context>
<context>
    <name>AUK_40049</name>
    <message>
        <source>_GENERAL_DISABLES_POPUPTITLE</source>
        <translation>Disablements</translation>
    </message>
    <message>
        <source>_SELECTED_323_32_BODYTEXTSTYLE</source>
        <translation>Selected point</translation>
    </message>
    <message>
        <source>_SELECTED_NORMAL_323_32_BODYTEXTSTYLE</source>
        <translation>Selected point, if normal</translation>
    </message>
    <message>
        <source>_ALL_NORMAL_323_32_BODYTEXTSTYLE</source>
        <translation>All points in normal state</translation>
    </message>
</context>
<context>
    <name>AUK_10013</name>
    <message>
        <source>_AUK_10013_HDR</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>_AUK_10013_TASKS_WIDETITLE</source>
        <translation>Tasks</translation>
    </message>
</context>
<context>
    <name>AUK_30008</name>
    <message>
        <source>_CUSTOM_TASKS_WIDETITLE</source>
        <translation>Custom tasks</translation>
    </message>
    <message>
        <source>_ACTIVE_LISTBTN</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>_NOT_ACTIVE_LISTBTN</source>
        <translation>Not active</translation>
    </message>
</context>
<context>
    <name>AUK_40032</name>
    <message>
        <source>_INDEX_SELECTITEM</source>
        <translation>Number</translation>
    </message>
</context>
<context>
    <name>AUK_40029</name>
    <message>
        <source>_SIMPLE_COMMISSIONING_POPUPTITLE</source>
        <translation>Commissioning</translation>
    </message>
    <message>
        <source>_LOOP_SHUTTING_DOWN_POPUPTEXT5INFO</source>
        <translation>Shutting the loop down</translation>
    </message>
    <message>
        <source>_POLL_255_PROGRESS_POPUPTEXT5INFO</source>
        <translation>Polling address 255</translation>
    </message>
    <message>
        <source>_WAITING_FOR_OPERATION_POPUPTEXT5INFO</source>
        <translation>Waiting for the operation to finish</translation>
    </message>
    <message>
        <source>_WAITING_FOR_PANEL_RESPONSE_PROGRESS_POPUPTEXT5INFO</source>
        <translation>Waiting for the panel to answer</translation>
    </message>
</context>
<context>
    <name>AUK_40053</name>
    <message>
        <source>_NON_LED_OUTPUTS_POPUPTITLE</source>
        <translation>Non-LED outputs</translation>
    </message>
    <message>
        <source>_ISOLATE_ALL_NON_LED_OUTPUTS_POPUPITEM</source>
        <translation>Isolate all non-LED outputs</translation>
    </message>
    <message>
        <source>_EXTEND_TIMEOUT_POPUPITEM</source>
        <translation>Extend the isolation time</translation>
    </message>
    <message>
        <source>_DEISOLATE_ALL_NON_LED_OUTPUTS_POPUPITEM</source>
        <translation>De-isolate all non-LED outputs</translation>
    </message>
    <message>
        <source>_DEISOLATE_NON_ACTIVE_NON_LED_OUTPUTS_POPUPITEM</source>
        <translation>De-isolate the outputs not active</translation>
    </message>
    <message>
        <source>_TIMEOUT_IN_POPUPTITLE</source>
        <translation>Isolation ends in</translation>
    </message>
    <message>
        <source>_INVALID_INFOTEXT</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>BasePopup</name>
    <message>
        <source>_DISABLE_OFF_POPUPTITLE</source>
        <translation>Enable</translation>
    </message>
</context>
<context>
    <name>AUK_40040</name>
    <message>
        <source>_ABORTED_POPUPTEXT1BODY</source>
        <translation>Aborted</translation>
    </message>
    <message>
        <source>_BUZZER_OVERRIDE_POPUPTEXT1BODY</source>
        <translation>Buzzer override</translation>
    </message>
    <message>
        <source>_COMPATIBILITY_CHECK_POPUPTEXT1BODY</source>
        <translation>Compatibility check</translation>
    </message>
    <message>
        <source>_CONFIRM_SOUNDERS_POPUPTEXT1BODY</source>
        <translation>Confirm sounders</translation>
    </message>
    <message>
        <source>_DIGITAL_ENROLMENT_CONFIRM_POPUPTEXT1BODY</source>
        <translation>Confirm digital enrolment</translation>
    </message>
    <message>
        <source>_FAILED_TO_SAVE_FILE_USB_POPUPTEXT1BODY</source>
        <translation>Failed to save file to USB</translation>
    </message>
    <message>
        <source>_FILE_SAVED_USB_POPUPTEXT1BODY</source>
        <translation>File saved to USB</translation>
    </message>
    <message>
        <source>_FINISHED_POPUPTEXT1BODY</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>_IDLE_POPUPTEXT1BODY</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>_IN_PROGRESS_POPUPTEXT1BODY</source>
        <translation>In progress</translation>
    </message>
    <message>
        <source>_INVALID_STATUS_POPUPTEXT1BODY</source>
        <translation>Invalid status</translation>
    </message>
    <message>
        <source>_KILL_WALK_TEST_WARNING_POPUPTEXT1INFO</source>
        <translation>A walk test is running.</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_ERROR_POPUPTEXT1BODY</source>
        <translation>Configuration update error</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_FINISHED_POPUPTEXT1BODY</source>
        <translation>Configuration update finished</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_GENERIC_ERROR_POPUPTEXT1BODY</source>
        <translation>Configuration update failed</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_IN_PROGRESS_POPUPTEXT1BODY</source>
        <translation>Updating configuration</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_LANGUAGE_FILE_NOT_FOUND_POPUPTEXT1BODY</source>
        <translation>Language file not found</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_LANGUAGE_UNZIP_ERROR_POPUPTEXT1BODY</source>
        <translation>Language files damaged</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_QUISCENT_IMAGE_NOT_FOUND_POPUPTEXT1BODY</source>
        <translation>Standby image not found</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_STARTED_POPUPTEXT1BODY</source>
        <translation>Configuration update started</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_ZONEMAP_FILE_NOT_FOUND_POPUPTEXT1BODY</source>
        <translation>Zone map file not found</translation>
    </message>
    <message>
        <source>_TESK_CONFIG_UPDATE_ZONEMAP_UNZIP_ERROR_POPUPTEXT1BODY</source>
        <translation>Zone map files damaged</translation>
    </message>
    <message>
        <source>_RESTART_PANEL_POPUPTEXT1BODY</source>
        <translation>Restart the panel</translation>
    </message>
    <message>
        <source>_STOPPED_ON_ERROR_POPUPTEXT1BODY</source>
        <translation>Stopped on error</translation>
    </message>
    <message>
        <source>_BAD_CONFIG_POPUPTEXT1INFO</source>
        <translation>The configuration is not valid.</translation>
    </message>
    <message>
        <source>_SVC_TESK_APPLICATION_UPDATE_CONFIRM_POPUPTEXT1BODY</source>
        <translation>Update the display software?</translation>
    </message>
    <message>
        <source>_SVC_TESK_LOOP_SCAN_POPUPTEXT1BODY</source>
        <translation>Loop scan</translation>
    </message>
    <message>
        <source>_SVC_TESK_UPDATE_CONFIRM_POPUPTEXT1BODY</source>
        <translation>Update the display?</translation>
    </message>
    <message>
        <source>_SVC_TESK_UPDATE_WARNING_CONFIRM_POPUPTEXT1BODY</source>
        <translation>Display update warning</translation>
    </message>
    <message>
        <source>_SVC_PANEL_UPDATE_WARNING_CONFIRM_POPUPTEXT1BODY</source>
        <translation>Panel update warning</translation>
    </message>
    <message>
        <source>_SVC_SETTING_TESK_IPADDRESS_POPUPTEXT1BODY</source>
        <translation>Setting the IP address</translation>
    </message>
    <message>
        <source>_WAITING_FOR_REMOTE_PANEL_POPUPTEXT1BODY</source>
        <translation>Waiting for remote panel</translation>
    </message>
    <message>
        <source>_WAITING_FOR_UPDATE_COMMIT_POPUPTEXT1BODY</source>
        <translation>Waiting for update to finish</translation>
    </message>
    <message>
        <source>_CREATING_REPORT_POPUPTEXT1BODY</source>
        <translation>Creating report</translation>
    </message>
    <message>
        <source>_CALCULATING_LAYOUT_POPUPTEXT1BODY</source>
        <translation>Calculating layout</translation>
    </message>
    <message>
        <source>_COULD_NOT_CREATE_REPORT_FILE_POPUPTEXT1BODY</source>
        <translation>Could not create the report file</translation>
    </message>
    <message>
        <source>_IMPLEMENTATION_ERROR_POPUPTEXT1BODY</source>
        <translation>Internal error</translation>
    </message>
    <message>
        <source>_PRESENT_CARD_DESCRIPTION_POPUPTEXT1BODY</source>
        <translation>Hold the card against the reader</translation>
    </message>
    <message>
        <source>_SAVING_REPORT_POPUPTEXT1BODY</source>
        <translation>Saving report</translation>
    </message>
    <message>
        <source>_SETTING_TO_DATE_TIME_POPUPTEXT1BODY</source>
        <translation>Setting the date and time</translation>
    </message>
    <message>
        <source>_USB_DRIVE_NOT_MOUNTED_POPUPTEXT1BODY</source>
        <translation>No USB drive found</translation>
    </message>
    <message>
        <source>_USB_DRIVE_NOT_WRITABLE_POPUPTEXT1BODY</source>
        <translation>The USB drive is read-only</translation>
    </message>
    <message>
        <source>_WARNING_POPUPTEXT1BODY</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>_ENABLING_ACTIVE_DEVICES_WARNING_POPUPTEXT3INFO</source>
        <translation>An active device will be enabled.</translation>
    </message>
    <message>
        <source>_WRITE_FAILED_DESCRIPTION_POPUPTEXT1BODY</source>
        <translation>Writing failed</translation>
    </message>
    <message>
        <source>_WRITE_SUCCESSFUL_DESCRIPTION_POPUPTEXT1BODY</source>
        <translation>Written successfully</translation>
    </message>
    <message>
        <source>_ACTION_NOT_AVAILABLE_POPUPTEXT3INFO</source>
        <translation>This action is not available.</translation>
    </message>
    <message>
        <source>_AUTO_TEST_REQ_SENT_POPUPTEXT3INFO</source>
        <translation>The automatic test request has been sent.</translation>
    </message>
    <message>
        <source>_BUZZER_OVERRIDE_POPUPTEXT3INFO</source>
        <translation>The buzzer is overridden.</translation>
    </message>
    <message>
        <source>_CLEAR_USB_RETRY_POPUPTEXT3INFO</source>
        <translation>Remove the USB drive and try again.</translation>
    </message>
    <message>
        <source>_CONFIGURATION_CHANGED_POPUPTEXT3INFO</source>
        <translation>The configuration has changed.</translation>
    </message>
    <message>
        <source>_CONFIRM_CLEAR_POPUPTEXT3INFO</source>
        <translation>Do you want to clear?</translation>
    </message>
    <message>
        <source>_CONFIRM_DELETE_POPUPTEXT3INFO</source>
        <translation>Do you want to delete?</translation>
    </message>
    <message>
        <source>_DIGITAL_ENROLMENT_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO</source>
        <translation>Enrolment replaces the stored device data.</translation>
    </message>
    <message>
        <source>_CONFIRM_DISABLE_POPUPTEXT3BODY</source>
        <translation>Confirm disable?</translation>
    </message>
    <message>
        <source>_CONFIRM_INSERT_POPUPTEXT3INFO</source>
        <translation>Do you want to insert?</translation>
    </message>
    <message>
        <source>_CONFIRM_MODIFY_ADDRESS_POPUPTEXT3INFO</source>
        <translation>Do you want to change the address?</translation>
    </message>
    <message>
        <source>_CONFIRM_MODIFY_POPUPTEXT3INFO</source>
        <translation>Do you want to save the change?</translation>
    </message>
    <message>
        <source>_CONFIRM_RESET_POPUPTEXT3BODY</source>
        <translation>Confirm reset?</translation>
    </message>
    <message>
        <source>_CONFIRM_SAVE_POPUPTEXT3INFO</source>
        <translation>Do you want to save?</translation>
    </message>
    <message>
        <source>_CONFIRM_SILENCE_SOUNDERS_POPUPTEXT3BODY</source>
        <translation>Confirm silence sounders?</translation>
    </message>
    <message>
        <source>_ERROR_CONFIG_POPUPTEXT3INFO</source>
        <translation>Configuration error.</translation>
    </message>
    <message>
        <source>_FILE_ACCESS_POPUPTEXT3INFO</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>_FILE_ERROR_POPUPTEXT3INFO</source>
        <translation>File error.</translation>
    </message>
    <message>
        <source>_FILE_FAILED_USB_POPUPTEXT3INFO</source>
        <translation>The file could not be written to the USB drive.</translation>
    </message>
    <message>
        <source>_FILE_NOT_FOUND_POPUPTEXT3INFO</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>_FILE_TOO_SHORT_POPUPTEXT3INFO</source>
        <translation>The file is too short.</translation>
    </message>
    <message>
        <source>_FILE_VALIDATION_FAILED_POPUPTEXT3INFO</source>
        <translation>The file is not valid.</translation>
    </message>
    <message>
        <source>_FIRE_TEST_POPUPTEXT3INFO</source>
        <translation>Test of %1 in progress.</translation>
    </message>
    <message>
        <source>_GENERAL_FILE_ERROR_POPUPTEXT3INFO</source>
        <translation>A file error occurred.</translation>
    </message>
    <message>
        <source>_GUI_CONFIG_USB_READ_WAIT_POPUPTEXT3INFO</source>
        <translation>Reading the configuration from the USB drive. Please wait.</translation>
    </message>
    <message>
        <source>_H3_LINK_NOT_FITTED_POPUPTEXT3INFO</source>
        <translation>The link is not fitted.</translation>
    </message>
    <message>
        <source>_INCOMPATIBLE_POPUPTEXT3INFO</source>
        <translation>The versions are not compatible.</translation>
    </message>
    <message>
        <source>_INITIALISE_TOOL_POPUPTEXT3INFO</source>
        <translation>Initialising the tool.</translation>
    </message>
    <message>
        <source>_INTEGRITY_CHECK_FAILED_POPUPTEXT3INFO</source>
        <translation>The integrity check failed.</translation>
    </message>
    <message>
        <source>_INTERNAL_ERROR_POPUPTEXT3INFO</source>
        <translation>Internal error.</translation>
    </message>
    <message>
        <source>_INVALID_POINT_ADDRESS_POPUPTEXT3INFO</source>
        <translation>The point address is not valid.</translation>
    </message>
    <message>
        <source>_INVALID_REPORT_TYPE_PREFIX_POPUPTEXT3INFO</source>
        <translation>Unknown report type.</translation>
    </message>
    <message>
        <source>_INVALID_USER_POPUPTEXT3INFO</source>
        <translation>Unknown user.</translation>
    </message>
    <message>
        <source>_KILL_WALK_TEST_WARNING_POPUPTEXT3INFO</source>
        <translation>Continuing will end the walk test.</translation>
    </message>
    <message>
        <source>_LOG_EVENT_ACCEPT_ERROR_POPUPTEXT3INFO</source>
        <translation>The event could not be accepted.</translation>
    </message>
    <message>
        <source>_LOG_EVENT_ACCEPTED_POPUPTEXT3INFO</source>
        <translation>The event has been accepted.</translation>
    </message>
    <message>
        <source>_LOGIN_FAILED_POPUPTEXT3INFO</source>
        <translation>Log-on failed.</translation>
    </message>
    <message>
        <source>_LOOP_CALIBRATE_FAILED_POPUPTEXT3INFO</source>
        <translation>Loop calibration failed.</translation>
    </message>
    <message>
        <source>_LOOP_CALIBRATE_INITIATED_POPUPTEXT3INFO</source>
        <translation>Loop calibration started.</translation>
    </message>
    <message>
        <source>_LOOP_CALIBRATE_UNABLE_TO_INITIATE_POPUPTEXT3INFO</source>
        <translation>Loop calibration could not be started.</translation>
    </message>
    <message>
        <source>_MEDIA_ACCESS_POPUPTEXT3INFO</source>
        <translation>The drive cannot be read.</translation>
    </message>
    <message>
        <source>_MODIFY_DEVICE_ADDRESS_FAILED_POPUPTEXT3INFO</source>
        <translation>Changing the device address failed.</translation>
    </message>
    <message>
        <source>_MODIFY_DEVICE_ADDRESS_REQUEST_IN_PROGRESS_POPUPTEXT3INFO</source>
        <translation>Changing the device address. Please wait.</translation>
    </message>
    <message>
        <source>_MODIFY_DEVICE_ADDRESS_SUCCESS_POPUPTEXT3INFO</source>
        <translation>The device address has been changed.</translation>
    </message>
    <message>
        <source>_NO_ERROR_POPUPTEXT3INFO</source>
        <translation>No error.</translation>
    </message>
    <message>
        <source>_NO_RESP_FRM_REMOTE_PANEL_POPUPTEXT3INFO</source>
        <translation>The remote panel does not answer.</translation>
    </message>
    <message>
        <source>_NO_ZONE_IMAGES_AVAILABLE_POPUPTEXT3INFO</source>
        <translation>No zone maps are available.</translation>
    </message>
    <message>
        <source>_OP_FAILED_NON_SPECIFIC_POPUPTEXT1BODY</source>
        <translation>Operation failed.</translation>
    </message>
    <message>
        <source>_OP_FAILED_IR_LINK_ENABLED_POPUPTEXT1BODY</source>
        <translation>Failed: infrared link is on.</translation>
    </message>
    <message>
        <source>_OP_FAILED_NOT_SUPPORTED_POPUPTEXT1BODY</source>
        <translation>Failed: not supported.</translation>
    </message>
    <message>
        <source>_OP_FAILED_NOT_CONFIGURED_POPUPTEXT1BODY</source>
        <translation>Failed: not configured.</translation>
    </message>
    <message>
        <source>_OP_FAILED_BUSY_POPUPTEXT1BODY</source>
        <translation>Failed: busy.</translation>
    </message>
    <message>
        <source>_OP_SUCCESSFUL_POPUPTEXT1BODY</source>
        <translation>Operation successful.</translation>
    </message>
    <message>
        <source>_PANEL_NOT_FOUND_POPUPTEXT3INFO</source>
        <translation>The panel was not found.</translation>
    </message>
    <message>
        <source>_PLEASE_WAIT_POPUPTEXT3INFO</source>
        <translation>Please wait.</translation>
    </message>
    <message>
        <source>_PLUG_IN_WRITABLE_USB_DRIVE_POPUPTEXT3INFO</source>
        <translation>Plug in a writable USB drive.</translation>
    </message>
    <message>
        <source>_PREPARING_TO_SAVE_POPUPTEXT3INFO</source>
        <translation>Preparing to save.</translation>
    </message>
    <message>
        <source>_REAL_DEVICE_PRESENT_REQUEST_FACTORY_IN_PROGRESS_POPUPTEXT3INFO</source>
        <translation>Checking the device. Please wait.</translation>
    </message>
    <message>
        <source>_REAL_DEVICE_PRESENT_REQUEST_VERIFY_FAILED_POPUPTEXT3INFO</source>
        <translation>The device check failed.</translation>
    </message>
    <message>
        <source>_REAL_DEVICE_PRESENT_REQUEST_VERIFY_IN_PROGRESS_POPUPTEXT3INFO</source>
        <translation>Verifying the device. Please wait.</translation>
    </message>
    <message>
        <source>_REBOOT_WARNING_POPUPTEXT3INFO</source>
        <translation>The panel will restart.</translation>
    </message>
    <message>
        <source>_REMOVE_HEADER_LINK_PHASE1_POPUPTEXT3INFO</source>
        <translation>Remove the header link.</translation>
    </message>
    <message>
        <source>_REMOVE_HEADER_LINK_PHASE2_POPUPTEXT3INFO</source>
        <translation>Refit the header link.</translation>
    </message>
    <message>
        <source>_REPORT_ENTRY_TOO_LONG_POPUPTEXT3INFO</source>
        <translation>A report entry is too long.</translation>
    </message>
    <message>
        <source>_RESET_KEY_DEPOT_CMD_SENT_POPUPTEXT3INFO</source>
        <translation>The key depot reset has been sent.</translation>
    </message>
    <message>
        <source>_RESET_NETWORK_COUNTERS_POPUPTEXT3INFO</source>
        <translation>Reset the network counters?</translation>
    </message>
    <message>
        <source>_RESOUND_CONSEQUENCE_POPUPTEXT3INFO</source>
        <translation>The sounders will sound again.</translation>
    </message>
    <message>
        <source>_RSM_REPORT_POPUPTEXT3INFO</source>
        <translation>Saving the report.</translation>
    </message>
    <message>
        <source>_SAVE_WAIT_POPUPTEXT3INFO</source>
        <translation>Saving. Please wait.</translation>
    </message>
    <message>
        <source>_SAVING_FAILED_POPUPTEXT3INFO</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>_SAVING_IN_PROGRESS_POPUPTEXT3INFO</source>
        <translation>Saving in progress.</translation>
    </message>
    <message>
        <source>_SAVING_SUCCESS_POPUPTEXT3INFO</source>
        <translation>Saved successfully.</translation>
    </message>
    <message>
        <source>_SELF_TEST_POPUPTEXT3INFO</source>
        <translation>Panel self-test in progress.</translation>
    </message>
    <message>
        <source>_SERVICE_TOOL_BUSY_POPUPTEXT3INFO</source>
        <translation>The service tool is busy.</translation>
    </message>
    <message>
        <source>_SERVICE_TOOL_NOT_READY_POPUPTEXT3INFO</source>
        <translation>The service tool is not ready.</translation>
    </message>
    <message>
        <source>_SERVICE_TOOL_UNPLUGGED_POPUPTEXT3INFO</source>
        <translation>The service tool is unplugged.</translation>
    </message>
    <message>
        <source>_SILENCE_CONSEQUENCE_POPUPTEXT3INFO</source>
        <translation>The sounders will be silenced.</translation>
    </message>
    <message>
        <source>_STATUS_REPORT_POPUPTEXT3INFO</source>
        <translation>Saving the status report.</translation>
    </message>
    <message>
        <source>_STORING_FILE_FAILED_POPUPTEXT3INFO</source>
        <translation>Storing the file failed.</translation>
    </message>
    <message>
        <source>_SVC_KERNEL_UBIFS_NOT_FOUND_POPUPTEXT3INFO</source>
        <translation>The system image was not found.</translation>
    </message>
    <message>
        <source>_SVC_TESK_CONFIG_FILE_NOT_PRESENT_POPUPTEXT3INFO</source>
        <translation>The configuration file is missing.</translation>
    </message>
    <message>
        <source>_SVC_TESK_CONFIG_FILE_NOT_VALID_POPUPTEXT3INFO</source>
        <translation>The configuration file is not valid.</translation>
    </message>
    <message>
        <source>_SVC_TESK_LANGUAGE_FILES_NOT_FOUND_POPUPTEXT3INFO</source>
        <translation>The language files were not found.</translation>
    </message>
    <message>
        <source>_SVC_TESK_LOOP_SCAN_CONSEQUENCE_POPUPTEXT3INFO</source>
        <translation>The loop scan stops normal loop polling.</translation>
    </message>
    <message>
        <source>_SVC_TESK_PRJ_CONFIG_NOT_FOUND_POPUPTEXT3INFO</source>
        <translation>The project configuration was not found.</translation>
    </message>
    <message>
        <source>_SVC_TESK_QUIESCENT_IMAGE_EXCEEDS_SIZE_POPUPTEXT3INFO</source>
        <translation>The standby image is too large.</translation>
    </message>
    <message>
        <source>_SVC_TESK_QUIESCENT_IMAGE_NOT_FOUND_POPUPTEXT3INFO</source>
        <translation>The standby image was not found.</translation>
    </message>
    <message>
        <source>_SVC_TESK_UPDATE_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO</source>
        <translation>The display restarts after the update.</translation>
    </message>
    <message>
        <source>_SVC_TESK_UPDATE_WARNING_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO</source>
        <translation>The display is out of service during the update.</translation>
    </message>
    <message>
        <source>_SVC_PANEL_DUAL_LOOP_SHUTDOWN_POPUPTEXT3INFO</source>
        <translation>Loops %1 and %2 will be shut down.</translation>
    </message>
    <message>
        <source>_SVC_PANEL_IR_LINK_POPUPTEXT3INFO</source>
        <translation>The infrared link is on for loops %1 and %2.</translation>
    </message>
    <message>
        <source>_SVC_PANEL_SINGLE_LOOP_SHUTDOWN_POPUPTEXT3INFO</source>
        <translation>Loop %1 will be shut down.</translation>
    </message>
    <message>
        <source>_SVC_PANEL_UPDATE_WARNING_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO</source>
        <translation>The panel is out of service during the update.</translation>
    </message>
    <message>
        <source>_SVC_USB_PLUGGED_OUT_POPUPTEXT3INFO</source>
        <translation>The USB drive was removed.</translation>
    </message>
    <message>
        <source>_SVC_USR_ALREADY_LOGGED_IN_POPUPTEXT3INFO</source>
        <translation>A user is already logged on.</translation>
    </message>
    <message>
        <source>_SVC_ZONEMAP_NOT_FOUND_POPUPTEXT3INFO</source>
        <translation>The zone map was not found.</translation>
    </message>
    <message>
        <source>_TEST_KEY_DEPOT_CMD_SENT_POPUPTEXT3INFO</source>
        <translation>The key depot test has been sent.</translation>
    </message>
    <message>
        <source>_TIMEKEEPER_PANEL_POPUPTEXT3INFO</source>
        <translation>The time is set by the timekeeper panel.</translation>
    </message>
    <message>
        <source>_UNKNOWN_ERROR_POPUPTEXT3INFO</source>
        <translation>Unknown error.</translation>
    </message>
    <message>
        <source>_UPDATE_ALREADY_IN_PROGRESS_POPUPTEXT3INFO</source>
        <translation>An update is already in progress.</translation>
    </message>
    <message>
        <source>_UPDATE_COMMIT_FAILED_POPUPTEXT3INFO</source>
        <translation>The update could not be finished.</translation>
    </message>
    <message>
        <source>_UPDATE_NOT_ALLOWED_POPUPTEXT3INFO</source>
        <translation>The update is not allowed.</translation>
    </message>
    <message>
        <source>_UPDATE_NOT_SUPPORTED_POPUPTEXT3INFO</source>
        <translation>The update is not supported.</translation>
    </message>
    <message>
        <source>_UPDATE_VERIFICATION_FAILED_POPUPTEXT3INFO</source>
        <translation>The update could not be verified.</translation>
    </message>
    <message>
        <source>_USB_DEF_TEXT_POPUPTEXT3INFO</source>
        <translation>A text file on the USB drive, in aligned columns.</translation>
    </message>
    <message>
        <source>_USB_TEXT_POPUPTEXT3INFO</source>
        <translation>A text file on the USB drive.</translation>
    </message>
    <message>
        <source>_USB_CSV_POPUPTEXT3INFO</source>
        <translation>A CSV file on the USB drive.</translation>
    </message>
    <message>
        <source>_USB_PDF_POPUPTEXT3INFO</source>
        <translation>A PDF file on the USB drive.</translation>
    </message>
    <message>
        <source>_USER_ALREADY_LOGGED_ON_POPUPTEXT3INFO</source>
        <translation>The user is already logged on.</translation>
    </message>
    <message>
        <source>_WALKTEST_BAD_PARAMETERS_POPUPTEXT3INFO</source>
        <translation>The walk test settings are not valid.</translation>
    </message>
    <message>
        <source>_WALKTEST_GENERAL_FAILURE_POPUPTEXT3INFO</source>
        <translation>The walk test failed.</translation>
    </message>
    <message>
        <source>_WALKTEST_IN_PROGRESS_POPUPTEXT3INFO</source>
        <translation>A walk test is already running.</translation>
    </message>
    <message>
        <source>_WALKTEST_NO_MATCHING_POINTS_POPUPTEXT3INFO</source>
        <translation>No points match the walk test.</translation>
    </message>
    <message>
        <source>_WALKTEST_NO_WALKTEST_POPUPTEXT3INFO</source>
        <translation>No walk test is running.</translation>
    </message>
    <message>
        <source>_WALKTEST_NOT_CONTROLLING_WALKTEST_POPUPTEXT3INFO</source>
        <translation>This panel does not control the walk test.</translation>
    </message>
    <message>
        <source>_WALKTEST_PANEL_UNAVAILABLE_POPUPTEXT3INFO</source>
        <translation>The panel is not available.</translation>
    </message>
    <message>
        <source>_WALKTEST_TARGET_ACTIVE_POPUPTEXT3INFO</source>
        <translation>A point of the walk test is active.</translation>
    </message>
    <message>
        <source>_WALKTEST_TIMEOUT_POPUPTEXT3INFO</source>
        <translation>The walk test timed out.</translation>
    </message>
    <message>
        <source>_CLOSE_POPUPSK</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>_PRINTER_OFFLINE_POPUPTEXT3INFO</source>
        <translation>The printer is offline.</translation>
    </message>
    <message>
        <source>_PRINT_CONTAINER_EMPTY_POPUPTEXT3INFO</source>
        <translation>There is nothing to print.</translation>
    </message>
    <message>
        <source>_PRINT_OK_POPUPTEXT3INFO</source>
        <translation>The report is being printed.</translation>
    </message>
    <message>
        <source>_PRINT_REJECTED_POPUPTEXT3INFO</source>
        <translation>The panel rejected the print request.</translation>
    </message>
    <message>
        <source>_SVC_TESK_UPDATE_CONFIRM_POPUPTITLE</source>
        <translation>Update the software</translation>
    </message>
    <message>
        <source>_CONFIRM_RESET_POPUPTITLE</source>
        <translation>Confirm reset</translation>
    </message>
</context>
<context>
    <name>AUK_40041</name>
    <message>
        <source>_CONFIRM_RESOUND_POPUPTEXT1BODY</source>
        <translation>Resound the sounders?</translation>
    </message>
    <message>
        <source>_WARNING_POPUPTEXT1BODY</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>_RESOUND_CONSEQUENCE_POPUPTEXT3INFO</source>
        <translation>The sounders will sound again.</translation>
    </message>
</context>
<context>
    <name>AUK_40047</name>
    <message>
        <source>_PANEL_INIT_IN_PROGRESS_POPUPTITLE</source>
        <translation>Panel initialising</translation>
    </message>
    <message>
        <source>_PANEL_INIT_IN_PROGRESS_INFOTEXT</source>
        <translation>Please wait until it is ready.</translation>
    </message>
    <message>
        <source>_VER_GUI_FW_LISTITEM</source>
        <translation>Display software</translation>
    </message>
    <message>
        <source>_VER_PANELFIRMWARE_LISTITEM</source>
        <translation>Panel firmware</translation>
    </message>
    <message>
        <source>_VER_PROJECT_LISTITEM</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>_VER_TEMPLATE_LISTITEM</source>
        <translation>Template</translation>
    </message>
</context>
<context>
    <name>AUK_40060</name>
    <message>
        <source>_FIRE_RESET_IN_PROGRESS_289_20_BODYTEXTSTYLE</source>
        <translation>Fire reset in progress</translation>
    </message>
    <message>
        <source>_PANEL_INIT_WAIT_289_20_BODYTEXTSTYLE</source>
        <translation>The panel is starting up</translation>
    </message>
    <message>
        <source>_PANEL_SYNC_IN_PROGRESS_289_20_BODYTEXTSTYLE</source>
        <translation>Synchronising with the panel</translation>
    </message>
    <message>
        <source>_REBOOT_COUNTDOWN_PROGRESS_289_20_BODYTEXTSTYLE</source>
        <translation>Restarting the panel</translation>
    </message>
    <message>
        <source>_PANEL_STARTUP_WAIT_LOGIN_RESPONSE_285_60_INFOTEXTSTYLE</source>
        <translation>Waiting for the panel to answer the log-on.</translation>
    </message>
    <message>
        <source>_TIME_REMAINING_285_60_INFOTEXTSTYLE</source>
        <translation>Time remaining:</translation>
    </message>
</context>
<context>
    <name>AUK_40056</name>
    <message>
        <source>_PRINT_POPUPTITLE</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>AUK_90001</name>
    <message>
        <source>_ADVANCED_STATS_HDR</source>
        <translation>Advanced statistics</translation>
    </message>
    <message>
        <source>_ADVANCED_STATS_FLASH_HDR</source>
        <translation>Advanced statistics: flash</translation>
    </message>
    <message>
        <source>_ADVANCED_STATS_RBUS_HDR</source>
        <translation>Advanced statistics: RBus</translation>
    </message>
    <message>
        <source>_CALIBRATE_LOOP_HDR</source>
        <translation>Calibrate loop</translation>
    </message>
    <message>
        <source>_CONFIGURE_AUTO_CONFIGURE_HDR</source>
        <translation>Auto-configure</translation>
    </message>
    <message>
        <source>_CONFIGURE_AUTO_TEST_SOUNDERS_HDR</source>
        <translation>Auto-test sounders</translation>
    </message>
    <message>
        <source>_DEBUG_SETTINGS_HDR</source>
        <translation>Debug settings</translation>
    </message>
    <message>
        <source>_EVENT_LOG_HDR</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>_EVENTS_SUMMARY_CONTROLS_HDR</source>
        <translation>Events summary: controls</translation>
    </message>
    <message>
        <source>_EVENTS_SUMMARY_GENERAL_HDR</source>
        <translation>Events summary: general</translation>
    </message>
    <message>
        <source>_EVENTS_SUMMARY_PANEL_HDR</source>
        <translation>Events summary: panel</translation>
    </message>
    <message>
        <source>_EVENTS_SUMMARY_PROTECTION_HDR</source>
        <translation>Events summary: protection</translation>
    </message>
    <message>
        <source>_EVENTS_SUMMARY_SIGNALLING_HDR</source>
        <translation>Events summary: signalling</translation>
    </message>
    <message>
        <source>_EVENTS_SUMMARY_SOUNDERS_HDR</source>
        <translation>Events summary: sounders</translation>
    </message>
    <message>
        <source>_HELP_HDR</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>_HELP_INDICATORS_CONTROLS_HDR</source>
        <translation>Indicators and controls</translation>
    </message>
    <message>
        <source>_HELP_SITE_MAP_HDR</source>
        <translation>Site map</translation>
    </message>
    <message>
        <source>_KEY_DEPOT_HDR</source>
        <translation>Key depot</translation>
    </message>
    <message>
        <source>_MAIN_MENU_HDR</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>_MANUALS_MENU_HDR</source>
        <translation>Manuals</translation>
    </message>
    <message>
        <source>_NETWORK_STATUS_HDR</source>
        <translation>Network status</translation>
    </message>
    <message>
        <source>_TESK_CONFIGURATION_HDR</source>
        <translation>Engine configuration</translation>
    </message>
    <message>
        <source>_LOGS_MENU_HDR</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>_POINT_LOG_HDR</source>
        <translation>Point log</translation>
    </message>
    <message>
        <source>_PRINTER_SETTING_HDR</source>
        <translation>Printer settings</translation>
    </message>
    <message>
        <source>_REPLACE_DEVICE_HDR</source>
        <translation>Replace device</translation>
    </message>
    <message>
        <source>_SERIALISATION_HDR</source>
        <translation>Serialisation</translation>
    </message>
    <message>
        <source>_SERVICE_LOOP_CALIBRATION_HDR</source>
        <translation>Loop calibration</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_AUTO_CONFIGURE_HDR</source>
        <translation>Auto-configure</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_CALIBRATE_DDM_HDR</source>
        <translation>Calibrate DDM</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_DATE_TIME_HDR</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_DELETE_POINT_HDR</source>
        <translation>Delete point</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_DEVICE_DATES_HDR</source>
        <translation>Device dates</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_HDR</source>
        <translation>Service and settings</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_INSERT_POINT_HDR</source>
        <translation>Insert point</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_MODIFY_DEVICE_ADDRESS_HDR</source>
        <translation>Modify device address</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_MODIFY_POINT_HDR</source>
        <translation>Modify point</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_PANEL_RESTART_HDR</source>
        <translation>Panel restart</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_POINT_SETTINGS_HDR</source>
        <translation>Point settings</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_SERVICE_DEVICE_HDR</source>
        <translation>Service device</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_SERVICE_HDR</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_SERVICE_REPORTS_HDR</source>
        <translation>Service reports</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_SETTINGS_HDR</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_UPDATE_PANEL_HDR</source>
        <translation>Update panel</translation>
    </message>
    <message>
        <source>_SERVICE_SETTINGS_WALK_TEST_HDR</source>
        <translation>Walk test</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_BY_FUNCTION_HDR</source>
        <translation>System status by function</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_BY_POINT_HDR</source>
        <translation>System status by point</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_BY_ZONE_HDR</source>
        <translation>System status by zone</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_COMMISSION_HDR</source>
        <translation>Commissioning status</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_JRNET_SUMMARY_HDR</source>
        <translation>JrNet summary</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_HDR</source>
        <translation>System status</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_IR_LINK_HDR</source>
        <translation>IR link</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_LNET_SUMMARY_HDR</source>
        <translation>LNet summary</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_LOOP_SHUTDOWN_HDR</source>
        <translation>Loop shutdown</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_LOOP_STATUS_HDR</source>
        <translation>Loop status</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_LKNET_SUMMARY_HDR</source>
        <translation>LkNet summary</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_SINGLE_DEVICE_POLL_HDR</source>
        <translation>Single device poll</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_SUMMARY_HDR</source>
        <translation>Status summary</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_ZONE_HDR</source>
        <translation>Zone status</translation>
    </message>
    <message>
        <source>_TASKS_CUSTOM_TASKS_HDR</source>
        <translation>Custom tasks</translation>
    </message>
    <message>
        <source>_TASKS_DISABLE_ON_OFF_HDR</source>
        <translation>Disable on/off</translation>
    </message>
    <message>
        <source>_TASKS_FORCE_HDR</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>_TASKS_FORCE_SUMMARY_HDR</source>
        <translation>Force summary</translation>
    </message>
    <message>
        <source>_TASKS_HDR</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>_UPDATE_TESK_CONFIGURATION_HDR</source>
        <translation>Update engine configuration</translation>
    </message>
    <message>
        <source>_UPDATE_TESK_HDR</source>
        <translation>Update engine</translation>
    </message>
    <message>
        <source>_VIEW_FIRES_HDR</source>
        <translation>Fires</translation>
    </message>
    <message>
        <source>_CUSTOMER_1_INFOTEXT</source>
        <translation>Customer 1</translation>
    </message>
    <message>
        <source>_CUSTOMER_2_INFOTEXT</source>
        <translation>Customer 2</translation>
    </message>
    <message>
        <source>_CUSTOMER_3_INFOTEXT</source>
        <translation>Customer 3</translation>
    </message>
    <message>
        <source>_CUSTOMER_4_INFOTEXT</source>
        <translation>Customer 4</translation>
    </message>
    <message>
        <source>_CUSTOMER_5_INFOTEXT</source>
        <translation>Customer 5</translation>
    </message>
    <message>
        <source>_USER_INFOTEXT</source>
        <translation>User</translation>
    </message>
    <message>
        <source>_CUSTOMER_6_INFOTEXT</source>
        <translation>Customer 6</translation>
    </message>
    <message>
        <source>_SUPERVISOR_INFOTEXT</source>
        <translation>Supervisor</translation>
    </message>
    <message>
        <source>_CUSTOMER_7_INFOTEXT</source>
        <translation>Customer 7</translation>
    </message>
    <message>
        <source>_CUSTOMER_MANAGER_1_INFOTEXT</source>
        <translation>Customer manager 1</translation>
    </message>
    <message>
        <source>_CUSTOMER_MANAGER_2_INFOTEXT</source>
        <translation>Customer manager 2</translation>
    </message>
    <message>
        <source>_ENGINEER_1_INFOTEXT</source>
        <translation>Engineer 1</translation>
    </message>
    <message>
        <source>_ENGINEER_2_INFOTEXT</source>
        <translation>Engineer 2</translation>
    </message>
    <message>
        <source>_ENGINEER_INFOTEXT</source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>_ENGINEER_3_INFOTEXT</source>
        <translation>Engineer 3</translation>
    </message>
    <message>
        <source>_COMMISSIONING_INFOTEXT</source>
        <translation>Commissioning</translation>
    </message>
</context>
<context>
    <name>AUK_90002</name>
    <message>
        <source>_ADD_RFID_ICONBTN</source>
        <translation>Add RFID card</translation>
    </message>
    <message>
        <source>_ADVANCED_STATS_ICONBTN</source>
        <translation>Advanced statistics</translation>
    </message>
    <message>
        <source>_ALL_ICONBTN</source>
        <translation>All</translation>
    </message>
    <message>
        <source>_AUTO_CONFIGURE_ICONBTN</source>
        <translation>Auto configure</translation>
    </message>
    <message>
        <source>_AUTO_TEST_SOUNDERS_ICONBTN</source>
        <translation>Auto-test sounders</translation>
    </message>
    <message>
        <source>_BY_FUNCTION_ICONBTN</source>
        <translation>By function</translation>
    </message>
    <message>
        <source>_BY_LOOP_ICONBTN</source>
        <translation>By loop</translation>
    </message>
    <message>
        <source>_BY_NETWORK_ICONBTN</source>
        <translation>By network</translation>
    </message>
    <message>
        <source>_BY_POINT_ICONBTN</source>
        <translation>By point</translation>
    </message>
    <message>
        <source>_BY_ZONE_ICONBTN</source>
        <translation>By zone</translation>
    </message>
    <message>
        <source>_CALIBRATE_DDM_ICONBTN</source>
        <translation>Calibrate DDM</translation>
    </message>
    <message>
        <source>_CALIBRATE_LOOP_ICONBTN</source>
        <translation>Calibrate loop</translation>
    </message>
    <message>
        <source>_COMMISSION_ICONBTN</source>
        <translation>Commis&#xad;sion</translation>
    </message>
    <message>
        <source>_CUSTOM_TASKS_ICONBTN</source>
        <translation>Custom tasks</translation>
    </message>
    <message>
        <source>_DATE_AND_TIME_ICONBTN</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>_DATE_TIME_ICONBTN</source>
        <translation>Date / time</translation>
    </message>
    <message>
        <source>_DAY_MODE_ICONBTN</source>
        <translation>Day mode</translation>
    </message>
    <message>
        <source>_NIGHT_MODE_ICONBTN</source>
        <translation>Night mode</translation>
    </message>
    <message>
        <source>_DELETE_POINT_ICONBTN</source>
        <translation>Delete point</translation>
    </message>
    <message>
        <source>_DEVICE_DATES_ICONBTN</source>
        <translation>Device dates</translation>
    </message>
    <message>
        <source>_DEVICES_ICONBTN</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>_DISABLE_ON_OFF_ICONBTN</source>
        <translation>Disable on / off</translation>
    </message>
    <message>
        <source>_DISPLAY_SETTINGS_ICONBTN</source>
        <translation>Display settings</translation>
    </message>
    <message>
        <source>_EVENT_LOG_ICONBTN</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>_FACTORY_DEFAULT_ICONBTN</source>
        <translation>Factory default</translation>
    </message>
    <message>
        <source>_FORCE_IO_ICONBTN</source>
        <translation>Force I/O</translation>
    </message>
    <message>
        <source>_FROMCONFIG_ICONBTN</source>
        <translation>From config</translation>
    </message>
    <message>
        <source>_FROMFILE_ICONBTN</source>
        <translation>From file</translation>
    </message>
    <message>
        <source>_FUNCTION_ICONBTN</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>_MANUALS_ICONBTN</source>
        <translation>Manuals</translation>
    </message>
    <message>
        <source>_INDICATORS_CONTROLS_ICONBTN</source>
        <translation>Indicators &amp; controls</translation>
    </message>
    <message>
        <source>_INFORMATION_TEXT_ICONBTN</source>
        <translation>Information text</translation>
    </message>
    <message>
        <source>_INITIALISE_SERVICE_ICONBTN</source>
        <translation>Initialise service</translation>
    </message>
    <message>
        <source>_INSERT_POINT_ICONBTN</source>
        <translation>Insert point</translation>
    </message>
    <message>
        <source>_KEY_DEPOT_ICONBTN</source>
        <translation>Key depot</translation>
    </message>
    <message>
        <source>_LOCAL_DEVICE_INFO_ICONBTN</source>
        <translation>Local device info</translation>
    </message>
    <message>
        <source>_LOGS_MENU_ICONBTN</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>_MANUAL_CONFIG_ICONBTN</source>
        <translation>Manual config</translation>
    </message>
    <message>
        <source>_MODIFY_DEVICE_ADDRESS_ICONBTN</source>
        <translation>Change address</translation>
    </message>
    <message>
        <source>_MODIFY_POINT_ICONBTN</source>
        <translation>Modify point</translation>
    </message>
    <message>
        <source>_MULTI_ZONE_ICONBTN</source>
        <translation>Multiple zones</translation>
    </message>
    <message>
        <source>_NETWORK_INFO_ICONBTN</source>
        <translation>Network information</translation>
    </message>
    <message>
        <source>_PANEL_RESTART_ICONBTN</source>
        <translation>Panel restart</translation>
    </message>
    <message>
        <source>_GUI_TEST_ICONBTN</source>
        <translation>Panel test</translation>
    </message>
    <message>
        <source>_POINT_ICONBTN</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>_POINT_LOG_ICONBTN</source>
        <translation>Point log</translation>
    </message>
    <message>
        <source>_POINT_OF_CONTACT_ICONBTN</source>
        <translation>Point of contact</translation>
    </message>
    <message>
        <source>_POINT_SETTINGS_ICONBTN</source>
        <translation>Point settings</translation>
    </message>
    <message>
        <source>_PRINTER_SETTINGS_ICONBTN</source>
        <translation>Printer settings</translation>
    </message>
    <message>
        <source>_VORNISH_LITE_ICONBTN</source>
        <translation>Vornish Lite</translation>
    </message>
    <message>
        <source>_REPLACE_DEVICE_ICONBTN</source>
        <translation>Replace device</translation>
    </message>
    <message>
        <source>_RESET_KEY_DEPOT_ICONBTN</source>
        <translation>Reset key depot</translation>
    </message>
    <message>
        <source>_RSM_REPORT_ICONBTN</source>
        <translation>RSM report</translation>
    </message>
    <message>
        <source>_SELF_TEST_ICONBTN</source>
        <translation>Self test</translation>
    </message>
    <message>
        <source>_SERIALISATION_ICONBTN</source>
        <translation>Serial&#xad;isation</translation>
    </message>
    <message>
        <source>_S/W_VERSIONS_ICONBTN</source>
        <translation>Software versions</translation>
    </message>
    <message>
        <source>_SERVICE_DEVICE_ICONBTN</source>
        <translation>Service device</translation>
    </message>
    <message>
        <source>_SERVICE_ICONBTN</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>_SERVICE_N_SETTINGS_ICONBTN</source>
        <translation>Service &amp; settings</translation>
    </message>
    <message>
        <source>_SERVICE_REPORTS_ICONBTN</source>
        <translation>Service reports</translation>
    </message>
    <message>
        <source>_SETTINGS_ICONBTN</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>_SINGLE_ADDRESS_ICONBTN</source>
        <translation>Single address</translation>
    </message>
    <message>
        <source>_SITE_MAP_ICONBTN</source>
        <translation>Site map</translation>
    </message>
    <message>
        <source>_STATUS_ICONBTN</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>_STATUS_REPORT_ICONBTN</source>
        <translation>Status report</translation>
    </message>
    <message>
        <source>_SYSTEM_STATUS_ICONBTN</source>
        <translation>System status</translation>
    </message>
    <message>
        <source>_TASKS_ICONBTN</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>_TEST_KEY_DEPOT_ICONBTN</source>
        <translation>Test key depot</translation>
    </message>
    <message>
        <source>_UNMOUNT_USB_ICONBTN</source>
        <translation>Remove USB stick</translation>
    </message>
    <message>
        <source>_UPDATE_CONFIG_ICONBTN</source>
        <translation>Update config</translation>
    </message>
    <message>
        <source>_UPDATE_FIRMWARE_ICONBTN</source>
        <translation>Update firmware</translation>
    </message>
    <message>
        <source>_UPDATE_TESK_ICONBTN</source>
        <translation>Update engine</translation>
    </message>
    <message>
        <source>_UPDATE_PANEL_ICONBTN</source>
        <translation>Update panel</translation>
    </message>
    <message>
        <source>_USER_SETTINGS_ICONBTN</source>
        <translation>User settings</translation>
    </message>
    <message>
        <source>_WALK_TEST_ICONBTN</source>
        <translation>Walk test</translation>
    </message>
    <message>
        <source>_ZONE_ICONBTN</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>_ZONE_POINTS_ICONBTN</source>
        <translation>Zone points</translation>
    </message>
    <message>
        <source>_DEBUG_SETTINGS_ICONBTN</source>
        <translation>Debug settings</translation>
    </message>
</context>
<context>
    <name>AUK_90005</name>
    <message>
        <source>_ACCEPT_EVENT_SK</source>
        <translation>Accept event</translation>
    </message>
    <message>
        <source>_ACCEPT_SK</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>_ADVANCED_DIAGNOSTICS_SK</source>
        <translation>Adv. diagnostics</translation>
    </message>
    <message>
        <source>_ALARM_ACK_SK</source>
        <translation>Ack. alarm</translation>
    </message>
    <message>
        <source>_APPLY_CHANGES_SK</source>
        <translation>Apply changes</translation>
    </message>
    <message>
        <source>_AUTOTEST_SK</source>
        <translation>Auto-test</translation>
    </message>
    <message>
        <source>_CALIBRATE_SK</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>_CANCEL_SK</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>_CLEAR_SK</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>_CONFIGURE_SK</source>
        <translation>Configure</translation>
    </message>
    <message>
        <source>_DELETE_SK</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>_DISABLE_IR_MODE_SK</source>
        <translation>Disable IR mode</translation>
    </message>
    <message>
        <source>_DISABLE_SK</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>_DISABLE_OFF_SK</source>
        <translation>Disable off</translation>
    </message>
    <message>
        <source>_DISABLE_ON_SK</source>
        <translation>Disable on</translation>
    </message>
    <message>
        <source>_ENABLE_IR_MODE_SK</source>
        <translation>Enable IR mode</translation>
    </message>
    <message>
        <source>_ENABLE_SK</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>_ENABLE_LOOP_SK</source>
        <translation>Enable loop</translation>
    </message>
    <message>
        <source>_ENABLE_ON_SK</source>
        <translation>Enable on</translation>
    </message>
    <message>
        <source>_END_POLLING_SK</source>
        <translation>End polling</translation>
    </message>
    <message>
        <source>_EVACUATE_SK</source>
        <translation>Evacuate</translation>
    </message>
    <message>
        <source>_FIRES_IN_ZONE_SK</source>
        <translation>Fires in zone</translation>
    </message>
    <message>
        <source>_FORCE_SK</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>_INSERT_SK</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>_KILL_WALK_TEST_SK</source>
        <translation>End walk test</translation>
    </message>
    <message>
        <source>_LIST_VIEW_SK</source>
        <translation>List view</translation>
    </message>
    <message>
        <source>_LOGIN_SK</source>
        <translation>Log on</translation>
    </message>
    <message>
        <source>_LOGOUT_SK</source>
        <translation>Log off</translation>
    </message>
    <message>
        <source>_MAIN_MENU_SK</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>_MODIFY_SK</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>_MOVE_TO_ZONE_SK</source>
        <translation>Move to zone</translation>
    </message>
    <message>
        <source>_NEXT_SK</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>_POLL_DEVICE_SK</source>
        <translation>Poll device</translation>
    </message>
    <message>
        <source>_PREVIEW_SK</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>_PRINT_SK</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>_REFRESH_SK</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>_RESTART_NETWORK_SK</source>
        <translation>Restart network</translation>
    </message>
    <message>
        <source>_RESTART_PANEL_SK</source>
        <translation>Restart panel</translation>
    </message>
    <message>
        <source>_SAVE_SK</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>_SCAN_SK</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>_SET_SK</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>_SHOW_ALL_SK</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>_SHOW_ENABLED_LOOPS_SK</source>
        <translation>Enabled loops</translation>
    </message>
    <message>
        <source>_SHOW_MISMATCHED_SK</source>
        <translation>Mismatched</translation>
    </message>
    <message>
        <source>_SHOW_SHUTDOWN_LOOPS_SK</source>
        <translation>Shutdown loops</translation>
    </message>
    <message>
        <source>_SHUTDOWN_LOOP_SK</source>
        <translation>Shutdown loop</translation>
    </message>
    <message>
        <source>_SOUNDER_ON_OFF_SK</source>
        <translation>Sounders on / off</translation>
    </message>
    <message>
        <source>_START_SK</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>_STOP_SK</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>_STOP_WALK_TEST_SK</source>
        <translation>Stop walk test</translation>
    </message>
    <message>
        <source>_SUMMARY_VIEW_SK</source>
        <translation>Summary view</translation>
    </message>
    <message>
        <source>_UNFORCE_SK</source>
        <translation>Unforce</translation>
    </message>
    <message>
        <source>_UNTESTED_FAILED_SK</source>
        <translation>Untested / failed</translation>
    </message>
    <message>
        <source>_UPDATE_SK</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>_VIEW_SK</source>
        <translation>View</translation>
    </message>
    <message>
        <source>_VIEW_STATUS_SK</source>
        <translation>View status</translation>
    </message>
    <message>
        <source>_ZONES_IN_FIRE_SK</source>
        <translation>Zones in fire</translation>
    </message>
</context>
<context>
    <name>AUK_90046</name>
    <message>
        <source>_ABORT_POPUPSK</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>_AUTO_TEST_POPUPSK</source>
        <translation>Auto-test</translation>
    </message>
    <message>
        <source>_CANCEL_POPUPSK</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>_CLOSE_POPUPSK</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>_CONFIRM_POPUPSK</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>_DISABLE_POPUPSK</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>_DISABLE_TOOL_POPUPSK</source>
        <translation>Disable tool</translation>
    </message>
    <message>
        <source>_ENABLE_POPUPSK</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>_ENABLE_TOOL_POPUPSK</source>
        <translation>Enable tool</translation>
    </message>
    <message>
        <source>_OK_POPUPSK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>_RESTART_POPUPSK</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>_WRITE_POPUPSK</source>
        <translation>Write</translation>
    </message>
</context>
<context>
    <name>AUK_90050</name>
    <message>
        <source>_ALARM_DELAY_INFOTITLE</source>
        <translation>Alarm delay</translation>
    </message>
    <message>
        <source>_INVESTIGATE_DELAY_POPUPSK</source>
        <translation>Investigate</translation>
    </message>
    <message>
        <source>_SOUNDERS_SILENCED_INFOTEXT</source>
        <translation>Snd. silenced</translation>
    </message>
</context>
<context>
    <name>BaseButton</name>
    <message>
        <source>_OK_KEYPAD</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>_DEL_KEYPAD</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>_DEL_NUMPAD</source>
        <translation>Del</translation>
    </message>
</context>
<context>
    <name>FilterButton</name>
    <message>
        <source>_PANEL_FILTERBTN</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>_CLICK_TO_SELECT_SELPROMPT</source>
        <translation>Touch to select</translation>
    </message>
    <message>
        <source>_LOOP_FILTERBTN</source>
        <translation>Loop</translation>
    </message>
</context>
<context>
    <name>AUK_90003</name>
    <message>
        <source>_ALL_TRIPLEFILTER</source>
        <translation>All</translation>
    </message>
    <message>
        <source>_ACTIVE_DOUBLEFILTER</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>_ALL_DOUBLEFILTER</source>
        <translation>All</translation>
    </message>
    <message>
        <source>_UNRESTORED_FILTER</source>
        <translation>Unrestored only</translation>
    </message>
</context>
<context>
    <name>DisablementsViewer</name>
    <message>
        <source>_POINTS_DOUBLEFILTER</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>_ZONES_DOUBLEFILTER</source>
        <translation>Zones</translation>
    </message>
</context>
<context>
    <name>FaultsViewer</name>
    <message>
        <source>_ACCEPTED_TRIPLEFILTER</source>
        <translation>Accepted</translation>
    </message>
    <message>
        <source>_UNACCEPTED_TRIPLEFILTER</source>
        <translation>Unaccepted</translation>
    </message>
</context>
<context>
    <name>FireWarningsViewer</name>
    <message>
        <source>_PRE_ALARM_TRIPLEFILTER</source>
        <translation>Pre-alarm</translation>
    </message>
</context>
<context>
    <name>ForcedOutputsViewer</name>
    <message>
        <source>_FORCED_ALL_FILTER</source>
        <translation>All</translation>
    </message>
    <message>
        <source>_FORCED_ON_FILTER</source>
        <translation>On</translation>
    </message>
    <message>
        <source>_FORCED_P1_FILTER</source>
        <translation>Pulse 1</translation>
    </message>
    <message>
        <source>_FORCED_P2_FILTER</source>
        <translation>Pulse 2</translation>
    </message>
</context>
<context>
    <name>PrintableAddress</name>
    <message>
        <source>_ZONE_4_CHAR</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>_NO_ZONE_1_CHAR</source>
        <translation>-</translation>
    </message>
    <message>
        <source>_PANEL_8_CHAR</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>_MASTER_PANEL_2_CHAR</source>
        <translation>M:</translation>
    </message>
    <message>
        <source>_SLAVE_PANEL_2_CHAR</source>
        <translation>S:</translation>
    </message>
    <message>
        <source>_UNKNOWN_PANEL_1_CHAR</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>model</name>
    <message>
        <source>_EMPTY_POINT_NAME_LOCAL_INFOTEXT</source>
        <translation>No point name</translation>
    </message>
    <message>
        <source>_EMPTY_POINT_NAME_REMOTE_INFOTEXT</source>
        <translation>Point name not available</translation>
    </message>
    <message>
        <source>_EMPTY_ZONE_NAME_LOCAL_INFOTEXT</source>
        <translation>No zone name</translation>
    </message>
    <message>
        <source>_EMPTY_ZONE_NAME_REMOTE_INFOTEXT</source>
        <translation>Zone name not available</translation>
    </message>
    <message>
        <source>_UNKNOWN_POINT_REGION_NAME_LISTITEM</source>
        <translation>Unknown region</translation>
    </message>
    <message>
        <source>_AS_CONFIGURED_SELTEXT</source>
        <translation>As configured</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>_LANGUAGE_NAME_SK</source>
        <translation>English</translation>
    </message>
    <message>
        <source>_GUI_SIMULATOR_20_CHAR</source>
        <translation>Desktop simulator</translation>
    </message>
    <message>
        <source>_PANEL_8_CHAR</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>_JAN_FIREINFO</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>_FEB_FIREINFO</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>_MAR_FIREINFO</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>_APR_FIREINFO</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>_MAY_FIREINFO</source>
        <translation>May</translation>
    </message>
    <message>
        <source>_JUN_FIREINFO</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>_JUL_FIREINFO</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>_AUG_FIREINFO</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>_SEP_FIREINFO</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>_OCT_FIREINFO</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>_NOV_FIREINFO</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>_DEC_FIREINFO</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>_JANUARY_9_CHAR</source>
        <translation>January</translation>
    </message>
    <message>
        <source>_FEBUARY_9_CHAR</source>
        <translation>February</translation>
    </message>
    <message>
        <source>_MARCH_9_CHAR</source>
        <translation>March</translation>
    </message>
    <message>
        <source>_APRIL_9_CHAR</source>
        <translation>April</translation>
    </message>
    <message>
        <source>_MAY_9_CHAR</source>
        <translation>May</translation>
    </message>
    <message>
        <source>_JUNE_9_CHAR</source>
        <translation>June</translation>
    </message>
    <message>
        <source>_JULY_9_CHAR</source>
        <translation>July</translation>
    </message>
    <message>
        <source>_AUGUST_9_CHAR</source>
        <translation>August</translation>
    </message>
    <message>
        <source>_SEPTEMBER_9_CHAR</source>
        <translation>September</translation>
    </message>
    <message>
        <source>_OCTOBER_9_CHAR</source>
        <translation>October</translation>
    </message>
    <message>
        <source>_NOVEMBER_9_CHAR</source>
        <translation>November</translation>
    </message>
    <message>
        <source>_DECEMBER_9_CHAR</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>TESKDelegateRoles</name>
    <message>
        <source>_PANEL_SYSSTATUSTITLE</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>_ZONE_SYSSTATUSTITLE</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>_DATE_TIME_STATUSTITLE</source>
        <translation>Date/time</translation>
    </message>
    <message>
        <source>_NAME_SYSSTATUSTITLE</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>_LOCATION_SYSSTATUSTITLE</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>_DEVICE_SYSSTATUSTITLE</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>_REAL_STATUSTITLE</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>_ADDRESS_SYSSTATUSTITLE</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>_EVENT_TYPE_STATUSTITLE</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>_INFORMATION_STATUSTITLE</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>_EVENT_STATUS_STATUSTITLE</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>_OUTPUT_STATUSTITLE</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>_OUTPUT_STATE_SYSSTATUSTITLE</source>
        <translation>Output state</translation>
    </message>
    <message>
        <source>_OUTPUT_FORCED_SYSSTATUSTITLE</source>
        <translation>Output forced</translation>
    </message>
    <message>
        <source>_OUTPUT_DISABLED_SYSSTATUSTITLE</source>
        <translation>Output disabled</translation>
    </message>
    <message>
        <source>_INPUT_STATUSTITLE</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>_INPUT_STATE_SYSSTATUSTITLE</source>
        <translation>Input state</translation>
    </message>
    <message>
        <source>_INPUT_FORCED_SYSSTATUSTITLE</source>
        <translation>Input forced</translation>
    </message>
    <message>
        <source>_INPUT_DISABLED_SYSSTATUSTITLE</source>
        <translation>Input disabled</translation>
    </message>
    <message>
        <source>_ANALOGUE_TYPE_SYSSTATUSTITLE</source>
        <translation>Analogue %1 type</translation>
    </message>
    <message>
        <source>_ANALOGUE_VALUE_SYSSTATUSTITLE</source>
        <translation>Analogue %1 value</translation>
    </message>
    <message>
        <source>_DIRTINESS_SYSSTATUSTITLE</source>
        <translation>Dirtiness</translation>
    </message>
    <message>
        <source>_TOTAL_POINTS_INFOTEXT</source>
        <translation>Total points</translation>
    </message>
    <message>
        <source>_LOOP_STATUS_STATUSTITLE</source>
        <translation>Loop status</translation>
    </message>
    <message>
        <source>_LOOP_STATUSTITLE</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>_MANUFACTURE_DATE_STATUSTITLE</source>
        <translation>Made</translation>
    </message>
    <message>
        <source>_EXPIRY_DATE_STATUSTITLE</source>
        <translation>Expires</translation>
    </message>
    <message>
        <source>_DEVICE_DATE_ACTION_STATUSTITLE</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>_FIRES_INFOTEXT</source>
        <translation>Fires</translation>
    </message>
    <message>
        <source>_FAULTS_20_CHAR</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>_DISABLES_25_CHAR</source>
        <translation>Disablements</translation>
    </message>
    <message>
        <source>_MODE_SUMMARYTITLE</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>_WALKTEST_LOCATION_SYSSTATUSTITLE</source>
        <translation>Walk test location</translation>
    </message>
    <message>
        <source>_DEVICES_IN_TEST_SUMMARYTITLE</source>
        <translation>Devices in test</translation>
    </message>
    <message>
        <source>_ZONES_IN_TEST_SUMMARYTITLE</source>
        <translation>Zones in test</translation>
    </message>
    <message>
        <source>_EXCL/ISOLATED_DEVICES_SUMMARYTITLE</source>
        <translation>Excluded devices</translation>
    </message>
    <message>
        <source>_BEEN_ACTIVE_SUMMARYTITLE</source>
        <translation>Been active</translation>
    </message>
    <message>
        <source>_BEEN_CLEAR_SUMMARYTITLE</source>
        <translation>Been clear</translation>
    </message>
    <message>
        <source>_SUCCESSFUL_TESTED_SUMMARYTITLE</source>
        <translation>Tested successfully</translation>
    </message>
    <message>
        <source>_CURRENTLY_ACTIVE_SUMMARYTITLE</source>
        <translation>Active now</translation>
    </message>
    <message>
        <source>_START_TIME_SUMMARYTITLE</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>_LAST_UPDATED_SUMMARYTITLE</source>
        <translation>Last updated</translation>
    </message>
    <message>
        <source>_PREVIOUS_MODE_SUMMARYTITLE</source>
        <translation>Previous mode</translation>
    </message>
    <message>
        <source>_RSM_LAST_TEST_DATE_STATUSTITLE</source>
        <translation>Last test</translation>
    </message>
    <message>
        <source>_RSM_TEST_STATUS_STATUSTITLE</source>
        <translation>Test status</translation>
    </message>
    <message>
        <source>_DEVICE_LAST_TEST_DATE_SYSSTATUSTITLE</source>
        <translation>Last test</translation>
    </message>
    <message>
        <source>_DEVICE_TEST_STATUS_SYSSTATUSTITLE</source>
        <translation>Test status</translation>
    </message>
    <message>
        <source>_COMMON_STATUSTITLE</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>_LEFT_PORT_STATUSTITLE</source>
        <translation>Left port</translation>
    </message>
    <message>
        <source>_RIGHT_PORT_STATUSTITLE</source>
        <translation>Right port</translation>
    </message>
    <message>
        <source>_GROUND_STATUSTITLE</source>
        <translation>Earth</translation>
    </message>
    <message>
        <source>_DATA_TRANSMISSION_STATUSTITLE</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>_RING_CONTINUITY_STATUSTITLE</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>_NET_COMMS_STATUSTITLE</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>_LEFT_GOOD_FRAMES_28_CHAR</source>
        <translation>Left good frames</translation>
    </message>
    <message>
        <source>_LEFT_SERIAL_ERRORS_28_CHAR</source>
        <translation>Left serial errors</translation>
    </message>
    <message>
        <source>_LEFT_FRAME_ERRORS_28_CHAR</source>
        <translation>Left frame errors</translation>
    </message>
    <message>
        <source>_LEFT_CHECKSUM_ERRORS_28_CHAR</source>
        <translation>Left checksum errors</translation>
    </message>
    <message>
        <source>_RIGHT_GOOD_FRAMES_28_CHAR</source>
        <translation>Right good frames</translation>
    </message>
    <message>
        <source>_RIGHT_SERIAL_ERRORS_28_CHAR</source>
        <translation>Right serial errors</translation>
    </message>
    <message>
        <source>_RIGHT_FRAME_ERRORS_28_CHAR</source>
        <translation>Right frame errors</translation>
    </message>
    <message>
        <source>_RIGHT_CHECKSUM_ERRORS_28_CHAR</source>
        <translation>Right checksum errors</translation>
    </message>
    <message>
        <source>_TOTAL_MSG_SENT_28_CHAR</source>
        <translation>Messages sent</translation>
    </message>
    <message>
        <source>_TOTAL_MSG_REVEIVED_28_CHAR</source>
        <translation>Messages received</translation>
    </message>
    <message>
        <source>_TIME_SINCE_ZEROED_28_CHAR</source>
        <translation>Time since zeroed</translation>
    </message>
    <message>
        <source>_TIME_SINCE_STARTUP_28_CHAR</source>
        <translation>Time since start-up</translation>
    </message>
    <message>
        <source>_LEFT_ADC_AVERAGE_28_CHAR</source>
        <translation>Left ADC average</translation>
    </message>
    <message>
        <source>_RIGHT_ADC_AVERAGE_28_CHAR</source>
        <translation>Right ADC average</translation>
    </message>
    <message>
        <source>_GROUND_ADC_AVERAGE_28_CHAR</source>
        <translation>Earth ADC average</translation>
    </message>
    <message>
        <source>_NEXT_ACTIVE_NODE_28_CHAR</source>
        <translation>Next active node</translation>
    </message>
    <message>
        <source>_FLOW_CONTROL_28_CHAR</source>
        <translation>Flow control</translation>
    </message>
    <message>
        <source>_TIMESTAMP_28_CHAR</source>
        <translation>Timestamp</translation>
    </message>
    <message>
        <source>_EXTENDED_FAULT_MAP_28_CHAR</source>
        <translation>Extended fault map</translation>
    </message>
    <message>
        <source>_PANEL_TYPE_STATUSTITLE</source>
        <translation>Panel type</translation>
    </message>
    <message>
        <source>_CONFIGURED_SERIAL_NUMBER_12_CHAR</source>
        <translation>Configured</translation>
    </message>
    <message>
        <source>_REAL_SERIAL_NUMBER_12_CHAR</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>_CONFIGURED_SYSSTATUSTITLE</source>
        <translation>Configured</translation>
    </message>
    <message>
        <source>_POINT_VALUE_SENSOR_STATUSTITLE</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>_LINK_8_CHAR</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>_RBUS_ADDRESS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>_DURATION_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>_TX_POLLS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Tx polls</translation>
    </message>
    <message>
        <source>_TX_PACKETS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Tx packets</translation>
    </message>
    <message>
        <source>_TX_FAILS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Tx failures</translation>
    </message>
    <message>
        <source>_RX_POLLS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Rx polls</translation>
    </message>
    <message>
        <source>_RX_PACKETS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Rx packets</translation>
    </message>
    <message>
        <source>_RX_CSUM_FAILS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Rx checksums</translation>
    </message>
    <message>
        <source>_RX_INVALID_REPLIES_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Rx bad replies</translation>
    </message>
    <message>
        <source>_RX_TIMEOUTS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Rx timeouts</translation>
    </message>
    <message>
        <source>_RX_LSR_ERRORS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Rx line errors</translation>
    </message>
    <message>
        <source>_ABORT_RECEIVE_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Rx aborts</translation>
    </message>
    <message>
        <source>_ABORT_TRANSMIT_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Tx aborts</translation>
    </message>
    <message>
        <source>_TOTAL_BLOCKS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Total blocks</translation>
    </message>
    <message>
        <source>_BAD_BLOCKS_100_20_BODYTEXTSMALLSTYLE</source>
        <translation>Bad blocks</translation>
    </message>
</context>
<context>
    <name>AUK_90028</name>
    <message>
        <source>_PANEL_FIRETITLE</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>_ZONE_FIRETITLE</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>_ADDRESS_FIRETITLE</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>_FIRES_IN_ZONE_FIRETITLE</source>
        <translation>Fires in zone</translation>
    </message>
    <message>
        <source>_LOCATION_FIRETITLE</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>_NAME_FIRETITLE</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>_DEVICE_FIRETITLE</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>_EVENT_FIRETITLE</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>_INFORMATION_FIRETITLE</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>_LAST_FIRE_FIRECARD</source>
        <translation>Last fire</translation>
    </message>
    <message>
        <source>_FIRST_FIRE_FIRECARD</source>
        <translation>First fire</translation>
    </message>
    <message>
        <source>_FIRE_FIRECARD</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>_DATE_TIME_FIRETITLE</source>
        <translation>Date/time</translation>
    </message>
</context>
<context>
    <name>AutoConfigDelegate</name>
    <message>
        <source>_ERROR_STRINGS_STATUSTITLE</source>
        <translation>Errors</translation>
    </message>
</context>
<context>
    <name>LoopCalibrateStatusDelegate</name>
    <message>
        <source>_LOOP_247_36_BODYTEXTSTYLE</source>
        <translation>Loop</translation>
    </message>
</context>
<context>
    <name>SystemStatusNetworkListDelegate</name>
    <message>
        <source>_PANEL_STATUSTITLE</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>_REGION_STATUSTITLE</source>
        <translation>Region</translation>
    </message>
</context>
<context>
    <name>TaskNameAndStatusItemDelegate</name>
    <message>
        <source>_OFF_100_40_INFOTEXTSTYLE</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>_ON_100_40_INFOTEXTSTYLE</source>
        <translation>On</translation>
    </message>
</context>
<context>
    <name>ZoneFireFaultStatusDelegate</name>
    <message>
        <source>_ZONE_LISTITEM</source>
        <translation>Zone</translation>
    </message>
</context>
<context>
    <name>AUK_30080</name>
    <message>
        <source>_PANEL_9_CHAR</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>_ZONE_9_CHAR</source>
        <translation>Zone</translation>
    </message>
</context>
<context>
    <name>AUK_30002</name>
    <message>
        <source>_EVENTS_SUMMARY_INFOTITLE</source>
        <translation>Events summary</translation>
    </message>
    <message>
        <source>_FAULTS_INFOTEXT</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>_WARNINGS_INFOTEXT</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>_DISABLES_INFOTEXT</source>
        <translation>Disablements</translation>
    </message>
    <message>
        <source>_WALK_TESTS_INFOTEXT</source>
        <translation>Walk tests</translation>
    </message>
    <message>
        <source>_SOUNDERS_SILENCED_ABBREVIATED_INFOTEXT</source>
        <translation>Snd. silenced</translation>
    </message>
    <message>
        <source>_SOUNDERS_OFF_INFOTEXT</source>
        <translation>Sounders off</translation>
    </message>
    <message>
        <source>_DISCONNECTION_FAULT_INFOTEXT</source>
        <translation>Link lost</translation>
    </message>
    <message>
        <source>_DISCONNECTION_FAULT_CONTINUE_INFOTEXT</source>
        <translation>Check the bus</translation>
    </message>
    <message>
        <source>_PROTECTION_OFF_INFOTEXT</source>
        <translation>Protection off</translation>
    </message>
    <message>
        <source>_SIGNALLING_OFF_INFOTEXT</source>
        <translation>Signalling off</translation>
    </message>
    <message>
        <source>_KEYSAFE_DOOR_OPEN_INFOTEXT</source>
        <translation>Key safe open</translation>
    </message>
    <message>
        <source>_KEYSAFE_ALARM_INFOTEXT</source>
        <translation>Key safe alarm</translation>
    </message>
    <message>
        <source>_NO_CURRENT_NET_MASTER_INFOTEXT</source>
        <translation>No master, pnl </translation>
    </message>
    <message>
        <source>_MASTER_IS_PANEL_INFOTEXT</source>
        <translation>Master: panel </translation>
    </message>
    <message>
        <source>_TEMP_MASTER_INFOTEXT</source>
        <translation>Temp. master</translation>
    </message>
    <message>
        <source>_PRIMARY_CPU_FAILURE_INFOTEXT</source>
        <translation>Primary CPU failure</translation>
    </message>
    <message>
        <source>_EVENTS_SUMMARY_LOGTITLE</source>
        <translation>Events summary</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>_SAVING_PANEL_25_CHAR</source>
        <translation>Saved by panel</translation>
    </message>
    <message>
        <source>_CUSTOM_TASK_PROGRESS_POPUPTITLE</source>
        <translation>Custom task</translation>
    </message>
    <message>
        <source>_CUSTOM_TASK_COMPLETE_214_18_INFOTEXTSTYLE</source>
        <translation>Tasks completed</translation>
    </message>
    <message>
        <source>_LOCALLY_ACCEPTED_INFOTEXT</source>
        <translation>Accepted locally</translation>
    </message>
    <message>
        <source>_REMOTELY_ACCEPTED_INFOTEXT</source>
        <translation>Accepted remotely</translation>
    </message>
    <message>
        <source>_UNACCEPTED_INFOTEXT</source>
        <translation>Not accepted</translation>
    </message>
    <message>
        <source>_NOT_INPUT_POINTVALUE</source>
        <translation>No input</translation>
    </message>
    <message>
        <source>_FAULT_POINTVALUE</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>_NORMAL_POINTVALUE</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>_PRE_ALARM_POINTVALUE</source>
        <translation>Pre-alarm</translation>
    </message>
    <message>
        <source>_VERIFYING_POINTVALUE</source>
        <translation>Verifying</translation>
    </message>
    <message>
        <source>_ACTIVE_POINTVALUE</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>_RESETTING_POINTVALUE</source>
        <translation>Resetting</translation>
    </message>
    <message>
        <source>_ACTIVATE_WARN_POINTVALUE</source>
        <translation>Activation warning</translation>
    </message>
    <message>
        <source>_UNKNOWN_POINTVALUE</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>_NOT_OUTPUT_POINTVALUE</source>
        <translation>No output</translation>
    </message>
    <message>
        <source>_TEST_POINTVALUE</source>
        <translation>In test</translation>
    </message>
    <message>
        <source>_OFF_POINTVALUE</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>_ON_POINTVALUE</source>
        <translation>On</translation>
    </message>
    <message>
        <source>_PULSE1_POINTVALUE</source>
        <translation>Pulse 1</translation>
    </message>
    <message>
        <source>_PULSE2_POINTVALUE</source>
        <translation>Pulse 2</translation>
    </message>
    <message>
        <source>_NA_POINTVALUE</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>_FORCED_OFF_POINTVALUE</source>
        <translation>Forced off</translation>
    </message>
    <message>
        <source>_FORCED_ON_POINTVALUE</source>
        <translation>Forced on</translation>
    </message>
    <message>
        <source>_FORCED_PULSE1_POINTVALUE</source>
        <translation>Forced pulse 1</translation>
    </message>
    <message>
        <source>_FORCED_PULSE2_POINTVALUE</source>
        <translation>Forced pulse 2</translation>
    </message>
    <message>
        <source>_FORCED_POINTVALUE</source>
        <translation>Forced</translation>
    </message>
    <message>
        <source>_DISABLED_POINTVALUE</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>_PERCENT_SYMBOL_POINTVALUE</source>
        <translation>%</translation>
    </message>
    <message>
        <source>_DegC_POINTVALUE</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>_DegF_POINTVALUE</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>_PPM_POINTVALUE</source>
        <translation>ppm</translation>
    </message>
    <message>
        <source>_PERCENT_FOOT_OBSCURATION_POINTVALUE</source>
        <translation>%/ft obscuration</translation>
    </message>
    <message>
        <source>_PERCENT_METRE_OBSCURATION_POINTVALUE</source>
        <translation>%/m obscuration</translation>
    </message>
    <message>
        <source>_UNIT_Y_POINTVALUE</source>
        <translation>y</translation>
    </message>
    <message>
        <source>_AMPS_POINTVALUE</source>
        <translation>A</translation>
    </message>
    <message>
        <source>_VOLTS_POINTVALUE</source>
        <translation>V</translation>
    </message>
    <message>
        <source>_TEMPERATURE_SYSSTATUSTITLE</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>_CO_COUNT_SYSSTATUSTITLE</source>
        <translation>CO count</translation>
    </message>
    <message>
        <source>_SMOKE_SYSSTATUSTITLE</source>
        <translation>Smoke</translation>
    </message>
    <message>
        <source>_UNIT_Y_SYSSTATUSTITLE</source>
        <translation>Smoke value y</translation>
    </message>
    <message>
        <source>_CURRENT_SYSSTATUSTITLE</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>_POWER_SYSSTATUSTITLE</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>_DISABLE_OFF_214_18_INFOTEXTSTYLE</source>
        <translation>Enabling the chosen points. Please wait.</translation>
    </message>
    <message>
        <source>_DISABLE_ON_214_18_INFOTEXTSTYLE</source>
        <translation>Disabling the chosen points. Please wait.</translation>
    </message>
    <message>
        <source>_DISABLE_OFF_PROGRESS_POPUPTITLE</source>
        <translation>Enabling</translation>
    </message>
    <message>
        <source>_DISABLE_ON_PROGRESS_POPUPTITLE</source>
        <translation>Disabling</translation>
    </message>
    <message>
        <source>_REPORT_GENERATED_AT_TIME_80_CHAR</source>
        <translation>Report generated at:</translation>
    </message>
    <message>
        <source>_END_OF_REPORT_80_CHAR</source>
        <translation>End of report</translation>
    </message>
    <message>
        <source>_NO_RECORDS_TO_PRINT_80_CHAR</source>
        <translation>No records to print</translation>
    </message>
    <message>
        <source>_WALKTEST_SUMMARY_80_CHAR</source>
        <translation>Walk test summary</translation>
    </message>
</context>
<context>
    <name>AUK_30069</name>
    <message>
        <source>_STATUS_LOGTITLE</source>
        <translation>Event log by status</translation>
    </message>
</context>
<context>
    <name>AUK_30072</name>
    <message>
        <source>_DATETIME_LOGTITLE</source>
        <translation>Event log by date and time</translation>
    </message>
    <message>
        <source>_START_FILTERTITLE</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>_END_FILTERTITLE</source>
        <translation>End</translation>
    </message>
</context>
<context>
    <name>AUK_30086</name>
    <message>
        <source>_FIRST_FIRE_FIREBTN</source>
        <translation>First fire</translation>
    </message>
    <message>
        <source>_SECOND_FIRE_FIREBTN</source>
        <translation>Second fire</translation>
    </message>
    <message>
        <source>_LAST_FIRE_FIREBTN</source>
        <translation>Last fire</translation>
    </message>
    <message>
        <source>_ZONES_IN_FIRE_FIREBTN</source>
        <translation>Zones in fire</translation>
    </message>
    <message>
        <source>_FIRES_FIREBTN</source>
        <translation>Fires</translation>
    </message>
    <message>
        <source>_FIRES_FIREINFO</source>
        <translation>fires</translation>
    </message>
</context>
<context>
    <name>AUK_40030</name>
    <message>
        <source>_SVC_TESK_UPDATE_WARNING_CONFIRM_POPUPTITLE</source>
        <translation>Software update warning</translation>
    </message>
    <message>
        <source>_SVC_PANEL_UPDATE_WARNING_CONFIRM_POPUPTITLE</source>
        <translation>Panel update warning</translation>
    </message>
    <message>
        <source>_SVC_TESK_LOOP_SCAN_POPUPTITLE</source>
        <translation>Loop scan</translation>
    </message>
    <message>
        <source>_SVC_PANEL_IR_LINK_POPUPTITLE</source>
        <translation>Infrared link</translation>
    </message>
    <message>
        <source>_SVC_PANEL_LOOP_SHUTDOWN_POPUPTITLE</source>
        <translation>Loop shutdown</translation>
    </message>
    <message>
        <source>_SILENCE_SOUNDERS_POPUPTITLE</source>
        <translation>Silence sounders</translation>
    </message>
</context>
<context>
    <name>AUK_40063</name>
    <message>
        <source>_SERIALISATION_POPUPTITLE</source>
        <translation>Serialisation</translation>
    </message>
</context>
<context>
    <name>AUK_40061</name>
    <message>
        <source>_CONFIRM_DISABLE_POPUPTITLE</source>
        <translation>Confirm disable</translation>
    </message>
    <message>
        <source>_CONFIRM_SILENCE_SOUNDERS_POPUPTITLE</source>
        <translation>Confirm silence</translation>
    </message>
    <message>
        <source>_ACTION_NOT_AVAILABLE_POPUPTITLE</source>
        <translation>Not available</translation>
    </message>
</context>
<context>
    <name>AUK_40039</name>
    <message>
        <source>_RESOUND_SOUNDERS_POPUPTITLE</source>
        <translation>Resound sounders</translation>
    </message>
</context>
<context>
    <name>AUK_40028</name>
    <message>
        <source>_LOGIN_POPUPTITLE</source>
        <translation>Log on</translation>
    </message>
</context>
<context>
    <name>AUK_40005</name>
    <message>
        <source>_PANEL_RESTART_POPUPTITLE</source>
        <translation>Panel restart</translation>
    </message>
    <message>
        <source>_PANEL_RESTART_CONFIRM_POPUPTEXT1BODY</source>
        <translation>Restart the panel?</translation>
    </message>
    <message>
        <source>_PANEL_RESTART_DESCRIPTION_POPUPTEXT2INFO</source>
        <translation>The panel stops and starts again.</translation>
    </message>
    <message>
        <source>_WARNING_POPUPTEXT1INFO</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>WalkTestSummaryModel</name>
    <message>
        <source>_NO_ACTIVE_WALKTEST_INFOTEXT</source>
        <translation>No walk test</translation>
    </message>
    <message>
        <source>_ALL_OUTPUTS_INFOTEXT</source>
        <translation>All outputs</translation>
    </message>
    <message>
        <source>_DEVICE_MODEL_WALKTEST_INFOTEXT</source>
        <translation>One device model</translation>
    </message>
    <message>
        <source>_ZONE_NON_ALARM_INPUT_INFOTEXT</source>
        <translation>Non-alarm inputs of the zone</translation>
    </message>
    <message>
        <source>_ZONE_ALARM_CONTACT_INFOTEXT</source>
        <translation>Alarm contacts of the zone</translation>
    </message>
    <message>
        <source>_ZONE_ALARM_CALLPOINT_INFOTEXT</source>
        <translation>Call points of the zone</translation>
    </message>
    <message>
        <source>_ZONE_ALARM_DETECTOR_INFOTEXT</source>
        <translation>Detectors of the zone</translation>
    </message>
    <message>
        <source>_ZONE_ALARM_INPUTS_INFOTEXT</source>
        <translation>Alarm inputs of the zone</translation>
    </message>
    <message>
        <source>_ZONE_INPUTS_INFOTEXT</source>
        <translation>All inputs of the zone</translation>
    </message>
    <message>
        <source>_NON_ALARM_INPUT_INFOTEXT</source>
        <translation>Non-alarm inputs</translation>
    </message>
    <message>
        <source>_ALARM_CONTACT_INFOTEXT</source>
        <translation>Alarm contacts</translation>
    </message>
    <message>
        <source>_ALARM_CALLPOINT_INFOTEXT</source>
        <translation>Call points</translation>
    </message>
    <message>
        <source>_ALARM_DETECTOR_INFOTEXT</source>
        <translation>Detectors</translation>
    </message>
    <message>
        <source>_ALARM_INPUTS_INFOTEXT</source>
        <translation>Alarm inputs</translation>
    </message>
    <message>
        <source>_INPUTS_INFOTEXT</source>
        <translation>All inputs</translation>
    </message>
    <message>
        <source>_MULTI_ZONE_INFOTEXT</source>
        <translation>Several zones</translation>
    </message>
    <message>
        <source>_ZONE_SUMMARYINFO</source>
        <translation>Zone</translation>
    </message>
</context>
<context>
    <name>WalkTestPointsModel</name>
    <message>
        <source>_WALKTEST_SUCCESSFUL_POINTS_80_CHAR</source>
        <translation>Points tested successfully</translation>
    </message>
    <message>
        <source>_WALKTEST_UNFINISHED_FAILED_POINTS_80_CHAR</source>
        <translation>Points not yet tested or failed</translation>
    </message>
</context>
<context>
    <name>AUK_40002</name>
    <message>
        <source>_PLEASE_CONFIRM_270_25_EN54INFOSTYLE</source>
        <translation>Please confirm</translation>
    </message>
    <message>
        <source>_EVACUATE_270_38_EN54EVENTSTYLE</source>
        <translation>EVACUATE</translation>
    </message>
    <message>
        <source>_EVACUATE_CONSEQUENCE_270_75_EN54INFOSTYLE</source>
        <translation>All sounders will sound.</translation>
    </message>
</context>
<context>
    <name>AUK_40003</name>
    <message>
        <source>_GUI_TEST_POPUPTITLE</source>
        <translation>Panel test</translation>
    </message>
    <message>
        <source>_GUI_TEST_PROGRESS_POPUPSUBTITLE</source>
        <translation>Testing the front panel</translation>
    </message>
    <message>
        <source>_TESTING_DISPLAY_POPUPITEM</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>_TESTING_LEDS_POPUPITEM</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>_TESTING_BUZZER_POPUPITEM</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source>_PENDING_POPUPSTATUS</source>
        <translation>Pending</translation>
    </message>
    <message>
        <source>_IN_PROGRESS_POPUPSTATUS</source>
        <translation>In progress</translation>
    </message>
    <message>
        <source>_COMPLETE_POPUPSTATUS</source>
        <translation>Complete</translation>
    </message>
</context>
<context>
    <name>AUK_40013</name>
    <message>
        <source>_INVESTIGATE_DELAY_POPUPTITLE</source>
        <translation>Investigate delay</translation>
    </message>
    <message>
        <source>_INVESTIGATE_DELAY_DESCRIPTION1_POPUPTEXT1EN54</source>
        <translation>The alarm will be delayed by</translation>
    </message>
    <message>
        <source>_INVESTIGATE_DELAY_DESCRIPTION2_POPUPTEXT2EN54</source>
        <translation>Investigate before it ends.</translation>
    </message>
</context>
<context>
    <name>FilterSelector</name>
    <message>
        <source>_ALL_LISTITEM</source>
        <translation>All</translation>
    </message>
</context>
<context>
    <name>ZoneSelector</name>
    <message>
        <source>_ZONE_FILTERBTN</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>_ZONES_SELECTED_SELTEXT</source>
        <translation>zones selected</translation>
    </message>
</context>
<context>
    <name>LogicalZoneSelector</name>
    <message>
        <source>_LOGICAL_ZONE_FILTERBTN</source>
        <translation>Logical zone</translation>
    </message>
</context>
<context>
    <name>MenuFilterSelector</name>
    <message>
        <source>_PROJECT_FILTERBTN</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>_TESK_FILTERBTN</source>
        <translation>Software</translation>
    </message>
</context>
<context>
    <name>AUK_90004</name>
    <message>
        <source>_BEFORE_COMMENCING_WALK_TEST_INFOMSG</source>
        <translation>Before starting a walk test, tell everyone in the building that the sounders may sound.</translation>
    </message>
</context>
<context>
    <name>StatusSelector</name>
    <message>
        <source>_STATUS_FILTERBTN</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>_STATUS_SELECTED_SELTEXT</source>
        <translation>statuses selected</translation>
    </message>
    <message>
        <source>_STATUS_FIRES_LISTITEM</source>
        <translation>Fires</translation>
    </message>
    <message>
        <source>_STATUS_FAULTS_LISTITEM</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>_STATUS_PRE_ALARM_LISTITEM</source>
        <translation>Pre-alarms</translation>
    </message>
    <message>
        <source>_STATUS_WARNING_LISTITEM</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>_STATUS_TEST_LISTITEM</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>_STATUS_SUPERVISORY_LISTITEM</source>
        <translation>Supervisory</translation>
    </message>
    <message>
        <source>_STATUS_GAS_ALERT_LISTITEM</source>
        <translation>Gas alerts</translation>
    </message>
    <message>
        <source>_STATUS_INFORMATION_LISTITEM</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>_STATUS_ISOLATES_LISTITEM</source>
        <translation>Isolates</translation>
    </message>
</context>
<context>
    <name>TypeSelector</name>
    <message>
        <source>_TYPE_FILTERBTN</source>
        <translation>Device type</translation>
    </message>
    <message>
        <source>_TYPE_INPUT_LISTITEM</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>_TYPE_DETECTORS_LISTITEM</source>
        <translation>Detectors</translation>
    </message>
    <message>
        <source>_TYPE_CALLPOINTS_LISTITEM</source>
        <translation>Call points</translation>
    </message>
    <message>
        <source>_TYPE_ALARM_INPUTS_LISTITEM</source>
        <translation>Alarm inputs</translation>
    </message>
    <message>
        <source>_TYPE_SOUNDERS_LISTITEM</source>
        <translation>Sounders</translation>
    </message>
</context>
<context>
    <name>MultiSensorSelector</name>
    <message>
        <source>_MULTISENSOR_FILTERBTN</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>_MSENSOR_PART_LISTITEM</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>_MSENSOR_FULL_LISTITEM</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>_MSENSOR_AUTO_LISTITEM</source>
        <translation>Automatic</translation>
    </message>
</context>
<context>
    <name>GuiModeSelecter</name>
    <message>
        <source>_GUI_MODE_FILTERBTN</source>
        <translation>GUI mode</translation>
    </message>
    <message>
        <source>_MODE_ETHERNET_LISTITEM</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>_MODE_ETHERNET_WITH_BACKUP_LISTITEM</source>
        <translation>Ethernet with backup</translation>
    </message>
    <message>
        <source>_MODE_QUORVEL_REPEATER_LISTITEM</source>
        <translation>Quorvel repeater</translation>
    </message>
    <message>
        <source>_MODE_DIRU_REPEATER_LISTITEM</source>
        <translation>DIRU repeater</translation>
    </message>
</context>
<context>
    <name>RBusAddressSelector</name>
    <message>
        <source>_RBUS_ADDRESS_FILTERBTN</source>
        <translation>Bus address</translation>
    </message>
    <message>
        <source>_ADDRESS_LISTITEM</source>
        <translation>Address</translation>
    </message>
</context>
<context>
    <name>RBusModeSelector</name>
    <message>
        <source>_RBUS_MODE_FILTERBTN</source>
        <translation>Bus mode</translation>
    </message>
    <message>
        <source>_RBUS_MODE_UNMONITORED_LISTITEM</source>
        <translation>Unmonitored</translation>
    </message>
    <message>
        <source>_RBUS_MODE_MONITORED_LISTITEM</source>
        <translation>Monitored</translation>
    </message>
</context>
<context>
    <name>ZonalLedSelector</name>
    <message>
        <source>_ZONAL_LED_FILTERBTN</source>
        <translation>Zonal LEDs</translation>
    </message>
    <message>
        <source>_XBUS_CONFIG_LISTITEM</source>
        <translation>XBUS configuration</translation>
    </message>
    <message>
        <source>_LEGACY_LISTITEM</source>
        <translation>Legacy</translation>
    </message>
</context>
<context>
    <name>DevicesSelector</name>
    <message>
        <source>_DEVICES_FILTERBTN</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>_DEVICES_SELECTED_SELTEXT</source>
        <translation>device types selected</translation>
    </message>
</context>
<context>
    <name>DateTimeSelector</name>
    <message>
        <source>_YEAR_WIDESOFTBTNLABEL</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>_MONTH_WIDESOFTBTNLABEL</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>_DAY_SOFTBTNLABEL</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>_HOUR_SOFTBTNLABEL</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>_MINUTE_SOFTBTNLABEL</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>_JANUARY_LISTITEM</source>
        <translation>January</translation>
    </message>
    <message>
        <source>_FEBRUARY_LISTITEM</source>
        <translation>February</translation>
    </message>
    <message>
        <source>_MARCH_LISTITEM</source>
        <translation>March</translation>
    </message>
    <message>
        <source>_APRIL_LISTITEM</source>
        <translation>April</translation>
    </message>
    <message>
        <source>_MAY_LISTITEM</source>
        <translation>May</translation>
    </message>
    <message>
        <source>_JUNE_LISTITEM</source>
        <translation>June</translation>
    </message>
    <message>
        <source>_JULY_LISTITEM</source>
        <translation>July</translation>
    </message>
    <message>
        <source>_AUGUST_LISTITEM</source>
        <translation>August</translation>
    </message>
    <message>
        <source>_SEPTEMBER_LISTITEM</source>
        <translation>September</translation>
    </message>
    <message>
        <source>_OCTOBER_LISTITEM</source>
        <translation>October</translation>
    </message>
    <message>
        <source>_NOVEMBER_LISTITEM</source>
        <translation>November</translation>
    </message>
    <message>
        <source>_DECEMBER_LISTITEM</source>
        <translation>December</translation>
    </message>
    <message>
        <source>_JAN_SOFTBTN</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>_FEB_SOFTBTN</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>_MAR_SOFTBTN</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>_APR_SOFTBTN</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>_MAY_SOFTBTN</source>
        <translation>May</translation>
    </message>
    <message>
        <source>_JUN_SOFTBTN</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>_JUL_SOFTBTN</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>_AUG_SOFTBTN</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>_SEP_SOFTBTN</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>_OCT_SOFTBTN</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>_NOV_SOFTBTN</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>_DEC_SOFTBTN</source>
        <translation>Dec</translation>
    </message>
</context>
<context>
    <name>FunctionsSelector</name>
    <message>
        <source>_FUNCTIONS_FILTERBTN</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>_FUNCTIONS_SELECTED_SELTEXT</source>
        <translation>functions selected</translation>
    </message>
    <message>
        <source>_FUNCTION_DETECTORS_LISTITEM</source>
        <translation>Detectors</translation>
    </message>
    <message>
        <source>_FUNCTION_CALLPOINTS_LISTITEM</source>
        <translation>Call points</translation>
    </message>
    <message>
        <source>_FUNCTION_ALARM_INPUTS_LISTITEM</source>
        <translation>Alarm inputs</translation>
    </message>
    <message>
        <source>_FUNCTION_SOUNDERS_LISTITEM</source>
        <translation>Sounders</translation>
    </message>
    <message>
        <source>_FUNCTION_PROTECTION_EQUIPMENT_LISTITEM</source>
        <translation>Protection equipment</translation>
    </message>
    <message>
        <source>_FUNCTION_PLANT_EQUIPMENT_LISTITEM</source>
        <translation>Plant equipment</translation>
    </message>
    <message>
        <source>_FUNCTION_EXTINGUISHING_LISTITEM</source>
        <translation>Extinguishing</translation>
    </message>
    <message>
        <source>_FUNCTION_POINT_INPUT_LISTITEM</source>
        <translation>Point inputs</translation>
    </message>
    <message>
        <source>_FUNCTION_POINT_OUTPUT_LISTITEM</source>
        <translation>Point outputs</translation>
    </message>
</context>
<context>
    <name>PointStatusSelector</name>
    <message>
        <source>_POINT_STATUS_FILTERBTN</source>
        <translation>Point status</translation>
    </message>
    <message>
        <source>_POINT_STATUS_SELECTED_SELTEXT</source>
        <translation>states selected</translation>
    </message>
    <message>
        <source>_ACTIVE_LISTITEM</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>_FAULT_LISTITEM</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>_DISABLED_LISTITEM</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>_NORMAL_LISTITEM</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>LocationSelector</name>
    <message>
        <source>_LOCATION_FILTERBTN</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>_LOCATION_LOOP_LISTITEM</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>_LOCATION_RBUS_LISTITEM</source>
        <translation>Front-panel bus</translation>
    </message>
    <message>
        <source>_LOCATION_LOCAL_IO_LISTITEM</source>
        <translation>Local inputs/outputs</translation>
    </message>
    <message>
        <source>_LOCATION_LNET_LISTITEM</source>
        <translation>Panel network</translation>
    </message>
    <message>
        <source>_LOCATION_SBUS_LISTITEM</source>
        <translation>SBUS</translation>
    </message>
    <message>
        <source>_LOCATION_NON_LOOP_LISTITEM</source>
        <translation>Not on a loop</translation>
    </message>
</context>
<context>
    <name>PointTypeSelector</name>
    <message>
        <source>_POINT_TYPE_ABTN</source>
        <translation>Point type</translation>
    </message>
    <message>
        <source>_REAL_LISTITEM</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>_PSEUDO_LISTITEM</source>
        <translation>Pseudo</translation>
    </message>
    <message>
        <source>_XBUS_LISTITEM</source>
        <translation>XBUS</translation>
    </message>
    <message>
        <source>_TIMER_LISTITEM</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>_MENU_LISTITEM</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>PointAddressSelector</name>
    <message>
        <source>_POINT_ABTN</source>
        <translation>Point</translation>
    </message>
</context>
<context>
    <name>RegionSelector</name>
    <message>
        <source>_LOCAL_IO_ABTN</source>
        <translation>Local I/O</translation>
    </message>
    <message>
        <source>_RBUS_ABTN</source>
        <translation>FP bus</translation>
    </message>
    <message>
        <source>_LNET_ABTN</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>_SBUS_ABTN</source>
        <translation>SBUS</translation>
    </message>
    <message>
        <source>_NON_LOOP_ABTN</source>
        <translation>Non-loop</translation>
    </message>
</context>
<context>
    <name>PointsSelector</name>
    <message>
        <source>_POINTS_FILTERBTN</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>_POINTS_SELECTED_SELTEXT</source>
        <translation>points selected</translation>
    </message>
</context>
<context>
    <name>ReportOutputSelector</name>
    <message>
        <source>_OUTPUT_FILTERBTN</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>_USB_LISTITEM</source>
        <translation>USB drive</translation>
    </message>
    <message>
        <source>_TXT_WITH_WHITESPACE_LISTITEM</source>
        <translation>text, aligned</translation>
    </message>
    <message>
        <source>_TXT_LISTITEM</source>
        <translation>text</translation>
    </message>
    <message>
        <source>_CSV_LISTITEM</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>_PDF_LISTITEM</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>_PANEL_PRINTER_LISTITEM</source>
        <translation>Panel printer</translation>
    </message>
</context>
<context>
    <name>PrinterSelector</name>
    <message>
        <source>_PRINTER_FILTERBTN</source>
        <translation>Printer</translation>
    </message>
</context>
<context>
    <name>AUK_40057</name>
    <message>
        <source>_REPORT_DEST_SAVED_POPUPTITLE</source>
        <translation>Report destination saved</translation>
    </message>
    <message>
        <source>_PRINTER_SET_TO_POPUPTEXT1BODY</source>
        <translation>Reports now go to:</translation>
    </message>
</context>
<context>
    <name>AUK_30074</name>
    <message>
        <source>_GENERAL_INFO</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>AUK_10014</name>
    <message>
        <source>_PANEL_INFO</source>
        <translation>Panel</translation>
    </message>
</context>
<context>
    <name>AUK_30076</name>
    <message>
        <source>_SOUNDERS_INFO</source>
        <translation>Sounders</translation>
    </message>
</context>
<context>
    <name>AUK_30077</name>
    <message>
        <source>_ALARM_SIGNALLING_INFO</source>
        <translation>Alarm signalling</translation>
    </message>
</context>
<context>
    <name>AUK_30077_F</name>
    <message>
        <source>_FAULT_SIGNALLING_INFO</source>
        <translation>Fault signalling</translation>
    </message>
</context>
<context>
    <name>AUK_30078</name>
    <message>
        <source>_PROTECTION_INFO</source>
        <translation>Protection</translation>
    </message>
</context>
<context>
    <name>InputSignaller</name>
    <message>
        <source>_CONTROLS_INFO</source>
        <translation>Controls</translation>
    </message>
</context>
<context>
    <name>AUK_90033</name>
    <message>
        <source>_ALL_COUNTBTN</source>
        <translation>All</translation>
    </message>
    <message>
        <source>_DISABLE_COUNTBTN</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>_FAULTS_COUNTBTN</source>
        <translation>Faults</translation>
    </message>
</context>
<context>
    <name>EventsSummaryByFunction</name>
    <message>
        <source>_ACTIVE_COUNTBTN</source>
        <translation>Active</translation>
    </message>
</context>
<context>
    <name>EventsSummaryGeneralPanel</name>
    <message>
        <source>_WALKTEST_80_CHAR</source>
        <translation>Walk test report</translation>
    </message>
    <message>
        <source>_WALK_TEST_COUNTBTN</source>
        <translation>Walk tests</translation>
    </message>
    <message>
        <source>_WARNINGS_COUNTBTN</source>
        <translation>Warnings</translation>
    </message>
</context>
</TS>
