#pragma once

#include "core/SC_Singleton.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

// The fixed fonts of the user interface. The four font files are registered
// once; the presets are rebuilt from the family of the current language's
// font. Callers copy a preset and may change their copy.
class FontRepository final : public SC_Singleton<FontRepository>
{
public:
    // Font indexes as the translator passes them: the registration order of
    // the font files.
    enum FontIndex { DejaVuSans = 0, NanumGothic = 1, WqyMicroHei = 2, DejaVuSansMono = 3, FontCount = 4 };

    explicit FontRepository(const QString &fontDirectory);
    ~FontRepository();
    FontRepository(const FontRepository &) = delete;
    FontRepository &operator=(const FontRepository &) = delete;

    void setApplicationFont(int fontIndex);

    // The id the application font database gave the file, -1 when the file
    // could not be registered.
    int registeredFontId(int fontIndex) const;
    QString family(int fontIndex) const;

    QFont bold24() const;
    QFont normal22() const;
    QFont bold18() const;
    QFont bold15() const;
    QFont bold12() const;
    QFont normal15() const;
    QFont normal12() const;
    QFont italic15() const;
    QFont bold22() const;
    QFont normal22b() const;
    QFont boldItalic20() const;
    QFont mono16() const;

    static const std::array<const char *, FontCount> &fileNames();

private:
    friend class SC_Singleton<FontRepository>;

    // The instance reads the fonts from "../resources/fonts" beside the
    // program.
    FontRepository();

    enum Preset {
        Bold24,
        Normal22,
        Bold18,
        Bold15,
        Bold12,
        Normal15,
        Normal12,
        Italic15,
        Bold22,
        Normal22b,
        BoldItalic20,
        Mono16,
        PresetCount
    };

    QString familyOrFallback(int fontIndex) const;
    QFont preset(Preset which) const;

    std::array<int, FontCount> m_fontIds{};
    std::array<std::unique_ptr<QFont>, PresetCount> m_presets;
};
