#include "core/Languages.h"

#include "core/TeskGlobalConfig.h"

namespace Languages {

namespace {

bool panelTextRightToLeft = false;

} // namespace

const std::array<Language, Count> &table()
{
    static const std::array<Language, Count> languages = {{
        {"default", 0, QLocale::English, QLocale::UnitedKingdom},
        {"GBR_en-GB", 0, QLocale::English, QLocale::UnitedKingdom},
        {"DEU_de-DE", 0, QLocale::German, QLocale::Germany},
        {"MA-GBR_en-GB", 0, QLocale::English, QLocale::UnitedKingdom},
        {"MA-ESP_es-ES", 0, QLocale::Spanish, QLocale::Spain},
        {"MA-PRT_pt-PT", 0, QLocale::Portuguese, QLocale::Portugal},
        {"TBA", 1, QLocale::Chinese, QLocale::China},
        {"MA-DEU_de-DE", 0, QLocale::German, QLocale::Germany},
        {"MA-FRA_fr-FR", 0, QLocale::French, QLocale::France},
        {"FRA_fr-FR", 0, QLocale::French, QLocale::France},
        {"KOR_ko-KR", 1, QLocale::Korean, QLocale::SouthKorea},
        {"ITA_it-IT", 0, QLocale::Italian, QLocale::Italy},
        {"CI_zh-Hant", 2, QLocale::Chinese, QLocale::China},
        {"PRT_pt-PT", 0, QLocale::Portuguese, QLocale::Portugal},
        {"CZE_cs-CZ", 0, QLocale::Czech, QLocale::CzechRepublic},
        {"DNK_da-DK", 0, QLocale::Danish, QLocale::Denmark},
        {"ESP_es-ES", 0, QLocale::Spanish, QLocale::Spain},
        {"POL_pl-PL", 0, QLocale::Polish, QLocale::Poland},
        {"SVK_sk-SK", 0, QLocale::Slovak, QLocale::Slovakia},
        {"NLD_nl-NL", 0, QLocale::Dutch, QLocale::Netherlands},
        {"CHE_de-CH", 0, QLocale::SwissGerman, QLocale::Switzerland},
        {"CHE_it-CH", 0, QLocale::Italian, QLocale::Switzerland},
        {"CHE_fr-CH", 0, QLocale::French, QLocale::Switzerland},
        {"FRA_fr-FR", 0, QLocale::French, QLocale::Belgium},
        {"DEU_de-DE", 0, QLocale::German, QLocale::Belgium},
        {"BEL_nl-BE", 0, QLocale::Dutch, QLocale::Belgium},
        {"NOR_nb-NO", 0, QLocale::NorwegianBokmal, QLocale::Norway},
        {"SWE_sv-SE", 0, QLocale::Swedish, QLocale::Sweden},
        {"FIN_fi-FI", 0, QLocale::Finnish, QLocale::Finland},
        {"ISR_he-IL", 0, QLocale::Hebrew, QLocale::Israel},
        {"RUS_ru-RU", 0, QLocale::Russian, QLocale::Russia},
        {"HUN_hu-HU", 0, QLocale::Hungarian, QLocale::Hungary},
        {"ROU_ro-RO", 0, QLocale::Romanian, QLocale::Romania},
        {"GRC_el-GR", 0, QLocale::Greek, QLocale::Greece},
        {"HRV_hr-HR", 0, QLocale::Croatian, QLocale::Croatia},
        {"BGR_bg-BG", 0, QLocale::Bulgarian, QLocale::Bulgaria},
        {"SER_sr-RS", 0, QLocale::Serbian, QLocale::Serbia},
        {"AUT_de-AT", 0, QLocale::German, QLocale::Austria},
        {"TRK_tk-TK", 0, QLocale::Turkish, QLocale::Turkey},
    }};
    return languages;
}

QLocale currentLanguageLocale()
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    const int id = config->getLanguage(config->getCurrentLang());
    // The configuration keeps ids in the table's range; the guard keeps a
    // stray value from reading past it.
    const Language &row = table().at(id > 0 && id < Count ? id : EnglishId);
    return QLocale(row.language, QLocale::AnyCountry);
}

bool isPanelTextRightToLeft()
{
    return panelTextRightToLeft;
}

void setPanelTextRightToLeft(bool rightToLeft)
{
    panelTextRightToLeft = rightToLeft;
}

} // namespace Languages
