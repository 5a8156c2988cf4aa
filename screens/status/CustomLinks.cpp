#include "screens/status/CustomLinks.h"

#include "app/PageStack.h"
#include "app/Security.h"
#include "screens/commissioning/AUK_30008.h"
#include "screens/popups/AUK_40003.h"
#include "screens/status/AUK_30069.h"
#include "screens/status/AUK_30072.h"
#include "widgets/AUK_90002.h"

#include <QDebug>

namespace {

constexpr int SelfTestLink = 10;

using ScreenFactory = Page *(*)(int accessLevel, int userLevel);

struct LinkEntry
{
    int linkId;
    quint8 minAccessLevel;
    quint8 minUserLevel;
    int textId;
    const char *image;
    // The screen the link opens, or null for a link that opens nothing.
    const char *screen;
    // Null while the screen's class is not built.
    ScreenFactory create;
};

Page *selfTest(int, int)
{
    return new AUK_40003;
}

Page *eventLogByStatus(int, int)
{
    return new AUK_30069(nullptr);
}

Page *eventLogByDate(int, int)
{
    return new AUK_30072(nullptr);
}

Page *customTasks(int, int)
{
    return new AUK_30008;
}

const LinkEntry Links[] = {
    {10, 3, 2, 44, "../resources/icons/AUK_80070_paneltst_lrg_white.png", "AUK_40003", &selfTest},
    {11, 3, 11, 26, "../resources/icons/AUK_80061_force_lrg_white.png", "AUK_30004", nullptr},
    {12, 3, 7, 14, "../resources/icons/AUK_80076_tasks_lrg_white.png", "AUK_30008", &customTasks},
    {13, 3, 7, 22, "../resources/icons/AUK_80059_deactive_lrg_white.png", "AUK_30009", nullptr},
    {21, 3, 11, 9, "../resources/icons/AUK_80220_point_lrg_white.png", "AUK_30016", nullptr},
    {22, 2, 8, 6, "../resources/icons/AUK_80139_function_lrg_white.png", "AUK_30017", nullptr},
    {23, 2, 2, 10, "../resources/icons/AUK_80080_zone_lrg_white.png", "AUK_30019", nullptr},
    {24, 3, 11, 7, "../resources/icons/AUK_80219_loop_lrg_white.png", "AUK_30026", nullptr},
    {25, 2, 2, 8, "../resources/icons/AUK_80222_net_lrg_white.png", "AUK_30029", nullptr},
    {26, 2, 2, 13, "../resources/icons/AUK_80221_commis_lrg_white.png", "AUK_30031", nullptr},
    {31, 3, 2, 60, "../resources/icons/AUK_80200_setting_lrg_white.png", "AUK_30037", nullptr},
    {32, 3, 8, 57, "../resources/icons/AUK_80199_service_lrg_white.png", "AUK_30049", nullptr},
    {33, 3, 8, 74, "../resources/icons/AUK_80201_walk_lrg_white.png", "AUK_30061", nullptr},
    {41, 2, 4, 63, "../resources/icons/AUK_80074_status_lrg_white.png", "AUK_30069", &eventLogByStatus},
    {42, 2, 4, 16, "../resources/icons/AUK_80172_date_time_lrg_white.png", "AUK_30072", &eventLogByDate},
    {51, 3, 6, 15, "../resources/icons/AUK_80238_date_time_icon.png", "AUK_30046", nullptr},
    {52, 3, 6, 47, "../resources/icons/AUK_80239_point_of_contact_icon.png", nullptr, nullptr},
    {53, 3, 6, 23, "../resources/icons/AUK_80240_display_settings_icon.png", nullptr, nullptr},
    {54, 3, 6, 48, "../resources/icons/AUK_80242_point_settings_icon.png", "AUK_30041", nullptr},
    {57, 3, 12, 4, "../resources/icons/AUK_80247_auto_configure_icon.png", "AUK_30045", nullptr},
    {71, 3, 11, 11, "../resources/icons/AUK_80249_calibrate_ddm_icon.png", nullptr, nullptr},
    {72, 3, 11, 43, "../resources/icons/AUK_80250_panel_restart_icon.png", "AUK_30051", nullptr},
    {73, 3, 11, 59, "../resources/icons/AUK_80252_service_reports_icon.png", nullptr, nullptr},
    {75, 3, 11, 12, "../resources/icons/AUK_80219_loop_lrg_white.png", "AUK_30104", nullptr},
    {74, 3, 8, 20, "../resources/icons/AUK_80253_device_dates_icon.png", nullptr, nullptr},
    {76, 3, 8, 5, "../resources/icons/AUK_80272_auto_test.png", "AUK_30104", nullptr},
};

const LinkEntry *entryOf(unsigned linkId)
{
    for (const LinkEntry &entry : Links) {
        if (unsigned(entry.linkId) == linkId)
            return &entry;
    }
    return nullptr;
}

bool isAllowed(const LinkEntry &entry)
{
    const Security *security = Security::instance();
    return entry.minAccessLevel <= int(security->accessLevel()) && entry.minUserLevel <= security->userLevel();
}

} // namespace

CustomLinks::CustomLinks(QObject *parent)
    : QObject(parent)
{
}

QWidget *CustomLinks::createLinkButton(int linkId)
{
    if (linkId <= 0)
        return nullptr;
    const LinkEntry *entry = entryOf(unsigned(linkId));
    if (!entry || !isAllowed(*entry))
        return nullptr;
    auto *button = new AUK_90002;
    button->setTextById(entry->textId);
    button->setIcon(QPixmap(QLatin1String(entry->image)));
    button->setValue(QString::number(entry->linkId));
    button->setEnabled(!entry->screen || entry->create);
    connect(button, &BaseButton::clicked, this, &CustomLinks::buttonClicked);
    return button;
}

// The log-on may have ended since the button was built: the levels are
// checked again at the tap.
void CustomLinks::buttonClicked(const QString &value)
{
    const unsigned id = value.toUInt();
    const LinkEntry *entry = entryOf(id);
    if (!entry || !isAllowed(*entry))
        return;
    Page *screen = createLinkScreen(id);
    if (!screen)
        return;
    PageStack::instance()->push(screen);
    if (id == SelfTestLink)
        static_cast<AUK_40003 *>(screen)->startTest();
}

Page *CustomLinks::createLinkScreen(unsigned id)
{
    const LinkEntry *entry = entryOf(id);
    if (!entry || !entry->screen)
        return nullptr;
    if (!entry->create) {
        qDebug() << "CustomLinks:" << entry->screen << "is not built yet";
        return nullptr;
    }
    const Security *security = Security::instance();
    return entry->create(int(security->accessLevel()), security->userLevel());
}
