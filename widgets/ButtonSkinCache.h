#pragma once

#include "core/SC_Singleton.h"

#include <QPixmap>
#include <QString>

#include <array>
#include <map>
#include <memory>

// The images of the button skins, loaded once per button type and shared by
// every live button of that type. An entry lives while a button of its type
// does; the next button of a dropped type loads the files again.
class ButtonSkinCache final : public SC_Singleton<ButtonSkinCache>
{
public:
    enum State { Normal, Down, Lit, LitDown, Disabled, StateCount };
    static constexpr int TypeCount = 19;

    using Image = std::shared_ptr<const QPixmap>;
    using Skin = std::array<Image, StateCount>;

    static bool isValidType(int type);
    // "" where the type has no image for the state.
    static QString imagePath(int type, State state);

    void acquire(int type);
    void release(int type);
    // The shared images of a type that is held; null images otherwise.
    Skin skin(int type) const;

    bool contains(int type) const;
    quint32 useCount(int type) const;

private:
    friend class SC_Singleton<ButtonSkinCache>;

    ButtonSkinCache() = default;

    std::map<int, Skin> m_entries;
    // 32 bits: a screen may hold hundreds of buttons of one type.
    std::array<quint32, TypeCount> m_useCounts{};
};
