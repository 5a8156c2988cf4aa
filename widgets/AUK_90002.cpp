#include "widgets/AUK_90002.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"
#include "widgets/TextIdTable.h"

namespace {

enum { DayModeTextId = 17, NightModeTextId = 18 };

const TextIdTable &iconButtonTexts()
{
    static const TextIdTable table("AUK_90002", {
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_ADD_RFID_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_ADVANCED_STATS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_ALL_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_AUTO_CONFIGURE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_AUTO_TEST_SOUNDERS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_BY_FUNCTION_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_BY_LOOP_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_BY_NETWORK_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_BY_POINT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_BY_ZONE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_CALIBRATE_DDM_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_CALIBRATE_LOOP_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_COMMISSION_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_CUSTOM_TASKS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_DATE_AND_TIME_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_DATE_TIME_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_DAY_MODE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_NIGHT_MODE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_DELETE_POINT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_DEVICE_DATES_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_DEVICES_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_DISABLE_ON_OFF_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_DISPLAY_SETTINGS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_EVENT_LOG_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_FACTORY_DEFAULT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_FORCE_IO_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_FROMCONFIG_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_FROMFILE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_FUNCTION_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_MANUALS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_INDICATORS_CONTROLS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_INFORMATION_TEXT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_INITIALISE_SERVICE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_INSERT_POINT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_KEY_DEPOT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_LOCAL_DEVICE_INFO_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_LOGS_MENU_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_MANUAL_CONFIG_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_MODIFY_DEVICE_ADDRESS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_MODIFY_POINT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_MULTI_ZONE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_NETWORK_INFO_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_PANEL_RESTART_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_GUI_TEST_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_POINT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_POINT_LOG_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_POINT_OF_CONTACT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_POINT_SETTINGS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_PRINTER_SETTINGS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_VORNISH_LITE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_REPLACE_DEVICE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_RESET_KEY_DEPOT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_RSM_REPORT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SELF_TEST_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SERIALISATION_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SERVICE_DEVICE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SERVICE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SERVICE_N_SETTINGS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SERVICE_REPORTS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SETTINGS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SINGLE_ADDRESS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SITE_MAP_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_STATUS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_STATUS_REPORT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_SYSTEM_STATUS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_TASKS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_TEST_KEY_DEPOT_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_UNMOUNT_USB_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_UPDATE_CONFIG_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_UPDATE_FIRMWARE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_UPDATE_TESK_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_UPDATE_PANEL_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_USER_SETTINGS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_WALK_TEST_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_ZONE_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_ZONE_POINTS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_S/W_VERSIONS_ICONBTN"),
                                                    QT_TRANSLATE_NOOP("AUK_90002", "_DEBUG_SETTINGS_ICONBTN"),
                                                });
    return table;
}

} // namespace

AUK_90002::AUK_90002(QWidget *parent)
    : BaseButton(parent, ICON_BUTTON, 0)
    , m_icon(new QLabel(this))
    , m_labelText(new QLabel(this))
{
    setObjectName(QStringLiteral("AUK_90002"));
    setMinimumSize(110, 110);
    setMaximumSize(110, 110);
    setButtonType(ICON_BUTTON);

    m_icon->setObjectName(QStringLiteral("icon"));
    m_icon->setGeometry(17, 13, 76, 50);
    m_icon->setFixedSize(76, 50);
    m_icon->setAlignment(Qt::AlignCenter);

    m_labelText->setObjectName(QStringLiteral("labelText"));
    m_labelText->setGeometry(10, 66, 90, 34);
    m_labelText->setAlignment(Qt::AlignCenter);
    m_labelText->setWordWrap(true);
    m_labelText->setProperty("typeface", QStringLiteral("ButtonText"));
    m_labelText->setProperty("color", QStringLiteral("white"));
    m_labelText->setFont(FontRepository::instance()->normal15());
    m_labelText->setPalette(PaletteRepository::instance()->whiteTextPalette());
}

QString AUK_90002::text() const
{
    return m_labelText->text();
}

void AUK_90002::setText(const QString &text)
{
    m_labelText->setText(text);
}

QPixmap AUK_90002::icon() const
{
    return m_icon->pixmap(Qt::ReturnByValue);
}

void AUK_90002::setIcon(const QPixmap &icon)
{
    m_icon->setPixmap(icon);
}

void AUK_90002::setTextById(int id)
{
    setText(iconButtonTexts().text(id));
}

void AUK_90002::setDayNightModeIcon(bool dayMode)
{
    if (dayMode) {
        setTextById(NightModeTextId);
        setIcon(QPixmap(QStringLiteral("../resources/icons/AUK_80309_night_mode_lrg_white.png")));
    } else {
        setTextById(DayModeTextId);
        setIcon(QPixmap(QStringLiteral("../resources/icons/AUK_80308_day_mode_lrg_white.png")));
    }
}
