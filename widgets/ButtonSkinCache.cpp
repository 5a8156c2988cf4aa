#include "widgets/ButtonSkinCache.h"

#include <QDebug>

namespace {

// Per button type: normal, down, lit, lit-down, disabled. Types 16 to 18 use
// the file named "down" for their normal look and "up" for the pressed one.
const char *const kSkinTable[ButtonSkinCache::TypeCount][ButtonSkinCache::StateCount] = {
    {"AUK_80032_keypad_button_small_up.png", "AUK_80031_keypad_button_small_dwn.png",
     "AUK_80029_keypad_button_light_small_up.png", "AUK_80030_keypad_button_light_small_dwn.png",
     "AUK_80163_keypad_button_light_small_dimmed.png"},
    {"AUK_80179_alpha_num_grey_small_up.png", "AUK_80178_alpha_num_grey_small_dwn.png",
     "AUK_80181_alpha_num_light_small_up.png", "AUK_80180_alpha_num_light_small_dwn.png",
     "AUK_80182_alpha_num_small_dimmed.png"},
    {"AUK_80184_alpha_num_grey_med_up.png", "AUK_80183_alpha_num_grey_med_dwn.png",
     "AUK_80186_alpha_num_light_med_up.png", "AUK_80185_alpha_num_light_med_dwn.png",
     "AUK_80187_alpha_num_med_dimmed.png"},
    {"AUK_80189_alpha_num_grey_lrg_up.png", "AUK_80188_alpha_num_grey_lrg_dwn.png",
     "AUK_80191_alpha_num_light_lrg_up.png", "AUK_80190_alpha_num_light_lrg_dwn.png",
     "AUK_80192_alpha_num_lrg_dimmed.png"},
    {"AUK_80003_Button_Bar_Up.png", "AUK_80002_Button_Bar_Down.png", "", "", "AUK_80037_Button_Bar_Dimmed.png"},
    {"ButtoAUK_80003_Button_Bar_Up.png", "ButtoAUK_80002_Button_Bar_Down.png", "", "", ""},
    {"AUK_80018_Info_Button_up.png", "AUK_80017_Info_Button_down.png", "", "", "AUK_80016_Info_Button_dimmed.png"},
    {"AUK_80015_Icon_Button_Up.png", "AUK_80014_Icon_Button_Down.png", "", "", "AUK_80036_Icon_Button_Dimmed.png"},
    {"AUK_80020_Pop_up_Up.png", "AUK_80019_Pop_up_Down.png", "AUK_80022_Pop_up_light_Up.png",
     "AUK_80021_Pop_up_light_Down.png", ""},
    {"AUK_80012_Filter_Button_Up.png", "AUK_80011_Filter_Button_Down.png", "", "",
     "AUK_80010_Filter_Button_Dimmed.png"},
    {"AUK_80006_EN54_bttn_lrg_up.png", "AUK_80004_EN54_bttn_lrg_dwn.png", "", "", ""},
    {"AUK_80009_EN54_bttn_smll_up.png", "AUK_80007_EN54_bttn_smll_dwn.png", "", "", ""},
    {"AUK_80104_counter_button_grey_up.png", "AUK_80105_counter_button_grey_down.png", "", "",
     "AUK_80106_counter_button_dimmed.png"},
    {"AUK_80032_keypad_button_small_up.png", "AUK_80031_keypad_button_small_dwn.png",
     "AUK_80029_keypad_button_light_small_up.png", "AUK_80030_keypad_button_light_small_dwn.png",
     "AUK_80163_keypad_button_light_small_dimmed.png"},
    {"AUK_80175_event_log_lrg_buttn_up.png", "AUK_80176_event_log_lrg_buttn_dwn.png", "", "",
     "AUK_80174_event_log_lrg_buttn_dimmed.png"},
    {"AUK_80256_Button_Scroll_Up.png", "AUK_80255_Button_Scroll_Down.png", "", "",
     "AUK_80257_Button_Scroll_Dimmed.png"},
    {"AUK_80258_left_scroll_button_down.png", "AUK_80259_left_scroll_button_up.png", "", "", ""},
    {"AUK_80260_right_scroll_button_down.png", "AUK_80261_right_scroll_button_up.png", "", "", ""},
    {"AUK_80268_Small_Filter_Button_Down.png", "AUK_80269_Small_Filter_Button_Scroll_Up.png", "", "",
     "AUK_80270_Small_Filter_Button_Dimmed.png"},
};

} // namespace

bool ButtonSkinCache::isValidType(int type)
{
    return type >= 0 && type < TypeCount;
}

QString ButtonSkinCache::imagePath(int type, State state)
{
    if (!isValidType(type) || state < 0 || state >= StateCount)
        return QString();
    const char *file = kSkinTable[type][state];
    if (file[0] == '\0')
        return QString();
    return QStringLiteral("../resources/Buttons/") + QLatin1String(file);
}

void ButtonSkinCache::acquire(int type)
{
    if (!isValidType(type)) {
        qWarning() << "ButtonSkinCache::acquire: no such button type" << type;
        return;
    }
    if (m_entries.find(type) == m_entries.end()) {
        Skin skin;
        for (int state = 0; state < StateCount; ++state) {
            const QString path = imagePath(type, static_cast<State>(state));
            skin[state] = std::make_shared<const QPixmap>(path.isEmpty() ? QPixmap() : QPixmap(path));
        }
        m_entries.emplace(type, std::move(skin));
    }
    ++m_useCounts[type];
}

void ButtonSkinCache::release(int type)
{
    if (!isValidType(type))
        return;
    if (m_useCounts[type] > 0)
        --m_useCounts[type];
    if (m_useCounts[type] == 0)
        m_entries.erase(type);
}

ButtonSkinCache::Skin ButtonSkinCache::skin(int type) const
{
    const auto found = m_entries.find(type);
    if (found != m_entries.end())
        return found->second;
    Skin empty;
    for (Image &image : empty)
        image = std::make_shared<const QPixmap>();
    return empty;
}

bool ButtonSkinCache::contains(int type) const
{
    return m_entries.find(type) != m_entries.end();
}

quint32 ButtonSkinCache::useCount(int type) const
{
    return isValidType(type) ? m_useCounts[type] : 0;
}
