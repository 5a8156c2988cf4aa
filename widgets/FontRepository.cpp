#include "widgets/FontRepository.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

namespace {

struct PresetLook
{
    int weight;
    bool italic;
    int size;
};

// In preset order; every size but the monospace one is applied in pixels.
constexpr PresetLook kPresetLooks[] = {
    {QFont::Bold, false, 24}, {QFont::Normal, false, 22}, {QFont::Bold, false, 18},   {QFont::Bold, false, 15},
    {QFont::Bold, false, 12}, {QFont::Normal, false, 15}, {QFont::Normal, false, 12}, {QFont::Normal, true, 15},
    {QFont::Bold, false, 22}, {QFont::Normal, false, 22}, {QFont::Bold, true, 20},
};

} // namespace

const std::array<const char *, FontRepository::FontCount> &FontRepository::fileNames()
{
    static const std::array<const char *, FontCount> names = {"DejaVuSans.ttf", "NanumGothic-Regular.ttf",
                                                              "wqy-microhei.ttc", "DejaVuSans-Mono.ttf"};
    return names;
}

// The instance lives until the process ends: fonts copied from it may be
// used up to the very last paint.
FontRepository::FontRepository()
    : FontRepository(QCoreApplication::applicationDirPath() + QDir::separator() + QStringLiteral("../resources/fonts"))
{
}

FontRepository::FontRepository(const QString &fontDirectory)
{
    for (int i = 0; i < FontCount; ++i) {
        const QString path = fontDirectory + QDir::separator() + QLatin1String(fileNames()[i]);
        m_fontIds[i] = QFontDatabase::addApplicationFont(path);
        if (m_fontIds[i] < 0)
            qWarning() << "FontRepository::FontRepository: cannot register font" << path;
    }
    setApplicationFont(DejaVuSans);
}

FontRepository::~FontRepository() = default;

int FontRepository::registeredFontId(int fontIndex) const
{
    if (fontIndex < 0 || fontIndex >= FontCount)
        return -1;
    return m_fontIds[fontIndex];
}

QString FontRepository::family(int fontIndex) const
{
    const int id = registeredFontId(fontIndex);
    if (id < 0)
        return QString();
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

QString FontRepository::familyOrFallback(int fontIndex) const
{
    QString chosen = family(fontIndex);
    if (chosen.isEmpty() && fontIndex != DejaVuSans)
        chosen = family(DejaVuSans);
    if (chosen.isEmpty())
        chosen = QGuiApplication::font().family();
    return chosen;
}

void FontRepository::setApplicationFont(int fontIndex)
{
    if (family(fontIndex).isEmpty())
        qWarning() << "FontRepository::setApplicationFont: no family for font" << fontIndex
                   << "- using a default family";
    const QString languageFamily = familyOrFallback(fontIndex);

    for (int i = 0; i < Mono16; ++i) {
        const PresetLook &look = kPresetLooks[i];
        auto font = std::make_unique<QFont>(languageFamily, look.size, look.weight, look.italic);
        font->setPixelSize(look.size);
        m_presets[i] = std::move(font);
    }

    if (fontIndex == WqyMicroHei) {
        auto mono = std::make_unique<QFont>(languageFamily, 16, QFont::Normal, false);
        mono->setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
        m_presets[Mono16] = std::move(mono);
    } else {
        QString monoFamily = family(DejaVuSansMono);
        if (monoFamily.isEmpty())
            monoFamily = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
        m_presets[Mono16] = std::make_unique<QFont>(monoFamily, 16, QFont::Normal, false);
    }
}

QFont FontRepository::preset(Preset which) const
{
    return *m_presets[which];
}

QFont FontRepository::bold24() const
{
    return preset(Bold24);
}
QFont FontRepository::normal22() const
{
    return preset(Normal22);
}
QFont FontRepository::bold18() const
{
    return preset(Bold18);
}
QFont FontRepository::bold15() const
{
    return preset(Bold15);
}
QFont FontRepository::bold12() const
{
    return preset(Bold12);
}
QFont FontRepository::normal15() const
{
    return preset(Normal15);
}
QFont FontRepository::normal12() const
{
    return preset(Normal12);
}
QFont FontRepository::italic15() const
{
    return preset(Italic15);
}
QFont FontRepository::bold22() const
{
    return preset(Bold22);
}
QFont FontRepository::normal22b() const
{
    return preset(Normal22b);
}
QFont FontRepository::boldItalic20() const
{
    return preset(BoldItalic20);
}
QFont FontRepository::mono16() const
{
    return preset(Mono16);
}
