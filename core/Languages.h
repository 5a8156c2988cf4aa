#pragma once

#include <QLocale>

#include <array>

// The panel's table of languages, indexed by the language ids that the
// controller and the global configuration use, and the direction of the
// panel's own texts, which the sync pages read as they decode them.
namespace Languages {

struct Language
{
    const char *fileCode;
    int fontGroup; // 0 alphabetic scripts, 1 Chinese/Korean, 2 traditional Chinese
    QLocale::Language language;
    QLocale::Country country;
};

constexpr int Count = 39; // ids 1 to 38; 0 is the default file
constexpr int EnglishId = 1;
constexpr int HebrewId = 29;

const std::array<Language, Count> &table();

// The locale of the language the panel shows now (the first or second
// configured language), with any country.
QLocale currentLanguageLocale();

// Whether the panel's texts are written right to left: set when a language
// is installed.
bool isPanelTextRightToLeft();
void setPanelTextRightToLeft(bool rightToLeft);

} // namespace Languages
