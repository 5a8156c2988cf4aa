#include "widgets/AUK_90001.h"

#include "widgets/FontRepository.h"
#include "widgets/PageHeaderFeed.h"
#include "widgets/PaletteRepository.h"
#include "widgets/PanelIcon.h"
#include "widgets/TextIdTable.h"
#include "widgets/VerticalShadow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int kHeaderHeight = 36;
constexpr int kTitleLeft = 54;
constexpr int kHeaderEnd = 634;
constexpr int kHeaderEndWithCountdown = 576;

const TextIdTable &headerTitles()
{
    static const TextIdTable table("AUK_90001",
                                   {
                                       QT_TRANSLATE_NOOP("AUK_90001", "_ADVANCED_STATS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_ADVANCED_STATS_FLASH_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_ADVANCED_STATS_RBUS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_CALIBRATE_LOOP_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_CONFIGURE_AUTO_CONFIGURE_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_CONFIGURE_AUTO_TEST_SOUNDERS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_DEBUG_SETTINGS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_EVENT_LOG_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_EVENTS_SUMMARY_CONTROLS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_EVENTS_SUMMARY_GENERAL_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_EVENTS_SUMMARY_PANEL_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_EVENTS_SUMMARY_PROTECTION_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_EVENTS_SUMMARY_SIGNALLING_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_EVENTS_SUMMARY_SOUNDERS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_HELP_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_HELP_INDICATORS_CONTROLS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_HELP_SITE_MAP_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_KEY_DEPOT_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_MAIN_MENU_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_MANUALS_MENU_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_NETWORK_STATUS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_TESK_CONFIGURATION_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_LOGS_MENU_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_POINT_LOG_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_PRINTER_SETTING_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_REPLACE_DEVICE_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERIALISATION_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_LOOP_CALIBRATION_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_AUTO_CONFIGURE_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_CALIBRATE_DDM_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_DATE_TIME_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_DELETE_POINT_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_DEVICE_DATES_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_INSERT_POINT_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_MODIFY_DEVICE_ADDRESS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_MODIFY_POINT_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_PANEL_RESTART_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_POINT_SETTINGS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_SERVICE_DEVICE_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_SERVICE_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_SERVICE_REPORTS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_SETTINGS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_UPDATE_PANEL_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SERVICE_SETTINGS_WALK_TEST_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_BY_FUNCTION_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_BY_POINT_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_BY_ZONE_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_COMMISSION_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_JRNET_SUMMARY_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_IR_LINK_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_LNET_SUMMARY_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_LOOP_SHUTDOWN_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_LOOP_STATUS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_LKNET_SUMMARY_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_SINGLE_DEVICE_POLL_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_SUMMARY_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_SYSTEM_STATUS_ZONE_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_TASKS_CUSTOM_TASKS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_TASKS_DISABLE_ON_OFF_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_TASKS_FORCE_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_TASKS_FORCE_SUMMARY_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_TASKS_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_UPDATE_TESK_CONFIGURATION_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_UPDATE_TESK_HDR"),
                                       QT_TRANSLATE_NOOP("AUK_90001", "_VIEW_FIRES_HDR"),
                                       nullptr, // 68: the empty title
                                   });
    return table;
}

// The user text of a permission level; brand 1 has texts of its own for
// three levels.
struct UserText
{
    int level;
    const char *brandOneKey;
    const char *otherKey;
};

const UserText kUserTexts[] = {
    {2, QT_TRANSLATE_NOOP("AUK_90001", "_CUSTOMER_1_INFOTEXT"), nullptr},
    {3, QT_TRANSLATE_NOOP("AUK_90001", "_CUSTOMER_2_INFOTEXT"), nullptr},
    {4, QT_TRANSLATE_NOOP("AUK_90001", "_CUSTOMER_3_INFOTEXT"), nullptr},
    {5, QT_TRANSLATE_NOOP("AUK_90001", "_CUSTOMER_4_INFOTEXT"), nullptr},
    {6, QT_TRANSLATE_NOOP("AUK_90001", "_CUSTOMER_5_INFOTEXT"), nullptr},
    {7, QT_TRANSLATE_NOOP("AUK_90001", "_USER_INFOTEXT"), QT_TRANSLATE_NOOP("AUK_90001", "_CUSTOMER_6_INFOTEXT")},
    {8, QT_TRANSLATE_NOOP("AUK_90001", "_SUPERVISOR_INFOTEXT"), QT_TRANSLATE_NOOP("AUK_90001", "_CUSTOMER_7_INFOTEXT")},
    {9, QT_TRANSLATE_NOOP("AUK_90001", "_CUSTOMER_MANAGER_1_INFOTEXT"), nullptr},
    {10, QT_TRANSLATE_NOOP("AUK_90001", "_CUSTOMER_MANAGER_2_INFOTEXT"), nullptr},
    {11, QT_TRANSLATE_NOOP("AUK_90001", "_ENGINEER_1_INFOTEXT"), nullptr},
    {12, QT_TRANSLATE_NOOP("AUK_90001", "_ENGINEER_2_INFOTEXT"), nullptr},
    {13, QT_TRANSLATE_NOOP("AUK_90001", "_ENGINEER_INFOTEXT"), QT_TRANSLATE_NOOP("AUK_90001", "_ENGINEER_3_INFOTEXT")},
    {14, QT_TRANSLATE_NOOP("AUK_90001", "_COMMISSIONING_INFOTEXT"), nullptr},
};

QString userTextKey(int level, int brand)
{
    for (const UserText &entry : kUserTexts) {
        if (entry.level != level)
            continue;
        const char *key = (brand == 1 || !entry.otherKey) ? entry.brandOneKey : entry.otherKey;
        return QCoreApplication::translate("AUK_90001", key);
    }
    return QString();
}

QPalette flavourPalette(AUK_90001::Flavour flavour)
{
    const PaletteRepository *palettes = PaletteRepository::instance();
    switch (flavour) {
    case AUK_90001::BLUE:
        return palettes->bluePalette();
    case AUK_90001::YELLOW:
        return palettes->yellowPalette();
    default:
        return palettes->redPalette();
    }
}

bool isFlavour(int flavour)
{
    return flavour >= AUK_90001::BLUE && flavour <= AUK_90001::RED;
}

// One footer image by flag and ground: grey images on YELLOW, else white.
QPixmap flagged(bool on, bool yellow, const char *onWhite, const char *onGrey)
{
    return on ? panelIcon(yellow ? onGrey : onWhite) : QPixmap();
}

} // namespace

AUK_90001::AUK_90001(QWidget *parent)
    : Page(parent)
{
    buildForm();
    m_statusIcons->setLayoutDirection(Qt::RightToLeft);

    setPalette(PaletteRepository::instance()->greyPalette());
    setAutoFillBackground(true);

    setVerticalShadow(m_headerShadow, PaletteRepository::midGrey(), Qt::transparent);

    m_headerIcon->setPalette(PaletteRepository::instance()->whitePalette());

    const FontRepository *fonts = FontRepository::instance();
    m_headerTitle->setFont(fonts->bold24());
    for (QLabel *label : {m_footerDate, m_footerTime, m_footerLogo, m_invDelayTime})
        label->setFont(fonts->normal15());

    m_invDelayTime->hide();
    updateTextAlignment();
    layoutHeader();
}

AUK_90001::~AUK_90001() = default;

QLabel *AUK_90001::footerIndicator(QWidget *footer, const char *name, int x)
{
    auto *label = new QLabel(footer);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(x, 0, 36, 30);
    label->setFixedSize(36, 30);
    return label;
}

void AUK_90001::buildForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AUK_90001"));
    resize(640, 480);
    setFixedSize(640, 480);

    m_footerBar = new QWidget(this);
    m_footerBar->setObjectName(QStringLiteral("footerBar"));
    m_footerBar->setGeometry(0, 450, 640, 30);
    m_footerBar->setFixedSize(640, 30);
    m_footerBar->setAutoFillBackground(true);

    m_footerDate = new QLabel(m_footerBar);
    m_footerDate->setObjectName(QStringLiteral("footerDate"));
    m_footerDate->setGeometry(10, 0, 190, 30);
    m_footerDate->setMinimumHeight(30);
    m_footerDate->setMaximumWidth(233);
    m_footerDate->setProperty("color", QStringLiteral("white"));
    m_footerDate->setProperty("typeface", QStringLiteral("InfoText"));

    m_footerLogo = new QLabel(m_footerBar);
    m_footerLogo->setObjectName(QStringLiteral("footerLogo"));
    m_footerLogo->setGeometry(210, 0, 210, 30);
    m_footerLogo->setMaximumWidth(210);
    m_footerLogo->setAlignment(Qt::AlignCenter);

    m_touchIndicator = footerIndicator(m_footerBar, "touchIndicator", 540);

    m_footerTime = new QLabel(m_footerBar);
    m_footerTime->setObjectName(QStringLiteral("footerTime"));
    m_footerTime->setGeometry(575, 0, 55, 30);
    m_footerTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_footerTime->setProperty("color", QStringLiteral("white"));
    m_footerTime->setProperty("typeface", QStringLiteral("InfoText"));

    m_extinguishReleaseIndicator = footerIndicator(m_footerBar, "extinguishReleaseIndicator", 500);
    m_extinguishFaultIndicator = footerIndicator(m_footerBar, "extinguishFaultIndicator", 460);
    m_usbIndicator = new QLabel(m_footerBar);
    m_usbIndicator->setObjectName(QStringLiteral("usbIndicator"));
    m_usbIndicator->setGeometry(422, 0, 36, 30);

    m_headerBar = new QWidget(this);
    m_headerBar->setObjectName(QStringLiteral("headerBar"));
    m_headerBar->setGeometry(0, 0, 640, kHeaderHeight);
    m_headerBar->setFixedSize(640, kHeaderHeight);
    m_headerBar->setAutoFillBackground(true);

    // Created bottom to top: the icons and the countdown lie above the
    // title's right end.
    m_headerTitle = new QLabel(m_headerBar);
    m_headerTitle->setObjectName(QStringLiteral("headerTitle"));
    m_headerTitle->setGeometry(kTitleLeft, 0, 410, kHeaderHeight);
    m_headerTitle->setProperty("typeface", QStringLiteral("Header"));
    m_headerTitle->setProperty("color", QStringLiteral("white"));

    m_headerIcon = new QLabel(m_headerBar);
    m_headerIcon->setObjectName(QStringLiteral("headerIcon"));
    m_headerIcon->setGeometry(14, 0, 36, 36);
    m_headerIcon->setFixedSize(36, 36);
    m_headerIcon->setAutoFillBackground(true);
    m_headerIcon->setAlignment(Qt::AlignCenter);

    m_invDelayTime = new QLabel(m_headerBar);
    m_invDelayTime->setObjectName(QStringLiteral("invDelayTime"));
    m_invDelayTime->setGeometry(400, 0, 50, kHeaderHeight);
    m_invDelayTime->setAlignment(Qt::AlignCenter);

    m_statusIcons = new QWidget(m_headerBar);
    m_statusIcons->setObjectName(QStringLiteral("statusIcons"));
    m_statusIcons->setGeometry(464, 0, 171, kHeaderHeight);
    m_horizontalLayout = new QHBoxLayout(m_statusIcons);
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_horizontalLayout->setSpacing(0);
    m_horizontalLayout->setSizeConstraint(QLayout::SetFixedSize);
    m_horizontalLayout->setContentsMargins(0, 3, 0, 3);

    m_headerShadow = new QWidget(this);
    m_headerShadow->setObjectName(QStringLiteral("headerShadow"));
    m_headerShadow->setGeometry(0, kHeaderHeight, 640, 6);
    m_headerShadow->setFixedSize(640, 6);
}

QString AUK_90001::title() const
{
    return m_headerTitle->text();
}

void AUK_90001::setTitle(const QString &title)
{
    m_headerTitle->setText(title);
}

QString AUK_90001::invDelayTime() const
{
    return m_invDelayTime->text();
}

void AUK_90001::setInvDelayTime(const QString &text)
{
    m_invDelayTime->setText(text);
}

void AUK_90001::setFlavour(Flavour flavour)
{
    if (!isFlavour(flavour))
        return;
    const QPalette palette = flavourPalette(flavour);
    m_headerIcon->setPixmap(m_icons[flavour]);
    m_flavour = flavour;
    for (QWidget *widget : {m_headerBar, static_cast<QWidget *>(m_headerTitle), static_cast<QWidget *>(m_footerTime),
                            m_footerBar, static_cast<QWidget *>(m_footerDate), static_cast<QWidget *>(m_footerLogo)})
        widget->setPalette(palette);
    updateTouchIndicator();
    updateFooterIcons();
}

void AUK_90001::setTitleById(int id)
{
    setTitle(headerTitles().text(id));
}

void AUK_90001::setFooterUserText(int permissionLevel)
{
    m_footerLogo->setText(userTextKey(permissionLevel, PageHeaderFeed::instance()->source()->brand()));
}

void AUK_90001::updateTextAlignment()
{
    const Qt::Alignment side = Page::isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft;
    m_headerTitle->setAlignment(side | Qt::AlignVCenter);
    m_footerDate->setAlignment(side | Qt::AlignVCenter);
}

void AUK_90001::addStatusIconWidget(QWidget *widget)
{
    m_horizontalLayout->addWidget(widget, 0, Qt::AlignRight);
    m_statusIconsWidth += widget->width();
    layoutHeader();
}

void AUK_90001::clearStatusIconWidgets()
{
    while (QLayoutItem *item = m_horizontalLayout->takeAt(0))
        delete item;
    m_statusIconsWidth = 0;
}

void AUK_90001::showInvDelayTime(bool show)
{
    m_invDelayShown = show;
    m_invDelayTime->setVisible(show);
    layoutHeader();
}

void AUK_90001::setExtinguishRelease(bool active)
{
    m_extinguishReleaseActive = active;
    updateFooterIcons();
}

void AUK_90001::setExtinguishFault(bool active)
{
    m_extinguishFaultActive = active;
    updateFooterIcons();
}

void AUK_90001::layoutHeader()
{
    const int end = m_invDelayShown ? kHeaderEndWithCountdown : kHeaderEnd;
    const int width = qMax(m_statusIconsWidth, 1);
    m_headerTitle->setGeometry(kTitleLeft, 0, end - kTitleLeft, kHeaderHeight);
    m_invDelayTime->setGeometry(end, 0, 640 - end, kHeaderHeight);
    // The layout fixes the widget's size to its icons; only the place is
    // decided here.
    m_horizontalLayout->activate();
    m_statusIcons->move(end - width, 0);
}

void AUK_90001::arrangeIconButtons(const QObjectList &children)
{
    const QObjectList &candidates = children.isEmpty() ? this->children() : children;
    QList<QWidget *> buttons;
    for (QObject *child : candidates) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget->inherits("AUK_90002") && widget->isVisibleTo(this))
            buttons << widget;
    }
    const int count = buttons.size();
    const int columns = count <= 3 ? 3 : count == 4 ? 2 : count <= 6 ? 3 : 4;
    const int top = count <= 3 ? 154 : 84;
    for (int j = 0; j < count; ++j)
        buttons[j]->move(22 + 138 * (j % columns), top + 140 * (j / columns));

    for (QObject *child : candidates) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget->inherits("AUK_90004Base")) {
            widget->move(429, 43);
            break;
        }
    }
}

void AUK_90001::screenPressed()
{
    m_touchPressed = true;
    updateTouchIndicator();
}

void AUK_90001::screenReleased()
{
    m_touchPressed = false;
    updateTouchIndicator();
}

void AUK_90001::usbStatusChange(bool bState)
{
    m_usbStickPresent = bState;
    updateFooterIcons();
}

void AUK_90001::updateFooterTime(const QString &timestring)
{
    m_footerTime->setText(timestring);
}

void AUK_90001::updateFooterDate(const QString &datestring)
{
    m_footerDate->setText(datestring);
}

void AUK_90001::updateTouchIndicator()
{
    if (!isFlavour(m_flavour))
        return;
    const bool yellow = m_flavour == YELLOW;
    if (m_touchPressed)
        m_touchIndicator->setPixmap(
            panelIcon(yellow ? "AUK_80205_button_press_grey.png" : "AUK_80206_button_press_white.png"));
    else
        m_touchIndicator->setPixmap(
            panelIcon(yellow ? "AUK_80203_button_no_press_grey.png" : "AUK_80204_button_no_press_white.png"));
}

void AUK_90001::updateFooterIcons()
{
    if (!isFlavour(m_flavour))
        return;
    const bool yellow = m_flavour == YELLOW;
    m_extinguishReleaseIndicator->setPixmap(flagged(m_extinguishReleaseActive, yellow,
                                                    "AUK_80232_extinguish_release_white.png",
                                                    "AUK_80230_extinguish_release_grey.png"));
    m_extinguishFaultIndicator->setPixmap(flagged(m_extinguishFaultActive, yellow,
                                                  "AUK_80238_extinguish_fault_yellow.png",
                                                  "AUK_80231_extinguish_fault_grey.png"));
    m_usbIndicator->setPixmap(flagged(m_usbStickPresent, yellow, "AUK_80295_USB_white.png", "AUK_80294_USB_grey.png"));
}

void AUK_90001::setHomeIcons()
{
    setIconBlueFlavour(panelIcon("AUK_80065_home_smll_blue.png"));
    setIconYellowFlavour(panelIcon("AUK_80067_home_smll_yellow.png"));
    setIconRedFlavour(panelIcon("AUK_80066_home_smll_red.png"));
}
