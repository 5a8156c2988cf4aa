#include "screens/popups/AUK_40040.h"

#include "app/PageStack.h"
#include "screens/popups/MessagePopupForm.h"
#include "widgets/FontRepository.h"
#include "widgets/TextIdTable.h"

#include <QLabel>

namespace {

const TextIdTable &topTable()
{
    static const TextIdTable table(
        "AUK_40040", {
                         QT_TRANSLATE_NOOP("AUK_40040", "_ABORTED_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_BUZZER_OVERRIDE_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_COMPATIBILITY_CHECK_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_SOUNDERS_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_DIGITAL_ENROLMENT_CONFIRM_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_FAILED_TO_SAVE_FILE_USB_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_FILE_SAVED_USB_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_FINISHED_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_IDLE_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_IN_PROGRESS_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_INVALID_STATUS_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_KILL_WALK_TEST_WARNING_POPUPTEXT1INFO"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_ERROR_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_FINISHED_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_GENERIC_ERROR_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_IN_PROGRESS_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_LANGUAGE_FILE_NOT_FOUND_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_LANGUAGE_UNZIP_ERROR_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_QUISCENT_IMAGE_NOT_FOUND_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_STARTED_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_ZONEMAP_FILE_NOT_FOUND_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_TESK_CONFIG_UPDATE_ZONEMAP_UNZIP_ERROR_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_RESTART_PANEL_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_STOPPED_ON_ERROR_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_BAD_CONFIG_POPUPTEXT1INFO"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_APPLICATION_UPDATE_CONFIRM_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_LOOP_SCAN_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_UPDATE_CONFIRM_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_UPDATE_WARNING_CONFIRM_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_SVC_PANEL_UPDATE_WARNING_CONFIRM_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_SVC_SETTING_TESK_IPADDRESS_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_WAITING_FOR_REMOTE_PANEL_POPUPTEXT1BODY"),
                         QT_TRANSLATE_NOOP("AUK_40040", "_WAITING_FOR_UPDATE_COMMIT_POPUPTEXT1BODY"),
                     });
    return table;
}

const TextIdTable &middleTable()
{
    static const TextIdTable table("AUK_40040",
                                   {
                                       QT_TRANSLATE_NOOP("AUK_40040", "_CREATING_REPORT_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_CALCULATING_LAYOUT_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_COULD_NOT_CREATE_REPORT_FILE_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_IMPLEMENTATION_ERROR_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_PRESENT_CARD_DESCRIPTION_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_SAVING_REPORT_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_SETTING_TO_DATE_TIME_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_USB_DRIVE_NOT_MOUNTED_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_USB_DRIVE_NOT_WRITABLE_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_WARNING_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_WRITE_FAILED_DESCRIPTION_POPUPTEXT1BODY"),
                                       QT_TRANSLATE_NOOP("AUK_40040", "_WRITE_SUCCESSFUL_DESCRIPTION_POPUPTEXT1BODY"),
                                   });
    return table;
}

const TextIdTable &bottomTable()
{
    static const TextIdTable table(
        "AUK_40040",
        {
            QT_TRANSLATE_NOOP("AUK_40040", "_ACTION_NOT_AVAILABLE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_AUTO_TEST_REQ_SENT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_BUZZER_OVERRIDE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CLEAR_USB_RETRY_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIGURATION_CHANGED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_CLEAR_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_DELETE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_DIGITAL_ENROLMENT_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_DISABLE_POPUPTEXT3BODY"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_INSERT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_MODIFY_ADDRESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_MODIFY_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_RESET_POPUPTEXT3BODY"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_SAVE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_CONFIRM_SILENCE_SOUNDERS_POPUPTEXT3BODY"),
            QT_TRANSLATE_NOOP("AUK_40040", "_ERROR_CONFIG_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_FILE_ACCESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_FILE_ERROR_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_FILE_FAILED_USB_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_FILE_NOT_FOUND_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_FILE_TOO_SHORT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_FILE_VALIDATION_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_FIRE_TEST_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_GENERAL_FILE_ERROR_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_GUI_CONFIG_USB_READ_WAIT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_H3_LINK_NOT_FITTED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_INCOMPATIBLE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_INITIALISE_TOOL_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_INTEGRITY_CHECK_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_INTERNAL_ERROR_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_INVALID_POINT_ADDRESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_INVALID_REPORT_TYPE_PREFIX_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_INVALID_USER_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_KILL_WALK_TEST_WARNING_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_LOG_EVENT_ACCEPT_ERROR_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_LOG_EVENT_ACCEPTED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_LOGIN_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_LOOP_CALIBRATE_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_LOOP_CALIBRATE_INITIATED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_LOOP_CALIBRATE_UNABLE_TO_INITIATE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_MEDIA_ACCESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_MODIFY_DEVICE_ADDRESS_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_MODIFY_DEVICE_ADDRESS_REQUEST_IN_PROGRESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_MODIFY_DEVICE_ADDRESS_SUCCESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_NO_ERROR_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_NO_RESP_FRM_REMOTE_PANEL_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_NO_ZONE_IMAGES_AVAILABLE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_OP_FAILED_NON_SPECIFIC_POPUPTEXT1BODY"),
            QT_TRANSLATE_NOOP("AUK_40040", "_OP_FAILED_IR_LINK_ENABLED_POPUPTEXT1BODY"),
            QT_TRANSLATE_NOOP("AUK_40040", "_OP_FAILED_NOT_SUPPORTED_POPUPTEXT1BODY"),
            QT_TRANSLATE_NOOP("AUK_40040", "_OP_FAILED_NOT_CONFIGURED_POPUPTEXT1BODY"),
            QT_TRANSLATE_NOOP("AUK_40040", "_OP_FAILED_BUSY_POPUPTEXT1BODY"),
            QT_TRANSLATE_NOOP("AUK_40040", "_OP_SUCCESSFUL_POPUPTEXT1BODY"),
            QT_TRANSLATE_NOOP("AUK_40040", "_PANEL_NOT_FOUND_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_PLEASE_WAIT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_PLUG_IN_WRITABLE_USB_DRIVE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_PREPARING_TO_SAVE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_PRINT_CONTAINER_EMPTY_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_PRINT_OK_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_PRINT_REJECTED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_PRINTER_OFFLINE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_REAL_DEVICE_PRESENT_REQUEST_FACTORY_IN_PROGRESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_REAL_DEVICE_PRESENT_REQUEST_VERIFY_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_REAL_DEVICE_PRESENT_REQUEST_VERIFY_IN_PROGRESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_REBOOT_WARNING_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_REMOVE_HEADER_LINK_PHASE1_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_REMOVE_HEADER_LINK_PHASE2_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_REPORT_ENTRY_TOO_LONG_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_RESET_KEY_DEPOT_CMD_SENT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_RESET_NETWORK_COUNTERS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_RESOUND_CONSEQUENCE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_RSM_REPORT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SAVE_WAIT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SAVING_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SAVING_IN_PROGRESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SAVING_SUCCESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SELF_TEST_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SERVICE_TOOL_BUSY_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SERVICE_TOOL_NOT_READY_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SERVICE_TOOL_UNPLUGGED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SILENCE_CONSEQUENCE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_STATUS_REPORT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_STORING_FILE_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_KERNEL_UBIFS_NOT_FOUND_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_CONFIG_FILE_NOT_PRESENT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_CONFIG_FILE_NOT_VALID_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_LANGUAGE_FILES_NOT_FOUND_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_LOOP_SCAN_CONSEQUENCE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_PRJ_CONFIG_NOT_FOUND_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_QUIESCENT_IMAGE_EXCEEDS_SIZE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_QUIESCENT_IMAGE_NOT_FOUND_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_UPDATE_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_TESK_UPDATE_WARNING_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_PANEL_DUAL_LOOP_SHUTDOWN_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_PANEL_IR_LINK_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_PANEL_SINGLE_LOOP_SHUTDOWN_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_PANEL_UPDATE_WARNING_CONFIRM_CONSEQUENCE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_USB_PLUGGED_OUT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_USR_ALREADY_LOGGED_IN_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_SVC_ZONEMAP_NOT_FOUND_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_TEST_KEY_DEPOT_CMD_SENT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_TIMEKEEPER_PANEL_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_UNKNOWN_ERROR_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_UPDATE_ALREADY_IN_PROGRESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_UPDATE_COMMIT_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_UPDATE_NOT_ALLOWED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_UPDATE_NOT_SUPPORTED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_UPDATE_VERIFICATION_FAILED_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_USB_DEF_TEXT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_USB_TEXT_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_USB_CSV_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_USB_PDF_POPUPTEXT3INFO"),
            nullptr,
            QT_TRANSLATE_NOOP("AUK_40040", "_USER_ALREADY_LOGGED_ON_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_WALKTEST_BAD_PARAMETERS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_WALKTEST_GENERAL_FAILURE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_WALKTEST_IN_PROGRESS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_WALKTEST_NO_MATCHING_POINTS_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_WALKTEST_NO_WALKTEST_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_WALKTEST_NOT_CONTROLLING_WALKTEST_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_WALKTEST_PANEL_UNAVAILABLE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_WALKTEST_TARGET_ACTIVE_POPUPTEXT3INFO"),
            QT_TRANSLATE_NOOP("AUK_40040", "_WALKTEST_TIMEOUT_POPUPTEXT3INFO"),
        });
    return table;
}

// Bottom ids whose keys are body texts, shown bold.
bool isBoldBottomId(int id)
{
    return id == 9 || id == 13 || id == 15 || (id >= 48 && id <= 53);
}

constexpr int KillWalkTestWarningTopId = 12;
constexpr int BadConfigTopId = 25;
constexpr int KillWalkTestWarningBottomId = 34;

constexpr int OkPopupKeyId = 10;
constexpr int CancelPopupKeyId = 3;
constexpr int ClosePopupKeyId = 4;

// A line switched to its alternative label: the ordinary one is disabled
// and the text goes to the alternative.
void writeAlternative(QLabel *ordinary, QLabel *alternative, const QString &text)
{
    ordinary->setEnabled(false);
    alternative->setEnabled(true);
    alternative->setText(text);
}

} // namespace

AUK_40040::AUK_40040(QWidget *parent, bool connectButtons, bool closeOnCompletion)
    : AUK_20003(parent)
    , m_form(new MessagePopupForm(this))
    , m_connectButtons(connectButtons)
    , m_closeOnCompletion(closeOnCompletion)
{
    setObjectName(QStringLiteral("AUK_40040"));
    setTitle(QString());
    setLeftButtonTextById(OkPopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    setShadowVisible(true);
    if (m_connectButtons) {
        connect(this, &BasePopup::rightButtonClicked, this, &AUK_40040::cancelClicked);
        connect(this, &BasePopup::leftButtonClicked, this, &AUK_40040::okClicked);
    }
}

AUK_40040::~AUK_40040()
{
    delete m_form;
}

void AUK_40040::setTopMessage(int id)
{
    m_form->topLabel->setFont(FontRepository::instance()->bold15());
    const QString text = topTable().text(id);
    if (id == BadConfigTopId)
        m_form->topLabel->setFont(FontRepository::instance()->normal15());
    if (id == KillWalkTestWarningTopId) {
        writeAlternative(m_form->topLabel, m_form->topLabel212, text);
        m_form->topLabel212->setFont(FontRepository::instance()->normal15());
    } else {
        m_form->topLabel->setText(text);
    }
}

void AUK_40040::setMiddleMessage(int id, bool wide)
{
    const QString text = middleTable().text(id);
    if (wide)
        writeAlternative(m_form->middleLabel, m_form->middleLabel212, text);
    else
        m_form->middleLabel->setText(text);
}

void AUK_40040::setBottomMessage(int id)
{
    const QString text = bottomTable().text(id);
    if (isBoldBottomId(id))
        m_form->bottomLabel->setFont(FontRepository::instance()->bold15());
    if (id == KillWalkTestWarningBottomId)
        writeAlternative(m_form->bottomLabel, m_form->bottomLabel212, text);
    else
        m_form->bottomLabel->setText(text);
}

void AUK_40040::setTopText(const QString &text)
{
    m_form->topLabel->setText(text);
}

void AUK_40040::setMiddleText(const QString &text)
{
    m_form->middleLabel->setText(text);
}

void AUK_40040::setBottomText(const QString &text)
{
    m_form->bottomLabel->setText(text);
}

void AUK_40040::setMiddleFont(const QFont &font)
{
    m_form->middleLabel->setFont(font);
}

void AUK_40040::setBottomFont(const QFont &font)
{
    m_form->bottomLabel->setFont(font);
}

void AUK_40040::setMiddleVisible(bool visible)
{
    m_form->middleLabel->setVisible(visible);
}

void AUK_40040::setBottomVisible(bool visible)
{
    m_form->bottomLabel->setVisible(visible);
}

void AUK_40040::setCompletionMessages(int successId, int failureId)
{
    m_successMessageId = successId;
    m_failureMessageId = failureId;
}

void AUK_40040::setShowMainScreenOnCancel(bool show)
{
    m_showMainScreenOnCancel = show;
}

void AUK_40040::hideButtons()
{
    setLeftButtonVisible(false);
    setRightButtonVisible(false);
}

void AUK_40040::showCloseButtonOnly()
{
    setLeftButtonVisible(false);
    setRightButtonTextById(ClosePopupKeyId);
}

void AUK_40040::cancelClicked()
{
    PageStack::instance()->remove(this);
    if (m_showMainScreenOnCancel)
        PageStack::instance()->showMainScreen(false);
}

void AUK_40040::okClicked()
{
    PageStack::instance()->remove(this);
}

void AUK_40040::actionCompleted(bool ok)
{
    if (m_closeOnCompletion) {
        PageStack::instance()->remove(this);
        return;
    }
    const int id = ok ? m_successMessageId : m_failureMessageId;
    if (id != 0)
        setBottomMessage(id);
    setRightButtonVisible(true);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40040::okClicked, Qt::UniqueConnection);
}
